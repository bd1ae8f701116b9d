#include "SalidaListadosImpresora.h"

#include "printing/ImprimirListado.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

SalidaListados::Resultado SalidaListadosImpresora::Imprimir(const ListadoImpreso &listado)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(listado.titulo);
    impresora.setCreator(QString::fromUtf8("Hilván"));
    PrepararPagina(impresora, listado.apaisado);

    QPrintPreviewDialog vista(&impresora, padre_ ? padre_ : QApplication::activeWindow());
    vista.setWindowTitle(QStringLiteral("Vista previa: ") + listado.titulo);
    vista.resize(1000, 740);
    bool fallo = false;
    // Called for the preview and again for the printer or PDF file the user chose.
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista, [&](QPrinter *p) {
        fallo = !DibujarListado(*p, listado) || p->printerState() == QPrinter::Error;
    });
    if (vista.exec() != QDialog::Accepted)
        return Resultado::Cancelado;
    return fallo ? Resultado::Fallo : Resultado::Impreso;
}
