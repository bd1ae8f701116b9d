#include "frmListaCierres.h"

#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"

QString frmListaCierres::SqlCierres()
{
    return QStringLiteral(
        "SELECT SUM(importe) AS total, nombrecierre From caja GROUP BY nombrecierre order by "
        "nombrecierre desc");
}

void frmListaCierres::CargarFormulario(const std::function<void()> &mostrar)
{
    Llenar();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmListaCierres::Llenar()
{
    gridCierres = Grid(1, 2);
    gridCierres.SetTextMatrix(0, 0, QStringLiteral("Cierre"));
    gridCierres.SetTextMatrix(0, 1, QStringLiteral("Importe"));
    gridCierres.SetColWidth(0, 2400);
    gridCierres.SetColWidth(1, 2100);
    gridCierres.SetColAlignment(1, Alineacion::Derecha);
    Recordset rs = AbrirRecordset(SqlCierres());
    for (; !rs.EOF_(); rs.MoveNext())
        gridCierres.AgregarFila({NuloABlanco(rs.Campo(QStringLiteral("nombrecierre"))),
                                 FormatoImporte(Val(NuloACero(rs.Campo(QStringLiteral("total")))))});
    ColorearGrid(gridCierres);
    gridCierres.Row = gridCierres.Rows() > 1 ? 1 : 0;
}

void frmListaCierres::gridCierres_Click(int fila)
{
    if (fila >= 1 && fila < gridCierres.Rows())
        gridCierres.Row = fila;
}

void frmListaCierres::cmdVerDetalle_Click()
{
    if (gridCierres.Row < 1)
        return;
    const QString cierre = gridCierres.TextMatrix(gridCierres.Row, 0);
    if (!cierre.isEmpty() && G().pantallas)
        G().pantallas->HojaVentaDeCaja(cierre);
}
