// The shop's SQL dialect against the real engine of the run: both backends must give the same rows.
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

// Around the test clock (05/12/2026 10:30): order 1 is 20 days late, 2 due tonight, 3 due later,
// 4 a partner shop's order delivered in November.
void SembrarTienda(BaseDePrueba &b)
{
    b.Insertar("usuarios", "idusuario, nombre", {"2, 'Lucía'"});
    b.Insertar("clientes", "idcliente, nombre, telefono, estienda",
               {"1, 'Ana Pérez', '600111222', 0", "2, 'Mercería Sol', '911000000', 1",
                "3, 'Ángela D''Oro', '600333444', Null"});
    b.Insertar("familias", "idfamilia, nombre", {"1, 'Pantalón'"});
    b.Insertar("productos", "idproducto, idfamilia, nombre, precio1, activo",
               {"1, 1, 'Bajo', 12.5, 0", "2, 1, 'Meter cintura', 8, 0"});
    b.Insertar("costureras", "idcosturera, nombre", {"1, 'Rosa'"});
    b.Insertar("arreglos",
               "idarreglo, idusuario, idcliente, fechaarreglo, fechaprevistaentrega, fecharealentrega, "
               "entregadoacliente",
               {"1, 1, 1, '2026-11-10 09:15:00', '2026-11-15 00:00:00', Null, Null",
                "2, 2, 2, '2026-11-28 17:00:00', '2026-12-05 19:00:00', Null, Null",
                "3, 2, 1, '2026-12-04 11:00:00', '2026-12-20 00:00:00', Null, Null",
                "4, 2, 2, '2026-11-20 10:00:00', '2026-11-27 00:00:00', '2026-11-30 23:59:59', 1"});
    b.Insertar("arreglos_detalles",
               "idarreglo, idproducto, precio, nombreprenda, referenciaprenda, idcosturera",
               {"1, 1, 12.5, 'Vaquero', '1.1', 1", "1, 2, 8, 'Vaquero', '1.1', 1",
                "1, 2, 15, 'Americana', '1.2', Null", "2, 1, 10, 'Falda', '2.1', Null",
                "3, 2, 8, 'Chino', '3.1', Null", "4, 1, 17, 'Falda', '4.1', 1"});
}

// One column of every row of a query, through the program's own record set.
QStringList Filas(const QString &sql, const QString &campo = QStringLiteral("x"))
{
    QStringList r;
    Recordset rs = AbrirRecordset(sql);
    while (!rs.EOF_()) {
        r.append(NuloABlanco(rs.Campo(campo)));
        rs.MoveNext();
    }
    return r;
}

} // namespace

class PruebaDialecto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void consultasTraducidas_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("filas");
        QTest::newRow("top tras ordenar")
            << "SELECT top 3 idarreglo as x from arreglos order by idarreglo desc"
            << QStringList{"4", "3", "2"};
        QTest::newRow("top con punto y coma")
            << "select top 1 nombre as x from clientes order by nombre;" << QStringList{"Ana Pérez"};
        // Nested parenthesised joins, a LEFT JOIN finding nobody, grouping, then the limit.
        QTest::newRow("top en joins anidados")
            << "SELECT top 2 arreglos_detalles.referenciaPrenda as x, costureras.Nombre, "
               "sum(arreglos_detalles.precio) "
               "FROM (clientes INNER JOIN (arreglos INNER JOIN (arreglos_detalles LEFT JOIN costureras ON "
               "arreglos_detalles.IdCosturera = costureras.idCosturera) ON arreglos.IdArreglo = "
               "arreglos_detalles.idArreglo) ON clientes.IdCliente = arreglos.idcliente) WHERE "
               "costureras.Nombre is null GROUP BY arreglos_detalles.referenciaPrenda, costureras.Nombre "
               "ORDER BY arreglos_detalles.referenciaPrenda DESC"
            << QStringList{"3.1", "2.1"};
        QTest::newRow("corchetes") << "select [idarreglo] as x from arreglos where [arreglos].[idarreglo] = 2"
                                   << QStringList{"2"};
        // Whole days crossed up to now: due tonight is 0 days late, the future is negative.
        QTest::newRow("datediff dias") << "select DateDiff('d',[arreglos].[fechaprevistaentrega],Now()) as x "
                                          "from arreglos order by idarreglo"
                                       << QStringList{"20", "0", "-15", "8"};
        QTest::newRow("datediff en where")
            << "select idarreglo as x from arreglos where DateDiff('d',fechaprevistaentrega,Now()) >= 0 "
               "and entregadoacliente is null order by idarreglo"
            << QStringList{"1", "2"};
        QTest::newRow("ano y mes")
            << "select idarreglo as x from arreglos where year(fecharealentrega) = 2026 "
               "AND MONTH(FECHAREALENTREGA) = 11"
            << QStringList{"4"};
        QTest::newRow("dos convert")
            << "select idarreglo as x from arreglos where fechaprevistaentrega between "
               "convert(datetime,'1/12/2026') and convert(datetime,'10/12/2026')"
            << QStringList{"2"};
        QTest::newRow("like sin mayusculas")
            << "select nombre as x from clientes where nombre like '%PÉREZ%'" << QStringList{"Ana Pérez"};
        QTest::newRow("like con comilla")
            << "select nombre as x from clientes where nombre like " + ComillasSQL(U("%ángela d'o%"))
            << QStringList{U("Ángela D'Oro")};
        QTest::newRow("like un caracter") << "select nombre as x from clientes where nombre LIKE 'mer_er_a%'"
                                          << QStringList{"Mercería Sol"};
    }
    void consultasTraducidas()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, filas);
        BaseDePrueba b;
        SembrarTienda(b);
        QCOMPARE(Filas(sql), filas);
    }

    void fechas()
    {
        BaseDePrueba b;
        SembrarTienda(b);
        // A date typed day first for convert() reads back as the same day on every engine.
        b.conexion.Ejecutar(
            QStringLiteral("update arreglos set fechaprevistaentrega = convert(datetime,'5/3/2027'), "
                           "fechaarreglo = CONVERT( datetime , '05/12/2026 10:30:00' ) where idarreglo = 3"));
        Recordset rs = AbrirRecordset(QStringLiteral("select * from arreglos where idarreglo = 3"));
        QCOMPARE(rs.Campo(QStringLiteral("fechaprevistaentrega")).toDateTime(),
                 QDateTime(QDate(2027, 3, 5), QTime(0, 0)));
        QCOMPARE(rs.Campo(QStringLiteral("fechaarreglo")).toDateTime(),
                 QDateTime(QDate(2026, 12, 5), QTime(10, 30)));

        // A date sent as typed, day first, is still a date the engine can take apart.
        b.conexion.Ejecutar(QStringLiteral(
            "update arreglos set fecharealentrega = '05/12/2026 10:30:00' where idarreglo = 2"));
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

    void literalesYCamposRepetidos()
    {
        BaseDePrueba b;
        SembrarTienda(b);
        // What the user typed is data, never SQL, whatever it looks like.
        const QString raro =
            QStringLiteral("[x] top 5 now() getdate() like convert(datetime,'1/2/2020') ; -- '");
        b.conexion.Ejecutar(QStringLiteral("insert into clientes (nombre, telefono) values (")
                            + ComillasSQL(raro) + QStringLiteral(", 'top 1')"));
        b.conexion.Ejecutar(QStringLiteral(
            "insert into caja (importe, concepto, nombrecierre) values (1, 'convert(datetime,', ')')"));
        QCOMPARE(Filas(QStringLiteral("select top 1 nombre as x from clientes where telefono = 'top 1'")),
                 QStringList{raro});
        QCOMPARE(b.Valor(QStringLiteral("select concepto || '|' || nombrecierre from caja")),
                 QStringLiteral("convert(datetime,|)"));
        QVERIFY(ExisteTelefono(QStringLiteral("top 1")));

        // Several columns called Nombre: the table prefix picks one, the bare name the first.
        Recordset rs = AbrirRecordset(
            QStringLiteral("SELECT arreglos_detalles.Nombreprenda, clientes.Nombre, Productos.Nombre, "
                           "arreglos_detalles.precio, "
                           "usuarios.Nombre FROM usuarios INNER JOIN (Productos INNER JOIN (clientes INNER "
                           "JOIN (arreglos_detalles "
                           "INNER JOIN arreglos ON arreglos_detalles.idArreglo = arreglos.IdArreglo) ON "
                           "clientes.IdCliente = "
                           "arreglos.idcliente) ON Productos.IdProducto = arreglos_detalles.idProducto) ON "
                           "usuarios.idUsuario = "
                           "arreglos.idUsuario WHERE arreglos_detalles.referenciaPrenda = '1.1' ORDER BY "
                           "arreglos_detalles.idarreglodetalle"));
        QCOMPARE(rs.Cuantos(), 2);
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("Clientes.Nombre"))), U("Ana Pérez"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("productos.nombre"))), QStringLiteral("Bajo"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("USUARIOS.NOMBRE"))), QStringLiteral("Encargada"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("nombre"))), U("Ana Pérez"));
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
