#include "frmListaClientes.h"

#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

#include <array>
#include <memory>

int frmListaClientes::CargarFormulario(const std::function<void()> &mostrar)
{
    // Reopened, the list is as it was left: the search text and the rows it found.
    DarTamanosGrid();
    LlenarClientes(txtNombre);
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
    lista_.Dejar();
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
    // An empty search is every customer with a name, without matching each name to "%%".
    return QStringLiteral(
               "SELECT clientes.estienda, clientes.IdCliente , clientes.Nombre, clientes.Telefono FROM "
               "clientes where clientes.nombre ")
           + (texto.isEmpty() ? QStringLiteral("is not null")
                              : QStringLiteral("like ") + PatronContiene(texto))
           + QStringLiteral(" ORDER BY clientes.nombre collate espanol");
}

void frmListaClientes::LlenarClientes(const QString &texto)
{
    lista_.Dejar();
    gridClientes.SetRows(1);
    // A search refused when it was typed finds nobody when the list opens again.
    if (!MotivoTextoNoAdmitido(texto, {}).isEmpty())
        return;
    auto campos = std::make_shared<std::array<int, 4>>();
    campos->fill(-2);
    lista_.Empezar(SqlClientes(texto), FilasPrimeraParte,
                   [this, campos](const FilaLeida &q) {
                       std::array<int, 4> &c = *campos;
                       if (c[0] == -2)
                           c = {q.Indice(QStringLiteral("Idcliente")), q.Indice(QStringLiteral("nombre")),
                                q.Indice(QStringLiteral("estienda")), q.Indice(QStringLiteral("telefono"))};
                       Grid &g = gridClientes;
                       const int r = g.AgregarFila();
                       g.SetTextMatrix(r, 0, q.Texto(c[0]));
                       const QString nombre = q.Texto(c[1]);
                       g.SetTextMatrix(r, 1,
                                       Val(NuloACero(q.Valor(c[2]))) == 1 ? QStringLiteral("(*)") + nombre
                                                                          : nombre);
                       g.SetTextMatrix(r, 3, q.Texto(c[3]));
                       g.PintarFila(r, 1, r % 2 == 1 ? ColorFilaImpar : ColorFilaPar);
                   },
                   {});
    gridClientes.Row = gridClientes.Rows() > 1 ? 1 : 0;
}

void frmListaClientes::cmdBuscar_Click()
{
    if (!TextoTecleado(txtNombre, QStringLiteral("Nombre")))
        return;
    DarTamanosGrid();
    LlenarClientes(txtNombre);
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
    lista_.Dejar(); // the card reads the database; the list is read again after it
    if (G().pantallas)
        G().pantallas->FichaCliente(QString(), id);
    DarTamanosGrid();
    LlenarClientes(txtNombre);
}

void frmListaClientes::cmdNuevo_Click()
{
    IdClienteElegido = 0;
    lista_.Dejar();
    if (G().pantallas)
        G().pantallas->FichaCliente(QString(), 0);
    // The whole list again, so that the new customer is in it.
    txtNombre.clear();
    DarTamanosGrid();
    LlenarClientes(txtNombre);
}
