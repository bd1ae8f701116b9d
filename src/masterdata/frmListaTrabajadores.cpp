#include "frmListaTrabajadores.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"

void frmListaTrabajadores::CargarFormulario(const std::function<void()> &mostrar)
{
    LlenarFamilias();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmListaTrabajadores::LlenarFamilias()
{
    const int actual = gridFamilias.Row;
    gridFamilias = Grid(1, 2);
    gridFamilias.SetTextMatrix(0, 1, QStringLiteral("Trabajador"));
    gridFamilias.SetColWidth(0, 0);
    gridFamilias.SetColWidth(1, 4065);
    Recordset rs = AbrirRecordset(QStringLiteral("select * from costureras order by nombre"));
    for (; !rs.EOF_(); rs.MoveNext()) {
        const bool desactivado = Val(NuloACero(rs.Campo(QStringLiteral("desactivado")))) == 1;
        const QString nombre = NuloABlanco(rs.Campo(QStringLiteral("nombre")));
        gridFamilias.AgregarFila({TextoDeValor(rs.Campo(QStringLiteral("idcosturera"))),
                                  desactivado ? QStringLiteral("*") + nombre : nombre});
    }
    ColorearGrid(gridFamilias);
    gridFamilias.Row =
        actual >= 1 && actual < gridFamilias.Rows() ? actual : (gridFamilias.Rows() > 1 ? 1 : 0);
    gridFamilias.Col = 1;
}

void frmListaTrabajadores::gridFamilias_Click(int fila)
{
    if (fila >= 1 && fila < gridFamilias.Rows())
        gridFamilias.Row = fila;
}

void frmListaTrabajadores::cmdNuevo_Click()
{
    if (G().pantallas)
        G().pantallas->NuevoTrabajador(0);
    LlenarFamilias();
}

void frmListaTrabajadores::cmdEditarFamilia_Click()
{
    // An empty list has no worker to edit.
    const int id = int(Val(gridFamilias.TextMatrix(gridFamilias.Row, 0)));
    if (gridFamilias.Row < 1 || id == 0)
        return;
    if (G().pantallas)
        G().pantallas->NuevoTrabajador(id);
    LlenarFamilias();
}
