#include "frmDetalleReferencia.h"

#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Tecleado.h"
#include "printing/TicketsArreglo.h"

void frmDetalleReferencia::CargarFormulario(const QString &referencia, const std::function<void()> &mostrar)
{
    referencia_ = referencia;
    DarTamanosGrid();
    Llenar();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmDetalleReferencia::DarTamanosGrid()
{
    gridDetalle = Grid(1, 2);
    gridDetalle.SetTextMatrix(0, 0, QStringLiteral("Detalle"));
    gridDetalle.SetTextMatrix(0, 1, QStringLiteral("Precio"));
    gridDetalle.SetColWidth(0, 6960);
    gridDetalle.SetColWidth(1, 1560);
    gridDetalle.SetColAlignment(1, Alineacion::Derecha);
}

void frmDetalleReferencia::Llenar()
{
    lblReferencia = QStringLiteral("Ref.: ") + referencia_;
    lblCliente.clear();
    lblAtendido.clear();
    if (!TextoTecleado(referencia_, QStringLiteral("Referencia")))
        return;
    Recordset rs = AbrirRecordset(
        QStringLiteral(
            "SELECT arreglos_detalles.referenciaPrenda, arreglos_detalles.Nombreprenda, clientes.Nombre as "
            "nombrecliente, clientes.Telefono, Productos.Nombre as nombrearreglo, arreglos_detalles.precio, "
            "usuarios.Nombre as nombreusuario FROM usuarios INNER JOIN (Productos INNER JOIN (clientes INNER "
            "JOIN (arreglos_detalles INNER JOIN arreglos ON arreglos_detalles.idArreglo = "
            "arreglos.IdArreglo) "
            "ON clientes.IdCliente = arreglos.idcliente) ON Productos.IdProducto = "
            "arreglos_detalles.idProducto) "
            "ON usuarios.idUsuario = arreglos.idUsuario WHERE arreglos_detalles.referenciaPrenda = ")
        + ComillasSQL(referencia_) + QStringLiteral(" ORDER BY arreglos_detalles.idarreglodetalle"));
    if (!rs.HayFilas())
        return;
    lblCliente = QStringLiteral("Cliente: ")
                 + NuloABlanco(rs.Campo(QStringLiteral("nombrecliente"))).trimmed() + QStringLiteral(" - ")
                 + NuloABlanco(rs.Campo(QStringLiteral("Telefono"))).trimmed();
    lblAtendido =
        QStringLiteral("Atendio: ") + NuloABlanco(rs.Campo(QStringLiteral("nombreusuario"))).trimmed();
    gridDetalle.AgregarFila({NuloABlanco(rs.Campo(QStringLiteral("Nombreprenda"))).trimmed()});
    for (; !rs.EOF_(); rs.MoveNext())
        gridDetalle.AgregarFila({NuloABlanco(rs.Campo(QStringLiteral("nombrearreglo"))).trimmed(),
                                 FormatoImporte(rs.Campo(QStringLiteral("precio")))});
}

void frmDetalleReferencia::cmdTicket_Click()
{
    ImprimirTicketPrenda(referencia_);
}
