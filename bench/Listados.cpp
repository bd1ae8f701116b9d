#include "Listados.h"

#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "core/Conexion.h"
#include "core/Formato.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QDate>

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

// frmAsigancion.LlenarListaArreglos(cuantos): the garments not assigned, or the first
// `cuantos` of all of them.
QString SqlListaArreglos(int cuantos)
{
    const QString cola = QStringLiteral(
        " arreglos.fechaarreglo, usuarios.Nombre,      arreglos_detalles.Nombreprenda, clientes.Nombre,    "
        "clientes.Telefono, costureras.Nombre,     arreglos.fechaprevistaentrega, arreglos.fecharealentrega, "
        "    arreglos_detalles.fechaentrega, clientes.estienda,   clientes.nombre,  Productos.Nombre  ORDER "
        "BY arreglos.IdArreglo DESC ");
    if (cuantos <= 20000)
        return QStringLiteral(
                   "SELECT clientes.Nombre as nombrecliente, clientes.Telefono, clientes.estienda, "
                   "arreglos.IdArreglo, arreglos.fechaarreglo, arreglos.fechaprevistaentrega, "
                   "arreglos.fecharealentrega, arreglos_detalles.referenciaPrenda, "
                   "arreglos_detalles.Nombreprenda, arreglos_detalles.fechaentrega, Productos.Nombre as "
                   "nombrearreglo, usuarios.Nombre, costureras.Nombre as nombrecosturera ,sum( "
                   "arreglos_detalles.precio) as precio FROM ((clientes INNER JOIN (arreglos INNER JOIN "
                   "(arreglos_detalles LEFT JOIN costureras ON arreglos_detalles.IdCosturera = "
                   "costureras.idCosturera) ON arreglos.IdArreglo = arreglos_detalles.idArreglo) ON "
                   "clientes.IdCliente = arreglos.idcliente) INNER JOIN usuarios ON arreglos.idUsuario = "
                   "usuarios.idUsuario) INNER JOIN Productos ON arreglos_detalles.idProducto = "
                   "Productos.IdProducto WHERE arreglos_detalles.idcosturera is null GROUP BY "
                   "arreglos_detalles.referenciaPrenda, arreglos.IdArreglo, ")
               + cola;
    return QStringLiteral("SELECT top ") + N(cuantos)
           + QStringLiteral(
               " clientes.Nombre as nombrecliente, clientes.Telefono, clientes.estienda, arreglos.IdArreglo, "
               "arreglos.fechaarreglo, arreglos.fechaprevistaentrega, arreglos.fecharealentrega, "
               "arreglos_detalles.referenciaPrenda, arreglos_detalles.Nombreprenda, "
               "arreglos_detalles.fechaentrega, Productos.Nombre as nombrearreglo, usuarios.Nombre, "
               "costureras.Nombre as nombrecosturera ,sum( arreglos_detalles.precio) as precio FROM "
               "((clientes INNER JOIN (arreglos INNER JOIN (arreglos_detalles LEFT JOIN costureras ON "
               "arreglos_detalles.IdCosturera = costureras.idCosturera) ON arreglos.IdArreglo = "
               "arreglos_detalles.idArreglo) ON clientes.IdCliente = arreglos.idcliente) INNER JOIN usuarios "
               "ON arreglos.idUsuario = usuarios.idUsuario) INNER JOIN Productos ON "
               "arreglos_detalles.idProducto = Productos.IdProducto  GROUP BY "
               "arreglos_detalles.referenciaPrenda, arreglos.IdArreglo, ")
           + cola;
}

// The assignment screen's hidden per-worker lists: pending, or the worker's whole history.
QString SqlArreglosPorTrabajador(int costurera, bool pendiente)
{
    const QString cabeza =
        QStringLiteral(
            "SELECT SUM(arreglos_detalles.precio) AS precio,     arreglos.IdArreglo, arreglos.fechaarreglo, "
            "usuarios.Nombre,     arreglos_detalles.Nombreprenda,     clientes.Nombre AS nombrecliente, "
            "clientes.Telefono,     arreglos_detalles.referenciaPrenda,     costureras.Nombre AS "
            "nombrecosturera,     arreglos.fechaprevistaentrega, arreglos.fecharealentrega,     "
            "arreglos_detalles.fechaentrega, clientes.estienda,     Productos.Nombre AS nombrearreglo FROM "
            "arreglos INNER JOIN     arreglos_detalles ON     arreglos.IdArreglo = "
            "arreglos_detalles.idArreglo INNER JOIN     clientes ON arreglos.idcliente = clientes.IdCliente "
            "INNER JOIN     Productos ON     arreglos_detalles.idProducto = Productos.IdProducto LEFT OUTER  "
            "    Join     costureras ON     arreglos_detalles.IdCosturera = costureras.idCosturera LEFT "
            "OUTER      Join ")
        + QStringLiteral(
            " usuarios ON arreglos.idUsuario = usuarios.idUsuario where arreglos_detalles.idcosturera = ")
        + N(costurera);
    if (pendiente)
        return cabeza
               + QStringLiteral(
                   " AND     (listoparaentrega IS NULL OR     LISTOPARAENTREGA = 0) GROUP BY "
                   "arreglos_detalles.referenciaPrenda, arreglos.IdArreglo,      arreglos.fechaarreglo, "
                   "usuarios.Nombre,    arreglos_detalles.Nombreprenda, clientes.Nombre,     "
                   "clientes.Telefono, costureras.Nombre,     arreglos.fechaprevistaentrega, "
                   "arreglos.fecharealentrega,     arreglos_detalles.fechaentrega, clientes.estienda,     "
                   "Productos.Nombre ORDER BY arreglos.IdArreglo DESC");
    return cabeza
           + QStringLiteral(
               " GROUP BY arreglos_detalles.referenciaPrenda, arreglos.IdArreglo,      "
               "arreglos.fechaarreglo, usuarios.Nombre,    arreglos_detalles.Nombreprenda, clientes.Nombre,  "
               "   clientes.Telefono, costureras.Nombre,     arreglos.fechaprevistaentrega, "
               "arreglos.fecharealentrega,     arreglos_detalles.fechaentrega, clientes.estienda,     "
               "Productos.Nombre ORDER BY arreglos.IdArreglo DESC");
}

// frmPagosATrabajadores.LlenarLista: 999 is every worker; state 0 all, 1 not paid, 2 paid;
// limit 0 is no limit.
QString SqlPagosATrabajadores(int costurera, int estado, int limite)
{
    const QString filtro = estado == 2 ? QStringLiteral(" pagadoatrabajador = 1 and ")
                           : estado == 1
                               ? QStringLiteral(" (pagadoatrabajador = 0 or pagadoatrabajador is null ) and ")
                               : QStringLiteral(" ");
    const QString top = limite != 0 ? QStringLiteral("top ") + N(limite) : QString();
    const QString cabeza =
        QStringLiteral("SELECT ") + top
        + QStringLiteral(" clientes.estienda, arreglos.IdArreglo, arreglos.entregadoacliente, "
                         "arreglos_detalles.idarreglodetalle, arreglos_detalles.precio, "
                         "arreglos_detalles.referenciaPrenda, arreglos_detalles.Nombreprenda, "
                         "arreglos_detalles.fechaentrega, arreglos_detalles.listoparaentrega, "
                         "arreglos_detalles.pagadoatrabajador, Productos.Nombre as nombrearreglo, "
                         "Productos.Precio1, Productos.Precio2, Productos.Precio3, costureras.Nombre FROM "
                         "(((clientes INNER JOIN arreglos ON clientes.IdCliente = arreglos.idcliente) INNER "
                         "JOIN arreglos_detalles ON arreglos.IdArreglo = arreglos_detalles.idArreglo) INNER "
                         "JOIN Productos ON arreglos_detalles.idProducto = Productos.IdProducto) INNER JOIN "
                         "costureras ON arreglos_detalles.IdCosturera = costureras.idCosturera WHERE ");
    if (costurera == 999)
        return cabeza
               + QStringLiteral(
                   " clientes.idcliente = arreglos.idcliente and (costureras.Nombre IS NOT NULL) AND ")
               + filtro
               + QStringLiteral("    (arreglos_detalles.listoparaentrega = 1) ORDER BY "
                                "arreglos_detalles.referenciaprenda DESC");
    return cabeza
           + QStringLiteral(
               " clientes.idcliente = arreglos.idcliente and  (costureras.Nombre IS NOT NULL) AND  ")
           + filtro
           + QStringLiteral("   (arreglos_detalles.listoparaentrega = 1) and costureras.idcosturera = ")
           + N(costurera) + QStringLiteral(" ORDER BY arreglos_detalles.referenciaprenda DESC");
}

// frmPagosTiendas.LlenarLista: 9999999 is every shop; month 0 is no month.
QString SqlPagosTiendas(int tienda, int ano, int mes)
{
    const QString cabeza = QStringLiteral(
        "SELECT arreglos.fecharealentrega, arreglos.IdArreglo, sum(arreglos_detalles.precio) as total, "
        "clientes.Nombre, clientes.estienda, arreglos.entregadoacliente FROM (arreglos INNER JOIN clientes "
        "ON arreglos.idcliente = clientes.IdCliente) INNER JOIN arreglos_detalles ON arreglos.IdArreglo = "
        "arreglos_detalles.idArreglo where (clientes.estienda = 1 AND entregadoacliente = 1)");
    const QString cola =
        QStringLiteral(" GROUP BY arreglos.IdArreglo, clientes.Nombre, clientes.estienda,     "
                       "Arreglos.entregadoacliente , fecharealentrega ORDER BY arreglos.idarreglo DESC");
    const QString fecha = mes != 0 ? QStringLiteral(" and year(fecharealentrega) = ") + N(ano)
                                         + QStringLiteral(" AND MONTH(FECHAREALENTREGA) = ") + N(mes)
                                   : QString();
    if (tienda == 9999999)
        return cabeza + (mes != 0 ? fecha : QStringLiteral(" ")) + cola;
    return cabeza + fecha + QStringLiteral(" AND     clientes.idcliente = ") + N(tienda) + cola;
}

// frmListaClientes.LlenarClientes.
QString SqlListaClientes(const QString &texto)
{
    return QStringLiteral("SELECT clientes.estienda, clientes.IdCliente , clientes.Nombre, clientes.Telefono "
                          "FROM clientes where clientes.nombre like ")
           + ComillasSQL(QLatin1Char('%') + texto + QLatin1Char('%'))
           + QStringLiteral(" ORDER BY clientes.nombre");
}

// frmListaArreglosCliente.LlenarGrid.
QString SqlArreglosCliente(int idcliente)
{
    return QStringLiteral(
               "SELECT DISTINCT     (arreglos_detalles.referenciaPrenda),     clientes.Nombre AS "
               "nombrecliente,     arreglos_detalles.Nombreprenda,     arreglos_detalles.fechaentrega, "
               "arreglos.fechaarreglo,     arreglos_detalles.listoparaentrega,     "
               "SUM(arreglos_detalles.precio) AS suma, arreglos.IdArreglo,     arreglos.fecharealentrega, "
               "arreglos.fechaprevistaentrega,     clientes.IdCliente , Arreglos.entregado FROM clientes "
               "INNER JOIN     arreglos ON     clientes.IdCliente = arreglos.idcliente INNER JOIN     "
               "arreglos_detalles ON     Arreglos.IdArreglo = arreglos_detalles.IdArreglo  Where "
               "clientes.idcliente = ")
           + N(idcliente)
           + QStringLiteral(
               "  GROUP BY arreglos.fechaarreglo, arreglos_detalles.idarreglo,     "
               "arreglos_detalles.referenciaPrenda, clientes.Nombre,     arreglos_detalles.Nombreprenda,     "
               "arreglos_detalles.fechaentrega, arreglos.fechaarreglo,     "
               "arreglos_detalles.listoparaentrega, arreglos.IdArreglo,     arreglos.fecharealentrega, "
               "arreglos.fechaprevistaentrega, ")
           + QStringLiteral(" clientes.IdCliente , Arreglos.entregado ORDER BY arreglos.idarreglo DESC");
}

int Primero(Conexion &c, const QString &sql, int siNo = 0)
{
    Recordset rs = c.AbrirRecordset(sql);
    return rs.HayFilas() ? rs.Campo(0).toInt() : siNo;
}

} // namespace

ParametrosListados ElegirParametros(Conexion &c)
{
    ParametrosListados p;
    p.costurera = Primero(c,
                          QStringLiteral("select idcosturera, count(*) as n from arreglos_detalles "
                                         "where idcosturera is not null and (listoparaentrega is null or "
                                         "listoparaentrega = 0) group by idcosturera order by n desc"),
                          1);
    p.tienda = Primero(
        c, QStringLiteral("select arreglos.idcliente, count(*) as n from arreglos inner join clientes "
                          "on arreglos.idcliente = clientes.idcliente where clientes.estienda = 1 "
                          "group by arreglos.idcliente order by n desc"));
    Recordset rs = c.AbrirRecordset(QStringLiteral("select idcliente, count(*) as n from arreglos group by "
                                                   "idcliente order by n desc"));
    if (rs.HayFilas()) {
        p.cliente = rs.Campo(0).toInt();
        p.clienteArreglos = rs.Campo(1).toLongLong();
    }
    Recordset cierre = c.AbrirRecordset(QStringLiteral("select max(nombrecierre) as m from caja"));
    p.cierre = cierre.Campo(0).toString();
    const QDate dia = QDate::fromString(p.cierre, QStringLiteral("yyyyMMdd"));
    const QDate mesAnterior = dia.isValid() ? dia.addMonths(-1) : QDate::currentDate().addMonths(-1);
    p.ano = mesAnterior.year();
    p.mes = mesAnterior.month();
    return p;
}

std::vector<Listado> ListadosDeLaTienda(const ParametrosListados &p)
{
    const QString una = QStringLiteral(" (costurera ") + N(p.costurera) + QLatin1Char(')');
    const QString mes = N(p.mes) + QLatin1Char('/') + N(p.ano);
    return {
        {QStringLiteral("Asignación: no asignados"), 200, {SqlListaArreglos(250)}},
        {QStringLiteral("Asignación: todos (top 5000000)"), 2000, {SqlListaArreglos(5000000)}},
        {QStringLiteral("Asignación: pendiente por trabajador") + una,
         200,
         {SqlArreglosPorTrabajador(p.costurera, true)}},
        {QStringLiteral("Asignación: histórico por trabajador") + una + QStringLiteral(", sin límite"),
         2000,
         {SqlArreglosPorTrabajador(p.costurera, false)}},
        {QStringLiteral("Pendientes por trabajador: Todos"), 200, {frmPendientesPorTrabajador::SqlPendientes(999)}},
        {QStringLiteral("Pendientes por trabajador") + una, 200, {frmPendientesPorTrabajador::SqlPendientes(p.costurera)}},
        {QStringLiteral("Arreglos atrasados (") + N(p.diasAtraso) + QStringLiteral(" días)"),
         200,
         {frmAtrasados::SqlAtrasados(p.diasAtraso)}},
        {QStringLiteral("Pagos a trabajadores: Ver (Todos, No pagado, 500)"),
         200,
         {SqlPagosATrabajadores(999, 1, 500)}},
        {QStringLiteral("Pagos a trabajadores: Ver (Todos, Todos, 500)"),
         200,
         {SqlPagosATrabajadores(999, 0, 500)}},
        {QStringLiteral("Pagos a trabajadores: Ver") + una + QStringLiteral(", No pagado, 500"),
         200,
         {SqlPagosATrabajadores(p.costurera, 1, 500)}},
        {QStringLiteral("Pagos a trabajadores: Todos (Todos, Todos, sin límite)"),
         2000,
         {SqlPagosATrabajadores(999, 0, 0)}},
        {QStringLiteral("Cobros a tiendas: Todos, sin mes, con lo abonado"),
         200,
         {SqlPagosTiendas(9999999, 0, 0)},
         true},
        {QStringLiteral("Cobros a tiendas: una tienda, ") + mes + QStringLiteral(", con lo abonado"),
         200,
         {SqlPagosTiendas(p.tienda, p.ano, p.mes)},
         true},
        {QStringLiteral("Hoja de venta (caja ") + p.cierre + QLatin1Char(')'),
         200,
         {frmHojaVenta::SqlMovimientos(p.cierre, false), frmHojaVenta::SqlMovimientos(p.cierre, true)}},
        {QStringLiteral("Histórico de cajas"), 200, {frmListaCierres::SqlCierres()}},
        {QStringLiteral("Lista de clientes: búsqueda vacía"), 200, {SqlListaClientes(QString())}},
        {QStringLiteral("Lista de clientes: \"") + p.busqueda + QLatin1Char('"'),
         200,
         {SqlListaClientes(p.busqueda)}},
        {QStringLiteral("Arreglos del cliente (") + N(p.clienteArreglos) + QStringLiteral(" arreglos)"),
         200,
         {SqlArreglosCliente(p.cliente)}},
    };
}
