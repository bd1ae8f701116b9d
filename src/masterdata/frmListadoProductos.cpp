#include "frmListadoProductos.h"

#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "printing/ImprimirListado.h"

void frmListadoProductos::CargarFormulario(const std::function<void()> &mostrar)
{
    DarTamanosGrid();
    LlenarProductos(0);
    ColorearGrid(gridProductos);
    gridProductos.Col = 0;
    gridProductos.Row = 0;
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmListadoProductos::DarTamanosGrid()
{
    gridProductos = Grid(2, 6);
    const char *cabeceras[] = {"", "Familia", "Arreglo", "PVP", "Tienda", "Trabaj"};
    const int anchos[] = {0, 2430, 6255, 1170, 1170, 1170};
    for (int c = 0; c < 6; ++c) {
        gridProductos.SetTextMatrix(0, c, QString::fromLatin1(cabeceras[c]));
        gridProductos.SetColWidth(c, anchos[c]);
    }
    for (int c = 3; c <= 5; ++c)
        gridProductos.SetColAlignment(c, Alineacion::Derecha);
}

QString frmListadoProductos::SqlProductos(int idfamilia)
{
    return QStringLiteral("SELECT Productos.precio3, Productos.IdProducto, Familias.Nombre AS familia,     "
                          "Productos.Nombre, Productos.Precio1, Productos.activo,     Productos.Precio2 FROM "
                          "Productos INNER JOIN     Familias ON Productos.IdFamilia = Familias.idFamilia ")
           + (idfamilia != 0 ? QStringLiteral(" where familias.idfamilia = ") + QString::number(idfamilia)
                             : QString())
           + QStringLiteral(" ORDER BY familias.nombre, productos.nombre");
}

void frmListadoProductos::LlenarProductos(int idfamilia)
{
    Recordset rs = AbrirRecordset(SqlProductos(idfamilia));
    int r = 1;
    for (; !rs.EOF_(); rs.MoveNext(), ++r) {
        const bool retirado = Val(NuloACero(rs.Campo(QStringLiteral("activo")))) != 0;
        const QString nombre = NuloABlanco(rs.Campo(QStringLiteral("nombre"))).trimmed();
        gridProductos.SetTextMatrix(r, 0, NuloABlanco(rs.Campo(QStringLiteral("IdProducto"))));
        gridProductos.SetTextMatrix(r, 1, NuloABlanco(rs.Campo(QStringLiteral("familia"))).trimmed());
        gridProductos.SetTextMatrix(r, 2, retirado ? QStringLiteral("*") + nombre : nombre);
        gridProductos.SetTextMatrix(r, 3, FormatoImporte(rs.Campo(QStringLiteral("Precio1"))));
        gridProductos.SetTextMatrix(r, 4, FormatoImporte(rs.Campo(QStringLiteral("Precio2"))));
        gridProductos.SetTextMatrix(r, 5, FormatoImporte(rs.Campo(QStringLiteral("precio3"))));
        gridProductos.SetRows(gridProductos.Rows() + 1);
    }
    gridProductos.SetRows(gridProductos.Rows() - 1);
}

void frmListadoProductos::gridProductos_Click(int fila)
{
    if (fila >= 1 && fila < gridProductos.Rows())
        gridProductos.Row = fila;
}

void frmListadoProductos::cmdModificar_Click()
{
    const int fila = gridProductos.Row;
    const QString id = gridProductos.TextMatrix(fila, 0);
    if (fila < 1 || id.isEmpty())
        return;
    if (G().pantallas)
        G().pantallas->MantProductos(int(Val(id)));
    DarTamanosGrid();
    LlenarProductos(0);
    ColorearGrid(gridProductos);
    // Back on the same row, so that staff can go on down the list.
    gridProductos.Row = fila < gridProductos.Rows() ? fila : gridProductos.Rows() - 1;
    gridProductos.Col = 1;
}

void frmListadoProductos::cmdImprimirLista_Click()
{
    if (gridProductos.Rows() >= 2)
        ImprimirListado(gridProductos, QStringLiteral("Listado"), false);
}
