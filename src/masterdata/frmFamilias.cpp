#include "frmFamilias.h"

#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"

void frmFamilias::CargarFormulario(const std::function<void()> &mostrar)
{
    LlenarFamilias();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmFamilias::LlenarFamilias()
{
    const int actual = gridFamilias.Row;
    gridFamilias = Grid(2, 2);
    gridFamilias.SetTextMatrix(0, 1, QStringLiteral("Tipo prenda"));
    gridFamilias.SetColWidth(0, 0);
    gridFamilias.SetColWidth(1, 4065);
    Recordset rs = AbrirRecordset(QStringLiteral("select * from familias order by nombre"));
    int r = 1;
    for (; !rs.EOF_(); rs.MoveNext(), ++r) {
        gridFamilias.SetTextMatrix(r, 0, NuloABlanco(rs.Campo(QStringLiteral("idfamilia"))));
        gridFamilias.SetTextMatrix(r, 1, NuloABlanco(rs.Campo(QStringLiteral("nombre"))));
        gridFamilias.SetRows(gridFamilias.Rows() + 1);
    }
    gridFamilias.SetRows(gridFamilias.Rows() - 1);
    ColorearGrid(gridFamilias);
    gridFamilias.Row =
        actual >= 1 && actual < gridFamilias.Rows() ? actual : (gridFamilias.Rows() > 1 ? 1 : 0);
    gridFamilias.Col = 1;
}

void frmFamilias::cmdNuevo_Click()
{
    if (G().pantallas)
        G().pantallas->NuevaFamilia(0);
    LlenarFamilias();
}

void frmFamilias::cmdEditarFamilia_Click()
{
    const int id = int(Val(gridFamilias.TextMatrix(gridFamilias.Row, 0)));
    if (id == 0 || gridFamilias.Row < 1)
        return;
    if (G().pantallas)
        G().pantallas->NuevaFamilia(id);
    LlenarFamilias();
}
