#include "SalidaListadosImpresora.h"

#include "printing/ImprimirListado.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinter>

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
    // Called for the preview and again for the printer or PDF file the user chose.
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) {
        fallo = !DibujarListado(*p, listado_) || p->printerState() == QPrinter::Error;
    });
}

SalidaListados::Resultado SalidaListadosImpresora::Imprimir(const ListadoImpreso &listado)
{
    VistaPreviaListado vista(listado, padre_ ? padre_ : QApplication::activeWindow());
    if (vista.exec() != QDialog::Accepted)
        return Resultado::Cancelado;
    return vista.fallo ? Resultado::Fallo : Resultado::Impreso;
}
