#include "frmListaArreglosCliente.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"

void frmListaArreglosCliente::CargarFormulario(int idcliente, const std::function<void()> &mostrar)
{
    DarTamanosGrid();
    LlenarGrid(idcliente);
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmListaArreglosCliente::DarTamanosGrid()
{
    gridListaArreglos = Grid(1, 6);
    const char *cabeceras[] = {"Ref.", "Prenda", "Precio", "Recib.", "Entreg.", ""};
    const int anchos[] = {1140, 5955, 1560, 1560, 1560, 1};
    for (int c = 0; c < 6; ++c) {
        gridListaArreglos.SetTextMatrix(0, c, QString::fromLatin1(cabeceras[c]));
        gridListaArreglos.SetColWidth(c, anchos[c]);
    }
    gridListaArreglos.SetColAlignment(2, Alineacion::Derecha);
    gridListaArreglos.SetColAlignment(3, Alineacion::Centro);
    gridListaArreglos.SetColAlignment(4, Alineacion::Centro);
}

QString frmListaArreglosCliente::SqlArreglos(int idcliente)
{
    return QStringLiteral(
               "SELECT DISTINCT     (arreglos_detalles.referenciaPrenda),     clientes.Nombre AS "
               "nombrecliente, "
               "    "
               "arreglos_detalles.Nombreprenda,     arreglos_detalles.fechaentrega, arreglos.fechaarreglo,   "
               "  "
               "arreglos_detalles.listoparaentrega,     SUM(arreglos_detalles.precio) AS suma, "
               "arreglos.IdArreglo,     "
               "arreglos.fecharealentrega, arreglos.fechaprevistaentrega,     clientes.IdCliente , "
               "Arreglos.entregado "
               "FROM clientes INNER JOIN     arreglos ON     clientes.IdCliente = arreglos.idcliente INNER "
               "JOIN "
               "    "
               "arreglos_detalles ON     Arreglos.IdArreglo = arreglos_detalles.IdArreglo  Where "
               "clientes.idcliente = ")
           + QString::number(idcliente)
           + QStringLiteral(
               "  GROUP BY arreglos.fechaarreglo, arreglos_detalles.idarreglo,     "
               "arreglos_detalles.referenciaPrenda, "
               "clientes.Nombre,     arreglos_detalles.Nombreprenda,     arreglos_detalles.fechaentrega, "
               "arreglos.fechaarreglo,     arreglos_detalles.listoparaentrega, arreglos.IdArreglo,     "
               "arreglos.fecharealentrega, arreglos.fechaprevistaentrega,  clientes.IdCliente , "
               "Arreglos.entregado "
               "ORDER BY arreglos.idarreglo DESC, arreglos_detalles.referenciaPrenda");
}

void frmListaArreglosCliente::LlenarGrid(int idcliente)
{
    Recordset rs = AbrirRecordset(SqlArreglos(idcliente));
    for (; !rs.EOF_(); rs.MoveNext()) {
        QString prenda = NuloABlanco(rs.Campo(QStringLiteral("nombreprenda"))).trimmed();
        prenda.remove(QStringLiteral("--"));
        gridListaArreglos.AgregarFila(
            {NuloABlanco(rs.Campo(QStringLiteral("referenciaprenda"))).trimmed(), prenda.trimmed(),
             FormatoImporte(rs.Campo(QStringLiteral("suma"))),
             FormatoFecha(rs.Campo(QStringLiteral("fechaarreglo")), QStringLiteral("dd/MM/yy")),
             FormatoFecha(rs.Campo(QStringLiteral("fechaprevistaentrega")), QStringLiteral("dd/MM/yy")),
             TextoDeValor(rs.Campo(QStringLiteral("idarreglo")))});
    }
    ColorearGrid(gridListaArreglos);
    gridListaArreglos.Row = gridListaArreglos.Rows() > 1 ? 1 : 0;
}

void frmListaArreglosCliente::gridListaArreglos_DblClick(int fila)
{
    if (fila < 1 || fila >= gridListaArreglos.Rows())
        return;
    gridListaArreglos.Row = fila;
    const int idarreglo = int(Val(gridListaArreglos.TextMatrix(fila, 5)));
    if (idarreglo != 0 && G().pantallas)
        G().pantallas->ListaPrendas(idarreglo);
}
