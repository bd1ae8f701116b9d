#include "ui/printing/SalidaListadosImpresora.h"

#include "core/Dialogos.h"
#include "core/Programa.h"
#include "intercambio/Exportar.h"
#include "printing/ImprimirListado.h"
#include "ui/common/Estilo.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHash>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

// Screen readers read the preview's tool buttons by name; without Qt's Spanish translation
// installed they would be English.
void NombrarControles(QWidget &vista)
{
    static const QHash<QString, QString> nombres = {
        {QStringLiteral("Next page"), QStringLiteral("Página siguiente")},
        {QStringLiteral("Previous page"), QStringLiteral("Página anterior")},
        {QStringLiteral("First page"), QStringLiteral("Primera página")},
        {QStringLiteral("Last page"), QStringLiteral("Última página")},
        {QStringLiteral("Fit width"), QStringLiteral("Ajustar al ancho")},
        {QStringLiteral("Fit page"), QStringLiteral("Ajustar a la página")},
        {QStringLiteral("Zoom in"), QStringLiteral("Ampliar")},
        {QStringLiteral("Zoom out"), QStringLiteral("Reducir")},
        {QStringLiteral("Portrait"), QStringLiteral("Vertical")},
        {QStringLiteral("Landscape"), QStringLiteral("Horizontal")},
        {QStringLiteral("Show single page"), QStringLiteral("Una página")},
        {QStringLiteral("Show facing pages"), QStringLiteral("Páginas enfrentadas")},
        {QStringLiteral("Show overview of all pages"), QStringLiteral("Todas las páginas")},
        {QStringLiteral("Print"), QStringLiteral("Imprimir")},
        {QStringLiteral("Page setup"), QStringLiteral("Configurar página")},
    };
    for (QToolButton *b : vista.findChildren<QToolButton *>()) {
        if (!b->defaultAction())
            continue;
        const QString texto = b->defaultAction()->text().remove(QLatin1Char('&'));
        b->setAccessibleName(nombres.value(texto, texto));
    }
    for (QLineEdit *e : vista.findChildren<QLineEdit *>())
        e->setAccessibleName(qobject_cast<QComboBox *>(e->parentWidget()) ? QStringLiteral("Zoom")
                                                                          : QStringLiteral("Página"));
}

} // namespace

VistaPreviaListado::VistaPreviaListado(ListadoImpreso listado, QWidget *padre)
    : QPrintPreviewDialog(padre), listado_(std::move(listado))
{
    setWindowTitle(QStringLiteral("Vista previa: ") + listado_.titulo);
    resize(1000, 740);
    QPrinter *impresora = printer();
    impresora->setDocName(listado_.titulo);
    impresora->setCreator(QString::fromUtf8("Hilván"));
    impresora->setPageSize(QPageSize(QPageSize::A4));
    PrepararPagina(*impresora, listado_.apaisado);
    // Every listing that prints can also go to a spreadsheet, from the same preview.
    if (auto *barra = findChild<QToolBar *>()) {
        barra->addSeparator();
        QAction *exportar = barra->addAction(QStringLiteral("Exportar"));
        exportar->setObjectName(QStringLiteral("Exportar"));
        exportar->setToolTip(QString::fromUtf8("Guardar el listado para una hoja de cálculo"));
        connect(exportar, &QAction::triggered, this, [this] {
            const QString ruta =
                QFileDialog::getSaveFileName(this, QString::fromUtf8("Exportar a una hoja de cálculo"),
                                             QDir::home().filePath(listado_.titulo + QStringLiteral(".csv")),
                                             QString::fromUtf8("Hoja de cálculo (*.csv)"));
            if (!ruta.isEmpty())
                ExportarA(ruta);
        });
    }
    NombrarControles(*this);
    // A touch screen without window frames has no other way out of the preview.
    if (auto *capa = qobject_cast<QBoxLayout *>(layout())) {
        auto *cerrar = Estilo::Boton(QStringLiteral("Cerrar"), this);
        cerrar->setObjectName(QStringLiteral("cmdCerrar"));
        cerrar->setAccessibleName(cerrar->text());
        connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
        auto *abajo = new QHBoxLayout;
        abajo->setContentsMargins(10, 8, 10, 10);
        abajo->addStretch();
        abajo->addWidget(cerrar);
        capa->addLayout(abajo);
    }
    // Called for the preview and again for the printer or PDF file the user chose.
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) {
        fallo = !DibujarListado(*p, listado_) || p->printerState() == QPrinter::Error;
    });
}

void VistaPreviaListado::ExportarA(const QString &ruta)
{
    const QString error = ExportarListadoCsv(listado_, ruta);
    Dlg().Mensaje(error.isEmpty() ? QStringLiteral("Listado exportado a ") + ruta : error);
}

SalidaListados::Resultado SalidaListadosImpresora::Imprimir(const ListadoImpreso &listado)
{
    VistaPreviaListado vista(listado, padre_ ? padre_ : QApplication::activeWindow());
    if (vista.exec() != QDialog::Accepted)
        return Resultado::Cancelado;
    return vista.fallo ? Resultado::Fallo : Resultado::Impreso;
}
