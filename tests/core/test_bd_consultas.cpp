// The one-value lookups every screen leans on, the cash journal, and the shop's SQL dialect against the real
// engine of the run: both backends must give the same rows.
#include "BaseDePrueba.h"
#include "Casos.h"
#include "cash/Caja.h"
#include "core/BaseDatos.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"

#include <QtTest>

namespace {

QString U(const char *t)
{
    return QString::fromUtf8(t);
}

// Two customers (one a partner shop), a family with two products, workers with every flag
// state and two orders, the second with Null in every optional column.
void Sembrar(BaseDePrueba &b)
{
    b.Insertar("usuarios", "idusuario, nombre", {"2, '  Lucía  '", "3, Null"});
    b.Insertar(
        "clientes", "idcliente, nombre, telefono, estienda",
        {"1, 'Ana Pérez', '600111222', 0", "2, 'Mercería Sol', '911000000', 1", "3, Null, Null, Null"});
    b.Insertar("familias", "idfamilia, nombre", {"4, 'Pantalón'", "5, Null"});
    b.Insertar("productos", "idproducto, idfamilia, nombre, precio1",
               {"7, 4, 'Bajo', 12.5", "8, Null, 'Suelto', 3"});
    b.Insertar("costureras", "idcosturera, nombre, desactivado",
               {"1, 'Rosa', 0", "2, 'Carmen', Null", "3, 'Pilar', 1", "4, Null, Null"});
    b.Insertar("arreglos",
               "idarreglo, idusuario, idcliente, fechaarreglo, entregado, pagado, entregadoacliente",
               {"40, 2, 1, '2026-12-01 09:00:00', 5, 0, 1", "41, Null, 3, Null, Null, Null, Null"});
    b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, referenciaprenda, idcosturera",
               {"40, 7, 12.5, '40.1', 2", "40, 8, 1234.56, '40.1', 3", "40, 7, 0.1, '40.2', Null",
                "40, 7, 0.2, '40''3', Null"});
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

class PruebaConsultas : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tablasVacias()
    {
        BaseDePrueba b;
        b.conexion.Ejecutar(QStringLiteral("delete from usuarios"));
        Casos({{DimeMaximo(QStringLiteral("idarreglo"), QStringLiteral("arreglos")), 0},
               {DimeMaximo(QStringLiteral("idmovimiento"), QStringLiteral("caja")), 0},
               {DimeTotalArreglo(1), 0.0},
               {DimeSumaCajaArreglo(1), 0.0},
               {DimeUltimoCierre(), QString()},
               {DimeIdFamiliaProducto(1), 0},
               {DimeNombreCosturera(1), QString()},
               {DimeCostureraDesactivada(1), 0},
               {ExisteArreglo(1), false},
               {DimeNombreClienteArreglo(1), QStringLiteral("??")},
               {DimeTelefonoClienteArreglo(1), QStringLiteral("??")},
               {DimeNombreDeFamilia(1), QStringLiteral("??")},
               {DimeUsuarioArreglo(1), 0},
               {DimeNombreUsuario(1), QString()},
               {ExisteTelefono(QString()), false},
               {DimeFechaServidor(), QStringLiteral("05/12/2026 10:30:00")}});
    }

    void relojDeLaBaseSinRelojFijado()
    {
        BaseDePrueba b;
        G().reloj = nullptr;
        const QDateTime utc = QDateTime::currentDateTimeUtc();
        QDateTime esperado = QDateTime::currentDateTime();
        if (b.conexion.motor() == Motor::PostgreSQL) {
            // A server twelve hours away from this machine: the counters follow the server's clock.
            const int horas = (esperado.offsetFromUtc() / 3600 + 24) % 24 - 12;
            b.conexion.Ejecutar(QStringLiteral("SET TIME ZONE INTERVAL '%1%2:00' HOUR TO MINUTE")
                                    .arg(horas < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                                    .arg(qAbs(horas), 2, 10, QLatin1Char('0')));
            esperado = QDateTime(utc.date(), utc.time()).addSecs(horas * 3600);
        }
        for (const QString &ahora : {DimeFechaServidor(), b.Valor(QStringLiteral("select getdate() as f"))})
            QVERIFY2(qAbs(FechaDeTexto(ahora).secsTo(esperado)) < 5, qPrintable(ahora));
    }

    void lookupsConFilas()
    {
        BaseDePrueba b;
        Sembrar(b);
        Casos({{DimeMaximo(QStringLiteral("idarreglo"), QStringLiteral("arreglos")), 41},
               {DimeMaximo(QStringLiteral("IdArreglo"), QStringLiteral("ARREGLOS")), 41},
               {FormatoImporte(DimeTotalArreglo(40)), QStringLiteral("1,247.36")},
               {DimeTotalArreglo(41), 0.0},
               {DimeIdFamiliaProducto(7), 4},
               {DimeIdFamiliaProducto(8), 0},
               {DimeNombreDeFamilia(4), U("Pantalón")},
               {DimeNombreDeFamilia(5), QString()},
               {DimeNombreCosturera(1), QStringLiteral("Rosa")},
               {DimeNombreCosturera(4), QStringLiteral("0")},
               {DimeCostureraDesactivada(3), 1},
               {DimeCostureraDesactivada(2), 0},
               {DimeCostureraDesactivada(1), 0},
               {ExisteArreglo(40), true},
               {ExisteArreglo(4), false},
               {DimeNombreClienteArreglo(40), U("Ana Pérez")},
               {DimeTelefonoClienteArreglo(40), QStringLiteral("600111222")},
               {DimeNombreClienteArreglo(41), QString()},
               {DimeTelefonoClienteArreglo(41), QString()},
               {ArregloEntregado(40), true},
               {ArregloEntregado(41), false},
               {DimeUsuarioArreglo(40), 2},
               {DimeUsuarioArreglo(41), 0},
               {DimeCosturera(QStringLiteral("40.1")), 2},
               {DimeCosturera(QStringLiteral("40.2")), 0},
               {DimeCosturera(QStringLiteral("40'3")), 0},
               {DimeNombreUsuario(1), QStringLiteral("Encargada")},
               {DimeNombreUsuario(2), U("Lucía")},
               {DimeNombreUsuario(3), QStringLiteral("0")},
               {EsTienda(2), true},
               {EsTienda(1), false},
               {EsTienda(3), false},
               {ExisteTelefono(QStringLiteral("911000000")), true},
               {ExisteTelefono(QStringLiteral("911")), false},
               {ExisteTelefono(QStringLiteral("' or ''='")), false}});
    }

    void cajaDelDia()
    {
        BaseDePrueba b;
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 4), QTime(19, 5, 7)));
        MeterMovimientoCaja(20, QStringLiteral("Ref. 40"), 1, 40, 0);
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 5), QTime(10, 30)));
        MeterMovimientoCaja(15.5, QStringLiteral("Ref. 40"), 2, 40, 0);
        MeterMovimientoCaja(-3, QStringLiteral("Retirado de caja"), 1, 0, 0);
        QCOMPARE(DimeSumaCajaArreglo(40), 35.5);
        QCOMPARE(DimeSumaCajaArreglo(41), 0.0);
        QCOMPARE(DimeUltimoCierre(), QStringLiteral("20261205"));

        // The newest movement is the last booked, whatever its date says.
        b.conexion.Ejecutar(
            QStringLiteral("insert into caja (importe, concepto, fecha, nombrecierre, cerrado, "
                           "formapago, idarreglo, idticket) values (1, 'Ajuste', ")
            + LiteralFechaSQL(QStringLiteral("04/12/2026 19:05:07"))
            + QStringLiteral(", '20261204', 0, 1, 0, 0)"));
        QCOMPARE(DimeUltimoCierre(), QStringLiteral("20261204"));
    }

    void valoresIdaYVuelta()
    {
        BaseDePrueba b;
        const QString texto = U("D'Angelo \"el Ñoño\" ; -- 50% [x]");
        b.conexion.Ejecutar(QStringLiteral("insert into clientes (nombre, telefono) values (")
                            + ComillasSQL(texto) + QStringLiteral(", ") + ComillasSQL(QStringLiteral("''"))
                            + QStringLiteral(")"));
        QCOMPARE(b.Valor(QStringLiteral("select nombre from clientes")), texto);
        QVERIFY(ExisteTelefono(QStringLiteral("''")));

        // Amounts come back exactly as they went, as numbers.
        for (double importe : {12.5, 1234.56, -0.01, 99999.99}) {
            b.conexion.Ejecutar(QStringLiteral("delete from productos"));
            b.conexion.Ejecutar(
                QStringLiteral("insert into productos (idfamilia, nombre, precio1) values (1, 'x', ")
                + TextoNumero(importe) + QStringLiteral(")"));
            Recordset rs = AbrirRecordset(QStringLiteral("select precio1 from productos"));
            QCOMPARE(rs.Campo(QStringLiteral("precio1")).toDouble(), importe);
            QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("precio1"))), TextoNumero(importe));
        }

        // Dates: written through the helpers, read back as date-times on both engines.
        const auto guardar = [&](const QString &literal) {
            b.conexion.Ejecutar(QStringLiteral("delete from arreglos"));
            b.conexion.Ejecutar(QStringLiteral("insert into arreglos (idarreglo, fechaarreglo) values (1, ")
                                + literal + QStringLiteral(")"));
            return AbrirRecordset(QStringLiteral("select fechaarreglo from arreglos")).Campo(0);
        };
        QVariant f = guardar(LiteralFechaSQL(QStringLiteral("05/12/26")));
        QCOMPARE(f.metaType().id(), int(QMetaType::QDateTime));
        QCOMPARE(FormatoFecha(f, QStringLiteral("dd/MM/yy")), QStringLiteral("05/12/26"));
        f = guardar(FechaSQL(QStringLiteral("5/3/2027"), G().EsSqlServer));
        QCOMPARE(f.toDateTime(), QDateTime(QDate(2027, 3, 5), QTime(0, 0)));
        QCOMPARE(FormatoFecha(f, QStringLiteral("dd/MM/yy")), QStringLiteral("05/03/27"));
        f = guardar(FechaSQL(QStringLiteral("31/12/2026 23:59:58"), G().EsSqlServer));
        QCOMPARE(NuloABlanco(f), QStringLiteral("31/12/2026 23:59:58"));
        f = guardar(FechaSQL(QString(), G().EsSqlServer));
        QVERIFY(f.isNull());
        QCOMPARE(FormatoFecha(f, QStringLiteral("dd/MM/yy")), QString());
        f = guardar(LiteralFechaSQL(RelojPrograma().Ahora()));
        QCOMPARE(FormatoFecha(f, QStringLiteral("dd/MM/yy hh:mm")), QStringLiteral("05/12/26 10:30"));
        // Dates compare as dates, not as the text they were typed as.
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from arreglos where fechaarreglo > ")
                         + FechaSQL(QStringLiteral("6/11/2026"), G().EsSqlServer)),
                 QStringLiteral("1"));
    }

    void idsEscritosAMano()
    {
        // A row that arrives with its number (restored, imported) does not block the next new one.
        BaseDePrueba b;
        b.Insertar("clientes", "idcliente, nombre", {"7, 'Rosa'"});
        b.Insertar("clientes", "nombre", {"'Pilar'"});
        b.Insertar("clientes", "idcliente, nombre", {"3, 'Carmen'"});
        b.Insertar("clientes", "nombre", {"'Encarna'"});
        QCOMPARE(b.Columna(QStringLiteral("select idcliente from clientes order by idcliente")),
                 (QStringList{"3", "7", "8", "9"}));
        MeterMovimientoCaja(5, QStringLiteral("Ref. 1"), 1, 1, 0);
        b.conexion.Ejecutar(QStringLiteral("insert into caja (idmovimiento, importe) values (10, 1)"));
        MeterMovimientoCaja(6, QStringLiteral("Ref. 2"), 1, 2, 0);
        QCOMPARE(DimeMaximo(QStringLiteral("idmovimiento"), QStringLiteral("caja")), 11);
        QCOMPARE(DimeSumaCajaArreglo(2), 6.0);
    }

    void movimientos()
    {
        BaseDePrueba b;
        MeterMovimientoCaja(0, QStringLiteral("Nada"), 1, 0, 0);
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("0"));

        MeterMovimientoCaja(-12.5, QStringLiteral("Retirado de caja"), 1, 0, 0);
        MeterMovimientoCaja(20, QStringLiteral("Ref. 40"), 2, 40, 0);
        // Rounded to cents before it is written, so that both backends keep the same figure.
        MeterMovimientoCaja(1234.567, QStringLiteral("Arreglo de D'Angelo"), 1, 40, 0);
        MeterMovimientoCaja(0.004, QStringLiteral("Nada"), 1, 0, 0);
        QCOMPARE(b.Columna(QStringLiteral("select importe from caja order by idmovimiento")),
                 (QStringList{QStringLiteral("-12.5"), QStringLiteral("20"), QStringLiteral("1234.57")}));
        QCOMPARE(b.Valor(QStringLiteral("select concepto from caja where importe > 1000")),
                 QStringLiteral("Arreglo de D'Angelo"));
        QCOMPARE(b.Valor(QStringLiteral("select cerrado from caja where importe < 0")), QStringLiteral("0"));
        QCOMPARE(DimeSumaCajaArreglo(40), 1254.57);
    }

    void retirada()
    {
        BaseDePrueba b;
        G().NombreCierre = QStringLiteral("20261205");
        b.dialogos.pad = {QStringLiteral("12.5"), QStringLiteral("0"), QString(), QStringLiteral("abc")};
        for (int i = 0; i < 4; ++i)
            cmdSacarDinero_Click();
        QCOMPARE(b.dialogos.titulosPad.first(), QString::fromUtf8("¿Cantidad a sacar de la caja?"));
        // A withdrawal of 0 books nothing but is still confirmed; no answer, no message; a figure
        // that is no amount is refused.
        QCOMPARE(b.dialogos.mensajes,
                 (QStringList{QString::fromUtf8("Se ha registrado una retirada de 12.50 € de la caja"),
                              QString::fromUtf8("Se ha registrado una retirada de 0.00 € de la caja"),
                              QString::fromUtf8("«abc» no es un importe válido.")}));
        QCOMPARE(b.Columna(QStringLiteral("select importe from caja")), QStringList{QStringLiteral("-12.5")});
        QCOMPARE(b.Valor(QStringLiteral("select concepto from caja")), QStringLiteral("Retirado de caja"));
        QCOMPARE(b.Valor(QStringLiteral("select nombrecierre from caja")), QStringLiteral("20261205"));
    }

    void transaccionQueFallaNoDejaNada()
    {
        BaseDePrueba b;
        try {
            Transaccion t(b.conexion);
            MeterMovimientoCaja(10, QStringLiteral("Ref. 1"), 1, 1, 0);
            b.conexion.Ejecutar(QStringLiteral("insert into tabla_que_no_existe values (1)"));
            t.Confirmar();
            QFAIL("the bad statement must throw");
        } catch (const ErrorBaseDatos &e) {
            QCOMPARE(e.Mensaje(),
                     QString::fromUtf8("Error en la base de datos.\r\nLa base de datos no tiene la "
                                       "estructura que el programa espera (falta una tabla o una columna)."));
        }
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("0"));
        // The connection is usable afterwards.
        MeterMovimientoCaja(5, QStringLiteral("Ref. 2"), 1, 2, 0);
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("1"));
    }

    // A long listing read a part at a time: every row once, in order; a failure on a later row
    // throws the database error instead of ending the list short; the connection goes on.
    void lecturaPorPartes()
    {
        BaseDePrueba b;
        b.Insertar("costureras", "idcosturera, nombre",
                   {"1, 'C1'", "2, 'C2'", "3, 'C3'", "4, 'C4'", "5, 'C5'"});
        auto leer = [&](const QString &sql) {
            QStringList filas;
            auto l = b.conexion.AbrirLectura(sql);
            QList<bool> quedan;
            for (int parte = 0; parte < 4; ++parte)
                quedan << l->Leer(2, [&](const FilaLeida &q) { filas << q.Valor(0).toString(); });
            return std::make_pair(filas, quedan);
        };
        const auto [filas, quedan] =
            leer(QStringLiteral("select nombre from costureras order by idcosturera"));
        QCOMPARE(filas, QStringList({"C1", "C2", "C3", "C4", "C5"}));
        QCOMPARE(quedan, QList<bool>({true, true, false, false}));
        // A screen closed halfway drops its reading; the connection serves the next statement.
        auto dejada =
            b.conexion.AbrirLectura(QStringLiteral("with recursive n(x) as (select 1 union all select x + 1 "
                                                   "from n where x < 200000) select x from n"));
        QVERIFY(dejada->Leer(1, [](const FilaLeida &) {}));
        dejada.reset();
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from costureras")), QStringLiteral("5"));

        // The third row cannot be made: integer overflow on the embedded engine, division by zero
        // on the server.
        const QString falla =
            b.conexion.motor() == Motor::SQLite
                ? QStringLiteral("select case when idcosturera < 3 then idcosturera else "
                                 "abs(-9223372036854775807 - 1) end from costureras order by idcosturera")
                : QStringLiteral("select 10 / (x - 3) from generate_series(1, 5) x");
        QStringList leidas;
        auto l = b.conexion.AbrirLectura(falla);
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, while (l->Leer(2, [&](const FilaLeida &q) {
                                     leidas << q.Valor(0).toString();
                                 })){});
        QVERIFY(leidas.size() < 3);
        l.reset();
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from costureras")), QStringLiteral("5"));
    }

    void consultasTraducidas_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("filas");
        QTest::newRow("top tras ordenar")
            << "SELECT top 3 idarreglo as x from arreglos order by idarreglo desc"
            << QStringList{"4", "3", "2"};
        QTest::newRow("top con punto y coma")
            << "select top 1 nombre as x from clientes order by nombre;" << QStringList{"Ana Pérez"};
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
        Recordset rs = AbrirRecordset(QStringLiteral(
            "select clientes.Nombre, Productos.Nombre, arreglos_detalles.precio, usuarios.Nombre from "
            "arreglos_detalles, arreglos, clientes, productos, usuarios where referenciaprenda = '1.1' and "
            "arreglos_detalles.idarreglo = arreglos.idarreglo and clientes.idcliente = arreglos.idcliente "
            "and productos.idproducto = arreglos_detalles.idproducto and usuarios.idusuario = "
            "arreglos.idusuario order by idarreglodetalle"));
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

QTEST_GUILESS_MAIN(PruebaConsultas)
#include "test_bd_consultas.moc"
