#include "SalidaListadosPdf.h"

#include "ImprimirListado.h"

#include <QPageSize>
#include <QPdfWriter>

SalidaListados::Resultado SalidaListadosPdf::Imprimir(const ListadoImpreso &listado)
{
    ultimo = listado;
    QPdfWriter pdf(ruta_);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setTitle(listado.titulo);
    pdf.setCreator(QString::fromUtf8("Hilván"));
    PrepararPagina(pdf, listado.apaisado);
    if (!DibujarListado(pdf, listado))
        return Resultado::Fallo;
    ++impresos;
    return Resultado::Impreso;
}
