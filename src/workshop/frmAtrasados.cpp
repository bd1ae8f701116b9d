#include "frmAtrasados.h"

#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "printing/ImprimirListado.h"

QString frmAtrasados::SqlAtrasados(int dias)
{
    // The database's clock stands in for Now(); the order by gives every backend the order of
    // the grouping.
    return QStringLiteral(
               "SELECT clientes.Nombre, clientes.Telefono, arreglos.IdArreglo, "
               "DateDiff('d',arreglos.fechaprevistaentrega,Now()) AS dias_atraso, "
               "arreglos.fechaprevistaentrega, Sum(arreglos_detalles.precio) AS precio FROM (arreglos INNER "
               "JOIN arreglos_detalles ON arreglos.IdArreglo = arreglos_detalles.idArreglo) INNER JOIN "
               "clientes ON arreglos.idcliente = clientes.IdCliente WHERE "
               "(((DateDiff('d',[arreglos].[fechaprevistaentrega],Now()))>=")
           + QString::number(dias)
           + QStringLiteral(
               ")) and arreglos.entregadoacliente is null GROUP BY clientes.Nombre, clientes.Telefono, "
               "arreglos.IdArreglo, DateDiff('d',arreglos.fechaprevistaentrega,Now()), "
               "arreglos.fechaprevistaentrega ORDER BY clientes.Nombre, clientes.Telefono, "
               "arreglos.IdArreglo");
}

ArregloParaVenta frmAtrasados::CargarFormulario(const std::function<void()> &mostrar)
{
    ArregloACargar = {};
    cmbMeses.Clear();
    for (int d = 0; d <= 600; d += 15)
        cmbMeses.AddItem(QString::number(d), d);
    cmbMeses.Elegir(1);
    lblViendo = QStringLiteral("Lista de arreglos atrasados");
    BuscarAtrasados(15);
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
    return ArregloACargar;
}

void frmAtrasados::DarTamanosGrid()
{
    gridAtrasados = Grid(1, 5);
    const QString cabeceras[] = {QStringLiteral("Arreglo"), QStringLiteral("Fecha"), QStringLiteral("Dias"),
                                 QStringLiteral("Importe"), QStringLiteral("Cliente")};
    const int anchos[] = {1575, 1680, 1065, 1470, 6165};
    for (int c = 0; c < 5; ++c) {
        gridAtrasados.SetTextMatrix(0, c, cabeceras[c]);
        gridAtrasados.SetColWidth(c, anchos[c]);
    }
    gridAtrasados.SetColAlignment(ColDias, Alineacion::Derecha);
    gridAtrasados.SetColAlignment(ColImporte, Alineacion::Derecha);
}

void frmAtrasados::BuscarAtrasados(int dias)
{
    DarTamanosGrid();
    Recordset rs = AbrirRecordset(SqlAtrasados(dias));
    for (; !rs.EOF_(); rs.MoveNext())
        gridAtrasados.AgregarFila(
            {NuloABlanco(rs.Campo(QStringLiteral("IdArreglo"))),
             FormatoFecha(rs.Campo(QStringLiteral("fechaprevistaentrega")), QStringLiteral("dd/MM/yy")),
             NuloACero(rs.Campo(QStringLiteral("dias_atraso"))),
             FormatoImporte(rs.Campo(QStringLiteral("precio"))),
             NuloABlanco(rs.Campo(QStringLiteral("Nombre"))) + QLatin1Char(' ')
                 + NuloABlanco(rs.Campo(QStringLiteral("Telefono")))});
    ColorearGrid(gridAtrasados);
    gridAtrasados.Row = gridAtrasados.Rows() > 1 ? 1 : 0;
}

void frmAtrasados::gridAtrasados_Click(int fila)
{
    if (fila >= 1 && fila < gridAtrasados.Rows())
        gridAtrasados.Row = fila;
}

void frmAtrasados::gridAtrasados_DblClick(int fila)
{
    if (fila < 1 || fila >= gridAtrasados.Rows() || gridAtrasados.TextMatrix(fila, ColArreglo).isEmpty())
        return;
    gridAtrasados.Row = fila;
    ArregloACargar = {int(Val(gridAtrasados.TextMatrix(fila, ColArreglo)))};
    Abierto = false;
}

void frmAtrasados::cmdVer_Click()
{
    // The combo takes typed text: only a whole number of days searches.
    const QString texto = cmbMeses.Text.trimmed();
    bool ok = false;
    const int dias = texto.toInt(&ok);
    if (!ok || dias < 0) {
        Dlg().Mensaje(QString::fromUtf8("Escriba un número de días (0 o más)."));
        return;
    }
    BuscarAtrasados(dias);
}

void frmAtrasados::cmdImprimir_Click()
{
    ImprimirListado(gridAtrasados, QStringLiteral("Arreglos atrasados"), false);
}
