#include "Listados.h"

#include "core/Conexion.h"
#include "core/Formato.h"
#include "workshop/frmAsigancion.h"

#include <QDate>

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

// frmPendientesPorTrabajador.LlenarLista: 999 is every worker.
QString SqlPendientesPorTrabajador(int costurera)
{
    QString sql = QStringLiteral(
        "SELECT DISTINCT arreglos_detalles.fechaasignaciontrabajador, arreglos.IdArreglo, "
        "arreglos.fechaarreglo, arreglos.fechaprevistaentrega, arreglos_detalles.referenciaPrenda, "
        "arreglos_detalles.Nombreprenda, arreglos_detalles.listoparaentrega, costureras.Nombre as "
        "nombrecosturera FROM (arreglos INNER JOIN arreglos_detalles ON arreglos.IdArreglo = "
        "arreglos_detalles.idArreglo) LEFT JOIN costureras ON arreglos_detalles.IdCosturera = "
        "costureras.idCosturera Where (((arreglos_detalles.listoparaentrega) <> 1 Or "
        "(arreglos_detalles.listoparaentrega) Is Null) And ((costureras.Nombre) Is Not Null)) ORDER BY "
        "arreglos.IdArreglo");
    if (costurera != 999) {
        sql.chop(QStringLiteral(" ORDER BY arreglos.IdArreglo").size());
        sql += QStringLiteral(" and costureras.idcosturera = ") + N(costurera)
               + QStringLiteral(" ORDER BY arreglos.IdArreglo");
    }
    return sql;
}

// frmAtrasados.BuscarAtrasados(dias).
QString SqlAtrasados(int dias)
{
    return QStringLiteral(
               "SELECT clientes.Nombre, clientes.Telefono, arreglos.IdArreglo, "
               "DateDiff('d',arreglos.fechaprevistaentrega,Now()) AS dias_atraso, "
               "arreglos.fechaprevistaentrega, Sum(arreglos_detalles.precio) AS precio FROM (arreglos INNER "
               "JOIN arreglos_detalles ON arreglos.IdArreglo = arreglos_detalles.idArreglo) INNER JOIN "
               "clientes ON arreglos.idcliente = clientes.IdCliente WHERE "
               "(((DateDiff('d',[arreglos].[fechaprevistaentrega],Now()))>=")
           + N(dias)
           + QStringLiteral(
               ")) and arreglos.entregadoacliente is null GROUP BY clientes.Nombre, clientes.Telefono, "
               "arreglos.IdArreglo, DateDiff('d',arreglos.fechaprevistaentrega,Now()), "
               "arreglos.fechaprevistaentrega");
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

// frmHojaVenta.CargarFormulario: the day's movements, then its opening float.
QString SqlHojaVenta(const QString &cierre, bool inicio)
{
    return QStringLiteral("SELECT caja.importe, caja.concepto, caja.fecha, caja.nombrecierre,     "
                          "formaspago.Nombre FROM caja LEFT OUTER JOIN     formaspago ON caja.Formapago = "
                          "formaspago.idformapago where nombrecierre = ")
           + ComillasSQL(cierre)
           + (inicio ? QStringLiteral("  and caja.concepto = 'Inicio caja'  order by idmovimiento desc")
                     : QStringLiteral("  and caja.concepto <> 'Inicio caja'  order by idmovimiento desc"));
}

QString SqlListaCierres()
{
    return QStringLiteral("SELECT SUM(importe) AS total, nombrecierre From caja GROUP BY nombrecierre order "
                          "by nombrecierre desc");
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
    p.ultimoArreglo = Primero(c, QStringLiteral("select max(idarreglo) as m from arreglos"));
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
        {QStringLiteral("Asignación: no asignados"), 200, {frmAsigancion::SqlListaArreglos(250)}},
        {QStringLiteral("Asignación: todos (top 5000000)"), 2000, {frmAsigancion::SqlListaArreglos(5000000)}},
        {QStringLiteral("Asignación: todos, primera página de la pantalla"),
         200,
         {frmAsigancion::SqlListaArreglos(5000000, p.ultimoArreglo - frmAsigancion::OrdenesPrimeraPagina,
                                          p.ultimoArreglo)}},
        {QStringLiteral("Asignación: pendiente por trabajador") + una,
         200,
         {frmAsigancion::SqlArreglosPorTrabajador(p.costurera, true)}},
        {QStringLiteral("Asignación: histórico por trabajador") + una + QStringLiteral(", sin límite"),
         2000,
         {frmAsigancion::SqlArreglosPorTrabajador(p.costurera, false)}},
        {QStringLiteral("Pendientes por trabajador: Todos"), 200, {SqlPendientesPorTrabajador(999)}},
        {QStringLiteral("Pendientes por trabajador") + una, 200, {SqlPendientesPorTrabajador(p.costurera)}},
        {QStringLiteral("Arreglos atrasados (") + N(p.diasAtraso) + QStringLiteral(" días)"),
         200,
         {SqlAtrasados(p.diasAtraso)}},
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
         {SqlHojaVenta(p.cierre, false), SqlHojaVenta(p.cierre, true)}},
        {QStringLiteral("Histórico de cajas"), 200, {SqlListaCierres()}},
        {QStringLiteral("Lista de clientes: búsqueda vacía"), 200, {SqlListaClientes(QString())}},
        {QStringLiteral("Lista de clientes: \"") + p.busqueda + QLatin1Char('"'),
         200,
         {SqlListaClientes(p.busqueda)}},
        {QStringLiteral("Arreglos del cliente (") + N(p.clienteArreglos) + QStringLiteral(" arreglos)"),
         200,
         {SqlArreglosCliente(p.cliente)}},
    };
}
