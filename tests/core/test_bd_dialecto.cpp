// The shop's SQL, as its screens write it, against the real engine of the run: both backends
// must give the same rows.
#include "BaseDePrueba.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"

#include <QtTest>

namespace {

QString U(const char *t)
{
    return QString::fromUtf8(t);
}

// A few customers, workers and orders around the test clock (05/12/2026 10:30).
void SembrarTienda(BaseDePrueba &b)
{
    b.Insertar("usuarios", "idusuario, nombre", {"2, 'Lucía'"});
    b.Insertar("clientes", "idcliente, nombre, telefono, estienda",
             {"1, 'Ana Pérez', '600111222', 0", "2, 'Mercería Sol', '911000000', 1",
              "3, 'Ángela D''Oro', '600333444', Null"});
    b.Insertar("familias", "idfamilia, nombre", {"1, 'Pantalón'", "2, 'Chaqueta'"});
    b.Insertar("productos", "idproducto, idfamilia, nombre, precio1, precio2, precio3, activo",
             {"1, 1, 'Bajo', 12.5, 10, 4, 0", "2, 1, 'Meter cintura', 8, 7, 3, 0",
              "3, 2, 'Acortar mangas', 15, 12, 6, 0"});
    b.Insertar("costureras", "idcosturera, nombre, desactivado",
             {"1, 'Rosa', 0", "2, 'Carmen', Null", "3, 'Pilar', 1"});
    // 1: 20 days late; 2: due tonight; 3 and 6: a shop's delivered orders; 4: delivered; 5: not yet due.
    b.Insertar(
        "arreglos",
        "idarreglo, idusuario, idcliente, fechaarreglo, fechaprevistaentrega, fecharealentrega, entregado, "
        "pagado, entregadoacliente",
        {"1, 1, 1, '2026-11-10 09:15:00', '2026-11-15 00:00:00', Null, 10, 0, Null",
         "2, 2, 2, '2026-11-28 17:00:00', '2026-12-05 19:00:00', Null, 0, 0, Null",
         "3, 1, 2, '2026-10-01 10:00:00', '2026-10-08 00:00:00', '2026-10-20 12:00:00', 0, 0, 1",
         "4, 1, 3, '2026-11-02 10:00:00', '2026-11-06 00:00:00', '2026-11-09 18:00:00', 12.5, 0, 1",
         "5, 2, 1, '2026-12-04 11:00:00', '2026-12-20 00:00:00', Null, 0, 0, Null",
         "6, 2, 2, '2026-11-20 10:00:00', '2026-11-27 00:00:00', '2026-11-30 23:59:59', 0, 0, 1"});
    b.Insertar("arreglos_detalles",
             "idarreglo, idproducto, precio, nombreprenda, referenciaprenda, listoparaentrega, idcosturera, "
             "fechaasignaciontrabajador, pagadoatrabajador",
             {"1, 1, 12.5, 'Vaquero', '1.1', 0, 1, '2026-11-11 10:00:00', Null",
              "1, 2, 8, 'Vaquero', '1.1', 0, 1, '2026-11-11 10:00:00', Null",
              "1, 3, 15, 'Americana', '1.2', Null, Null, Null, Null",
              "2, 1, 10, 'Falda', '2.1', Null, 2, '2026-11-29 10:00:00', Null",
              "3, 3, 12, 'Abrigo', '3.1', 1, 2, Null, 1",
              "4, 1, 12.5, 'Pantalón gris', '4.1', 1, 1, Null, Null",
              "5, 2, 8, 'Chino', '5.1', Null, Null, Null, Null", "6, 1, 10, 'Falda', '6.1', 1, 3, Null, Null",
              "6, 2, 7, 'Falda', '6.1', 1, 3, Null, Null"});
}

// One column of every row of a query, through the program's own record set.
QStringList Filas(const QString &sql, const QString &campo)
{
    QStringList r;
    Recordset rs = AbrirRecordset(sql);
    while (!rs.EOF_()) {
        r.append(NuloABlanco(rs.Campo(campo)));
        rs.MoveNext();
    }
    return r;
}

// The assignment screen's garment list: unassigned lines, or the first N of all lines.
const QString kListaCabeza = QStringLiteral(
    " clientes.Nombre as nombrecliente, clientes.Telefono, clientes.estienda, arreglos.IdArreglo, "
    "arreglos.fechaarreglo, arreglos.fechaprevistaentrega, arreglos.fecharealentrega, "
    "arreglos_detalles.referenciaPrenda, arreglos_detalles.Nombreprenda, arreglos_detalles.fechaentrega, "
    "Productos.Nombre as nombrearreglo, usuarios.Nombre, costureras.Nombre as nombrecosturera ,sum( "
    "arreglos_detalles.precio) as precio FROM ((clientes INNER JOIN (arreglos INNER JOIN (arreglos_detalles "
    "LEFT "
    "JOIN costureras ON arreglos_detalles.IdCosturera = costureras.idCosturera) ON arreglos.IdArreglo = "
    "arreglos_detalles.idArreglo) ON clientes.IdCliente = arreglos.idcliente) INNER JOIN usuarios ON "
    "arreglos.idUsuario = usuarios.idUsuario) INNER JOIN Productos ON arreglos_detalles.idProducto = "
    "Productos.IdProducto ");
const QString kListaCola = QStringLiteral(
    " arreglos.fechaarreglo, usuarios.Nombre,      arreglos_detalles.Nombreprenda, clientes.Nombre,    "
    "clientes.Telefono, costureras.Nombre,     arreglos.fechaprevistaentrega, arreglos.fecharealentrega,     "
    "arreglos_detalles.fechaentrega, clientes.estienda,   clientes.nombre,  Productos.Nombre  ORDER BY "
    "arreglos.IdArreglo DESC ");

QString Atrasados(int dias)
{
    return QStringLiteral(
               "SELECT clientes.Nombre, clientes.Telefono, arreglos.IdArreglo, "
               "DateDiff('d',arreglos.fechaprevistaentrega,Now()) AS dias_atraso, "
               "arreglos.fechaprevistaentrega, "
               "Sum(arreglos_detalles.precio) AS precio FROM (arreglos INNER JOIN arreglos_detalles ON "
               "arreglos.IdArreglo = arreglos_detalles.idArreglo) INNER JOIN clientes ON arreglos.idcliente "
               "= "
               "clientes.IdCliente WHERE (((DateDiff('d',[arreglos].[fechaprevistaentrega],Now()))>=")
           + QString::number(dias)
           + QStringLiteral(
               ")) and arreglos.entregadoacliente is null GROUP BY clientes.Nombre, clientes.Telefono, "
               "arreglos.IdArreglo, DateDiff('d',arreglos.fechaprevistaentrega,Now()), "
               "arreglos.fechaprevistaentrega");
}

QString CuentasTienda(const QString &filtro)
{
    return QStringLiteral(
               "SELECT arreglos.fecharealentrega, arreglos.IdArreglo, sum(arreglos_detalles.precio) as "
               "total, clientes.Nombre, clientes.estienda, arreglos.entregadoacliente FROM (arreglos "
               "INNER JOIN clientes ON arreglos.idcliente = clientes.IdCliente) INNER JOIN "
               "arreglos_detalles ON arreglos.IdArreglo = arreglos_detalles.idArreglo where "
               "(clientes.estienda = 1 AND entregadoacliente = 1)")
           + filtro
           + QStringLiteral(" GROUP BY arreglos.IdArreglo, clientes.Nombre, clientes.estienda,     "
                            "Arreglos.entregadoacliente , fecharealentrega ORDER BY arreglos.idarreglo DESC");
}

} // namespace

class PruebaDialecto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void topYParentesis()
    {
        BaseDePrueba b;
        SembrarTienda(b);
        QCOMPARE(Filas(QStringLiteral("SELECT top 3 idarreglo from arreglos order by idarreglo desc"),
                       QStringLiteral("idarreglo")),
                 (QStringList{"6", "5", "4"}));
        QCOMPARE(Filas(QStringLiteral("select top 1 nombre from clientes order by nombre;"),
                       QStringLiteral("nombre")),
                 QStringList{"Ana Pérez"});

        // Unassigned lines only (nested joins, LEFT JOIN, "is null"), newest order first.
        const QString sinAsignar =
            QStringLiteral("SELECT") + kListaCabeza
            + QStringLiteral("WHERE arreglos_detalles.idcosturera is null GROUP BY "
                             "arreglos_detalles.referenciaPrenda, arreglos.IdArreglo, ")
            + kListaCola;
        QCOMPARE(Filas(sinAsignar, QStringLiteral("referenciaprenda")), (QStringList{"5.1", "1.2"}));
        QCOMPARE(Filas(sinAsignar, QStringLiteral("nombrecosturera")), (QStringList{"", ""}));
        QCOMPARE(Filas(sinAsignar, QStringLiteral("usuarios.nombre")), (QStringList{"Lucía", "Encargada"}));

        // "top N" of every line: one row per line of an order, the limit applied after the sort.
        const QString todos = [](int n) {
            return QStringLiteral("SELECT top ") + QString::number(n) + kListaCabeza
                   + QStringLiteral(" GROUP BY arreglos_detalles.referenciaPrenda, arreglos.IdArreglo, ")
                   + kListaCola;
        }(4);
        QCOMPARE(Filas(todos, QStringLiteral("idarreglo")), (QStringList{"6", "6", "5", "4"}));
        Recordset rs = AbrirRecordset(todos);
        QCOMPARE(rs.Cuantos(), 4);
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("nombrecosturera"))), QStringLiteral("Pilar"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("nombrecliente"))), U("Mercería Sol"));
        QCOMPARE(FormatoFecha(rs.Campo(QStringLiteral("fecharealentrega")), QStringLiteral("dd/MM/yy")),
                 QStringLiteral("30/11/26"));

        // Workers' pending garments: Jet's parenthesised join and the Null-as-0 flag test.
        QCOMPARE(
            Filas(QStringLiteral(
                      "SELECT DISTINCT arreglos_detalles.fechaasignaciontrabajador, arreglos.IdArreglo, "
                      "arreglos.fechaarreglo, arreglos.fechaprevistaentrega, "
                      "arreglos_detalles.referenciaPrenda, "
                      "arreglos_detalles.Nombreprenda, arreglos_detalles.listoparaentrega, costureras.Nombre "
                      "as "
                      "nombrecosturera FROM (arreglos INNER JOIN arreglos_detalles ON arreglos.IdArreglo = "
                      "arreglos_detalles.idArreglo) LEFT JOIN costureras ON arreglos_detalles.IdCosturera = "
                      "costureras.idCosturera Where (((arreglos_detalles.listoparaentrega) <> 1 Or "
                      "(arreglos_detalles.listoparaentrega) Is Null) And ((costureras.Nombre) Is Not Null)) "
                      "ORDER BY arreglos.IdArreglo"),
                  QStringLiteral("referenciaprenda")),
            (QStringList{"1.1", "2.1"}));

        // An order's garments: the worker's name is Null where the outer join finds none.
        QCOMPARE(Filas(QStringLiteral("SELECT DISTINCT     arreglos_detalles.referenciaPrenda,     "
                                      "arreglos_detalles.Nombreprenda,     arreglos_detalles.listoparaentrega , "
                                      "costureras.Nombre FROM arreglos_detalles LEFT OUTER JOIN     costureras ON     "
                                      "arreglos_detalles.IdCosturera = costureras.idCosturera where idarreglo = 1 "
                                      "order by referenciaprenda"),
                       QStringLiteral("costureras.nombre")),
                 (QStringList{"Rosa", ""}));

        // Worker pay: three nested joins, "top N" in the middle of a built statement.
        const QString pagos = QStringLiteral(
            "SELECT top 2  clientes.estienda, arreglos.IdArreglo, arreglos.entregadoacliente, "
            "arreglos_detalles.idarreglodetalle, arreglos_detalles.precio, "
            "arreglos_detalles.referenciaPrenda, "
            "arreglos_detalles.Nombreprenda, arreglos_detalles.fechaentrega, "
            "arreglos_detalles.listoparaentrega, "
            "arreglos_detalles.pagadoatrabajador, Productos.Nombre as nombrearreglo, Productos.Precio1, "
            "Productos.Precio2, Productos.Precio3, costureras.Nombre FROM (((clientes INNER JOIN arreglos ON "
            "clientes.IdCliente = arreglos.idcliente) INNER JOIN arreglos_detalles ON arreglos.IdArreglo = "
            "arreglos_detalles.idArreglo) INNER JOIN Productos ON arreglos_detalles.idProducto = "
            "Productos.IdProducto) INNER JOIN costureras ON arreglos_detalles.IdCosturera = "
            "costureras.idCosturera "
            "WHERE  clientes.idcliente = arreglos.idcliente and (costureras.Nombre IS NOT NULL) AND  "
            "(pagadoatrabajador = 0 or pagadoatrabajador is null ) and     "
            "(arreglos_detalles.listoparaentrega = 1) "
            "ORDER BY arreglos_detalles.referenciaprenda DESC");
        QCOMPARE(Filas(pagos, QStringLiteral("referenciaprenda")), (QStringList{"6.1", "6.1"}));
        QStringList tarifas = Filas(pagos, QStringLiteral("precio3"));
        tarifas.sort();
        QCOMPARE(tarifas, (QStringList{"3", "4"}));
    }

    void fechasYRetrasos()
    {
        BaseDePrueba b;
        SembrarTienda(b);
        // Whole days crossed up to now: due tonight is 0 days late, and the future is negative.
        Recordset rs = AbrirRecordset(Atrasados(15));
        QCOMPARE(rs.Cuantos(), 1);
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("IdArreglo"))), QStringLiteral("1"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("dias_atraso"))), QStringLiteral("20"));
        QCOMPARE(FormatoImporte(rs.Campo(QStringLiteral("precio"))), QStringLiteral("35.50"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("clientes.nombre"))), U("Ana Pérez"));

        QCOMPARE(Filas(Atrasados(0) + QStringLiteral(" order by arreglos.idarreglo"),
                       QStringLiteral("dias_atraso")),
                 (QStringList{"20", "0"}));
        QCOMPARE(Filas(Atrasados(-30) + QStringLiteral(" order by arreglos.idarreglo"),
                       QStringLiteral("idarreglo")),
                 (QStringList{"1", "2", "5"}));
        QCOMPARE(
            Filas(QStringLiteral(
                      "select DateDiff('d', fechaarreglo, Now()) as d from arreglos where idarreglo = 5"),
                  QStringLiteral("d")),
            QStringList{"1"});

        // The shop's monthly accounts: year() and MONTH() of the real delivery date.
        const QString mes =
            QStringLiteral(" and year(fecharealentrega) = %1 AND MONTH(FECHAREALENTREGA) = %2");
        QCOMPARE(Filas(CuentasTienda(QStringLiteral(" ")), QStringLiteral("idarreglo")),
                 (QStringList{"6", "3"}));
        QCOMPARE(Filas(CuentasTienda(mes.arg(2026).arg(11)), QStringLiteral("total")), QStringList{"17"});
        QCOMPARE(Filas(CuentasTienda(mes.arg(2026).arg(10)), QStringLiteral("idarreglo")), QStringList{"3"});
        QVERIFY(Filas(CuentasTienda(mes.arg(2025).arg(11)), QStringLiteral("idarreglo")).isEmpty());
        QCOMPARE(Filas(CuentasTienda(QStringLiteral(" AND     clientes.idcliente = 2")),
                       QStringLiteral("clientes.nombre")),
                 (QStringList{"Mercería Sol", "Mercería Sol"}));

        // A date typed for the server's convert() reads back as the same day on every engine.
        b.conexion.Ejecutar(
            QStringLiteral("update arreglos set fechaprevistaentrega = convert(datetime,'5/3/2027') "
                           "where idarreglo = 5"));
        b.conexion.Ejecutar(
            QStringLiteral("update arreglos set fechaarreglo = CONVERT( datetime , '05/12/2026 "
                           "10:30:00' ) where idarreglo = 5"));
        rs = AbrirRecordset(QStringLiteral("select * from arreglos where [idarreglo] = 5"));
        QCOMPARE(rs.Campo(QStringLiteral("fechaprevistaentrega")).toDateTime(),
                 QDateTime(QDate(2027, 3, 5), QTime(0, 0)));
        QCOMPARE(rs.Campo(QStringLiteral("fechaarreglo")).toDateTime(),
                 QDateTime(QDate(2026, 12, 5), QTime(10, 30)));
        QCOMPARE(Filas(QStringLiteral("select idarreglo from arreglos where fechaprevistaentrega > "
                                      "convert(datetime,'31/12/2026')"),
                       QStringLiteral("idarreglo")),
                 QStringList{"5"});

        // A date sent as typed, day first, is still a date the engine can take apart.
        b.conexion.Ejecutar(
            QStringLiteral("update arreglos set fecharealentrega = '05/12/2026 10:30:00' where "
                           "idarreglo = 2"));
        rs = AbrirRecordset(QStringLiteral("select fecharealentrega, year(fecharealentrega) as a, "
                                           "MONTH(fecharealentrega) as m, DateDiff('h', fecharealentrega, "
                                           "convert(datetime,'6/12/2026 00:00:00')) as h from arreglos where "
                                           "idarreglo = 2"));
        QCOMPARE(FormatoFecha(rs.Campo(QStringLiteral("fecharealentrega")), QStringLiteral("dd/MM/yy hh:mm")),
                 QStringLiteral("05/12/26 10:30"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("a"))) + QLatin1Char('/')
                     + NuloABlanco(rs.Campo(QStringLiteral("m"))),
                 QStringLiteral("2026/12"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("h"))), QStringLiteral("14"));

        // The shop clock, not the machine's, on both engines.
        rs = AbrirRecordset(QStringLiteral("select getdate() as fech, Now() as ahora"));
        QCOMPARE(rs.Campo(QStringLiteral("fech")).toDateTime(), QDateTime(QDate(2026, 12, 5), QTime(10, 30)));
        QCOMPARE(rs.Campo(QStringLiteral("ahora")).toDateTime(),
                 QDateTime(QDate(2026, 12, 5), QTime(10, 30)));
    }

    void busquedasYLiterales()
    {
        BaseDePrueba b;
        SembrarTienda(b);
        const auto buscar = [](const QString &texto) {
            return Filas(QStringLiteral("SELECT clientes.estienda, clientes.IdCliente , clientes.Nombre, "
                                        "clientes.Telefono FROM clientes where clientes.nombre like ")
                             + ComillasSQL(QStringLiteral("%") + texto + QStringLiteral("%"))
                             + QStringLiteral(" ORDER BY clientes.nombre"),
                         QStringLiteral("nombre"));
        };
        QCOMPARE(buscar(QStringLiteral("ana")), QStringList{"Ana Pérez"});
        QCOMPARE(buscar(QStringLiteral("PÉREZ")), QStringList{"Ana Pérez"});
        QCOMPARE(buscar(U("ángela d'o")), QStringList{U("Ángela D'Oro")});
        QCOMPARE(buscar(QString()).size(), 3);
        QCOMPARE(Filas(QStringLiteral("select nombre from clientes where nombre LIKE 'mer_er_a%'"),
                       QStringLiteral("nombre")),
                 QStringList{"Mercería Sol"});

        // What the user typed is data, never SQL, whatever it looks like.
        const QString raro =
            QStringLiteral("[x] top 5 now() getdate() like convert(datetime,'1/2/2020') ; -- '");
        b.conexion.Ejecutar(QStringLiteral("insert into clientes (nombre, telefono) values (")
                            + ComillasSQL(raro) + QStringLiteral(", ") + ComillasSQL(QStringLiteral("top 1"))
                            + QStringLiteral(")"));
        b.conexion.Ejecutar(QStringLiteral("insert into caja (importe, concepto, nombrecierre) values (1, "
                                           "'convert(datetime,', ')')"));
        QCOMPARE(Filas(QStringLiteral("select top 1 nombre from clientes where telefono = 'top 1'"),
                       QStringLiteral("nombre")),
                 QStringList{raro});
        QCOMPARE(b.Valor(QStringLiteral("select concepto from caja")), QStringLiteral("convert(datetime,"));
        QCOMPARE(b.Valor(QStringLiteral("select nombrecierre from caja")), QStringLiteral(")"));
        QVERIFY(ExisteTelefono(QStringLiteral("top 1")));
    }

    void camposRepetidosEnUnJoin()
    {
        BaseDePrueba b;
        SembrarTienda(b);
        Recordset rs = AbrirRecordset(QStringLiteral(
            "SELECT arreglos_detalles.referenciaPrenda, arreglos_detalles.Nombreprenda, clientes.Nombre, "
            "Productos.Nombre, arreglos_detalles.precio, usuarios.Nombre FROM usuarios INNER JOIN (Productos "
            "INNER JOIN (clientes INNER JOIN (arreglos_detalles INNER JOIN arreglos ON "
            "arreglos_detalles.idArreglo = "
            "arreglos.IdArreglo) ON clientes.IdCliente = arreglos.idcliente) ON Productos.IdProducto = "
            "arreglos_detalles.idProducto) ON usuarios.idUsuario = arreglos.idUsuario WHERE "
            "arreglos_detalles.referenciaPrenda = '1.1' ORDER BY arreglos_detalles.idarreglodetalle"));
        QCOMPARE(rs.Cuantos(), 2);
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("Clientes.Nombre"))), U("Ana Pérez"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("productos.nombre"))), QStringLiteral("Bajo"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("USUARIOS.NOMBRE"))), QStringLiteral("Encargada"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("nombre"))), U("Ana Pérez")); // the first of that name
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("nombreprenda"))), QStringLiteral("Vaquero"));
        rs.MoveNext();
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("productos.nombre"))), QStringLiteral("Meter cintura"));
        QCOMPARE(FormatoImporte(rs.Campo(QStringLiteral("precio"))), QStringLiteral("8.00"));
        rs.MoveNext();
        QVERIFY(rs.EOF_());
        QVERIFY(rs.Campo(QStringLiteral("nombre")).isNull());
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, rs.Campo(QStringLiteral("costureras.nombre")));
    }
};

QTEST_GUILESS_MAIN(PruebaDialecto)
#include "test_bd_dialecto.moc"
