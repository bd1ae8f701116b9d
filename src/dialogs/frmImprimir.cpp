#include "frmImprimir.h"

#include "core/Dialogos.h"
#include "core/Formato.h"

frmImprimir::frmImprimir() : Selector(QStringLiteral("Imprimir"), false)
{
    AceptarAlTocar = true;
}

void frmImprimir::CargarFormulario(const QString &ref, bool reimpresion, int porDefecto, int &eleccion)
{
    Caption =
        (reimpresion ? QStringLiteral("Imprimir de nuevo, Ref. ") : QStringLiteral("Imprimir, Ref. ")) + ref;
    gridTrabajadores.Dimensionar(1, 2);
    gridTrabajadores.SetColWidth(0, 1);
    gridTrabajadores.SetColWidth(1, 6015);
    gridTrabajadores.SetTextMatrix(0, 1, QStringLiteral("Imprimir"));
    gridTrabajadores.AgregarFila({QString::number(ImprimirTodo), QStringLiteral("Todo")});
    gridTrabajadores.AgregarFila({QString::number(ImprimirCliente), QStringLiteral("Solo el del cliente")});
    gridTrabajadores.AgregarFila({QString::number(ImprimirNada), QStringLiteral("Nada")});
    ColorearGrid(gridTrabajadores);
    gridTrabajadores.Col = 1;
    gridTrabajadores.Row = 1;
    HacerActual(QString::number(porDefecto));
    eleccion_ = ImprimirNada;
    Mostrar();
    eleccion = eleccion_;
}

void frmImprimir::cmdAceptar_Click()
{
    if (HayFilaActual())
        eleccion_ = int(Val(TextoFilaActual(0)));
    Descargar();
}
