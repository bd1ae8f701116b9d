#include "frmListaClientes.h"

#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

int frmListaClientes::CargarFormulario(const std::function<void()> &mostrar)
{
    // Reopened, the list is as it was left: the search text and the rows it found.
    DarTamanosGrid();
    LlenarClientes(txtNombre);
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
    return IdClienteElegido;
}

void frmListaClientes::DarTamanosGrid()
{
    gridClientes = Grid(2, 4);
    gridClientes.SetTextMatrix(0, 1, QStringLiteral("Nombre"));
    gridClientes.SetTextMatrix(0, 2, QStringLiteral("Deudas"));
    gridClientes.SetTextMatrix(0, 3, QStringLiteral("Telefono"));
    gridClientes.SetColWidth(0, 0);
    gridClientes.SetColWidth(1, 7140);
    gridClientes.SetColWidth(2, 0);
    gridClientes.SetColWidth(3, 2130);
}

QString frmListaClientes::SqlClientes(const QString &texto)
{
    return QStringLiteral(
               "SELECT clientes.estienda, clientes.IdCliente , clientes.Nombre, clientes.Telefono FROM "
               "clientes where clientes.nombre like ")
           + PatronContiene(texto) + QStringLiteral(" ORDER BY clientes.nombre collate espanol");
}

void frmListaClientes::LlenarClientes(const QString &texto)
{
    // A search refused when it was typed finds nobody when the list opens again.
    if (!MotivoTextoNoAdmitido(texto, {}).isEmpty()) {
        gridClientes.SetRows(1);
        return;
    }
    Recordset rs = AbrirRecordset(SqlClientes(texto));
    int r = 1;
    while (!rs.EOF_()) {
        gridClientes.SetTextMatrix(r, 0, NuloABlanco(rs.Campo(QStringLiteral("Idcliente"))));
        const QString nombre = NuloABlanco(rs.Campo(QStringLiteral("nombre")));
        const bool tienda = Val(NuloACero(rs.Campo(QStringLiteral("estienda")))) == 1;
        gridClientes.SetTextMatrix(r, 1, tienda ? QStringLiteral("(*)") + nombre : nombre);
        gridClientes.SetTextMatrix(r, 3, NuloABlanco(rs.Campo(QStringLiteral("telefono"))));
        gridClientes.SetRows(gridClientes.Rows() + 1);
        ++r;
        rs.MoveNext();
    }
    gridClientes.SetRows(gridClientes.Rows() - 1);
    ColorearGrid(gridClientes);
    gridClientes.Row = gridClientes.Rows() > 1 ? 1 : 0;
}

void frmListaClientes::cmdBuscar_Click()
{
    if (!TextoTecleado(txtNombre, QStringLiteral("Nombre")))
        return;
    DarTamanosGrid();
    LlenarClientes(txtNombre);
    ColorearGrid(gridClientes);
}

void frmListaClientes::gridClientes_Click(int fila)
{
    if (fila < 1 || fila >= gridClientes.Rows())
        return;
    gridClientes.Row = fila;
    IdClienteElegido = int(Val(gridClientes.TextMatrix(fila, 0)));
}

void frmListaClientes::gridClientes_DblClick(int fila)
{
    if (fila < 1 || fila >= gridClientes.Rows())
        return;
    gridClientes.Row = fila;
    const int id = int(Val(gridClientes.TextMatrix(fila, 0)));
    if (id == 0)
        return;
    if (G().pantallas)
        G().pantallas->FichaCliente(QString(), id);
    DarTamanosGrid();
    LlenarClientes(txtNombre);
}

void frmListaClientes::cmdNuevo_Click()
{
    IdClienteElegido = 0;
    if (G().pantallas)
        G().pantallas->FichaCliente(QString(), 0);
    // The whole list again, so that the new customer is in it.
    txtNombre.clear();
    DarTamanosGrid();
    LlenarClientes(txtNombre);
}
