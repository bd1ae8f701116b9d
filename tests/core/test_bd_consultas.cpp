// The one-value lookups every screen leans on, the cash journal, and the shop's SQL dialect against the real
// engine of the run: both backends must give the same rows.
#include "BaseDePrueba.h"
#include "Casos.h"
#include "cash/Caja.h"
#include "core/BaseDatos.h"
#include "core/Catalogo.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/LecturaAparte.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"

#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

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

} // namespace

class PruebaConsultas : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The one-value lookups, on empty tables and then on rows with Null in every optional column.
    void lookups()
    {
        BaseDePrueba b;
        b.conexion.Ejecutar(u"delete from usuarios"_s);
        Casos({{DimeMaximo(u"idarreglo"_s, u"arreglos"_s), 0},
               {DimeMaximo(u"idmovimiento"_s, u"caja"_s), 0},
               {DimeTotalArreglo(1), 0.0},
               {DimeSumaCajaArreglo(1), 0.0},
               {DimeUltimoCierre(), QString()},
               {DimeIdFamiliaProducto(1), 0},
               {DimeNombreCosturera(1), QString()},
               {DimeCostureraDesactivada(1), 0},
               {ExisteArreglo(1), false},
               {DimeNombreClienteArreglo(1), u"??"_s},
               {DimeTelefonoClienteArreglo(1), u"??"_s},
               {DimeNombreDeFamilia(1), u"??"_s},
               {DimeUsuarioArreglo(1), 0},
               {DimeNombreUsuario(1), QString()},
               {ExisteTelefono(QString()), false},
               {DimeFechaServidor(), u"05/12/2026 10:30:00"_s}});

        b.Insertar("usuarios", "idusuario, nombre", {"1, 'Encargada'"});
        Sembrar(b);
        Casos({{DimeMaximo(u"idarreglo"_s, u"arreglos"_s), 41},
               {DimeMaximo(u"IdArreglo"_s, u"ARREGLOS"_s), 41},
               {FormatoImporte(DimeTotalArreglo(40)), u"1,247.36"_s},
               {DimeTotalArreglo(41), 0.0},
               {DimeIdFamiliaProducto(7), 4},
               {DimeIdFamiliaProducto(8), 0},
               {DimeNombreDeFamilia(4), u"Pantalón"_s},
               {DimeNombreDeFamilia(5), QString()},
               {DimeNombreCosturera(1), u"Rosa"_s},
               {DimeNombreCosturera(4), u"0"_s},
               {DimeCostureraDesactivada(3), 1},
               {DimeCostureraDesactivada(2), 0},
               {DimeCostureraDesactivada(1), 0},
               {ExisteArreglo(40), true},
               {ExisteArreglo(4), false},
               {DimeNombreClienteArreglo(40), u"Ana Pérez"_s},
               {DimeTelefonoClienteArreglo(40), u"600111222"_s},
               {DimeNombreClienteArreglo(41), QString()},
               {DimeTelefonoClienteArreglo(41), QString()},
               {ArregloEntregado(40), true},
               {ArregloEntregado(41), false},
               {DimeUsuarioArreglo(40), 2},
               {DimeUsuarioArreglo(41), 0},
               {DimeCosturera(u"40.1"_s), 2},
               {DimeCosturera(u"40.2"_s), 0},
               {DimeCosturera(u"40'3"_s), 0},
               {DimeNombreUsuario(1), u"Encargada"_s},
               {DimeNombreUsuario(2), u"Lucía"_s},
               {DimeNombreUsuario(3), u"0"_s},
               {EsTienda(2), true},
               {EsTienda(1), false},
               {EsTienda(3), false},
               {ExisteTelefono(u"911000000"_s), true},
               {ExisteTelefono(u"911"_s), false},
               {ExisteTelefono(u"' or ''='"_s), false}});

        // With no clock fixed, the database's own.
        G().reloj = nullptr;
        const QDateTime utc = QDateTime::currentDateTimeUtc();
        QDateTime esperado = QDateTime::currentDateTime();
        if (b.conexion.motor() == Motor::PostgreSQL) {
            // A server twelve hours away from this machine: the counters follow the server's clock.
            const int horas = (esperado.offsetFromUtc() / 3600 + 24) % 24 - 12;
            b.conexion.Ejecutar(u"SET TIME ZONE INTERVAL '%1%2:00' HOUR TO MINUTE"_s
                                    .arg(horas < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                                    .arg(qAbs(horas), 2, 10, QLatin1Char('0')));
            esperado = QDateTime(utc.date(), utc.time()).addSecs(horas * 3600);
        }
        for (const QString &ahora : {DimeFechaServidor(), b.Valor(u"select getdate() as f"_s)})
            QVERIFY2(qAbs(FechaDeTexto(ahora).secsTo(esperado)) < 5, qPrintable(ahora));
    }

    void valoresIdaYVuelta()
    {
        BaseDePrueba b;
        const QString texto = u"D'Angelo \"el Ñoño\" ; -- 50% [x]"_s;
        b.conexion.Ejecutar(u"insert into clientes (nombre, telefono) values ("_s + ComillasSQL(texto)
                            + u", "_s + ComillasSQL(u"''"_s) + u")"_s);
        QCOMPARE(b.Valor(u"select nombre from clientes"_s), texto);
        QVERIFY(ExisteTelefono(u"''"_s));

        // Amounts come back exactly as they went, as numbers.
        for (double importe : {12.5, 1234.56, -0.01, 99999.99}) {
            b.conexion.Ejecutar(u"delete from productos"_s);
            b.conexion.Ejecutar(u"insert into productos (idfamilia, nombre, precio1) values (1, 'x', "_s
                                + TextoNumero(importe) + u")"_s);
            Recordset rs = AbrirRecordset(u"select precio1 from productos"_s);
            QCOMPARE(rs.Campo(u"precio1"_s).toDouble(), importe);
            QCOMPARE(NuloABlanco(rs.Campo(u"precio1"_s)), TextoNumero(importe));
        }

        // Dates: written through the helpers, read back as date-times on both engines.
        const std::pair<QString, QString> fechas[] = {
            {LiteralFechaSQL(u"05/12/26"_s), u"05/12/2026"_s},
            {FechaSQL(u"5/3/2027"_s, G().EsSqlServer), u"05/03/2027"_s},
            {FechaSQL(u"31/12/2026 23:59:58"_s, G().EsSqlServer), u"31/12/2026 23:59:58"_s},
            {FechaSQL(QString(), G().EsSqlServer), QString()},
            {LiteralFechaSQL(RelojPrograma().Ahora()), u"05/12/2026 10:30:00"_s}};
        for (const auto &[literal, leida] : fechas) {
            b.conexion.Ejecutar(u"delete from arreglos"_s);
            b.conexion.Ejecutar(
                u"insert into arreglos (idarreglo, fechaarreglo) values (1, %1)"_s.arg(literal));
            const QVariant f = AbrirRecordset(u"select fechaarreglo from arreglos"_s).Campo(0);
            QVERIFY(f.isNull() ? leida.isEmpty() : f.metaType().id() == QMetaType::QDateTime);
            QCOMPARE(NuloABlanco(f), leida);
        }
        // Dates compare as dates, not as the text they were typed as.
        QCOMPARE(b.Valor(u"select count(*) from arreglos where fechaarreglo > "_s
                         + FechaSQL(u"6/11/2026"_s, G().EsSqlServer)),
                 u"1"_s);
    }

    void caja()
    {
        BaseDePrueba b;
        MeterMovimientoCaja(0, u"Nada"_s, 1, 0, 0);
        MeterMovimientoCaja(0.004, u"Nada"_s, 1, 0, 0);
        QCOMPARE(b.Valor(u"select count(*) from caja"_s), u"0"_s);
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 4), QTime(19, 5, 7)));
        MeterMovimientoCaja(20, u"Ref. 40"_s, 2, 40, 0);
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 5), QTime(10, 30)));
        MeterMovimientoCaja(-12.5, u"Retirado de caja"_s, 1, 0, 0);
        // Rounded to cents before it is written, so that both backends keep the same figure.
        MeterMovimientoCaja(1234.567, u"Arreglo de D'Angelo"_s, 1, 40, 0);
        QCOMPARE(Filas(b, u"select importe, concepto, cerrado from caja order by idmovimiento"_s),
                 (QStringList{u"20|Ref. 40|0"_s, u"-12.5|Retirado de caja|0"_s,
                              u"1234.57|Arreglo de D'Angelo|0"_s}));
        QCOMPARE(DimeSumaCajaArreglo(40), 1254.57);
        QCOMPARE(DimeSumaCajaArreglo(41), 0.0);
        QCOMPARE(DimeUltimoCierre(), u"20261205"_s);

        // The newest movement is the last booked, whatever its date says.
        b.conexion.Ejecutar(u"insert into caja (importe, concepto, fecha, nombrecierre, cerrado, "
                            "formapago, idarreglo, idticket) values (1, 'Ajuste', "_s
                            + LiteralFechaSQL(u"04/12/2026 19:05:07"_s) + u", '20261204', 0, 1, 0, 0)"_s);
        QCOMPARE(DimeUltimoCierre(), u"20261204"_s);

        // A row that arrives with its number (restored, imported) does not block the next new one.
        b.conexion.Ejecutar(u"insert into caja (idmovimiento, importe) values (10, 1)"_s);
        MeterMovimientoCaja(6, u"Ref. 2"_s, 1, 2, 0);
        QCOMPARE(DimeMaximo(u"idmovimiento"_s, u"caja"_s), 11);
        QCOMPARE(DimeSumaCajaArreglo(2), 6.0);
        b.Insertar("clientes", "idcliente, nombre", {"7, 'Rosa'"});
        b.Insertar("clientes", "nombre", {"'Pilar'"});
        b.Insertar("clientes", "idcliente, nombre", {"3, 'Carmen'"});
        b.Insertar("clientes", "nombre", {"'Encarna'"});
        QCOMPARE(b.Columna(u"select idcliente from clientes order by idcliente"_s),
                 (QStringList{"3", "7", "8", "9"}));
    }

    void retiradaYTransaccionFallida()
    {
        BaseDePrueba b;
        G().NombreCierre = u"20261205"_s;
        b.dialogos.pad = {u"12.5"_s, u"0"_s, QString(), u"abc"_s};
        for (int i = 0; i < 4; ++i)
            cmdSacarDinero_Click();
        QCOMPARE(b.dialogos.titulosPad.first(), u"¿Cantidad a sacar de la caja?"_s);
        // A withdrawal of 0 books nothing but is still confirmed; no answer, no message; a figure
        // that is no amount is refused.
        QCOMPARE(b.dialogos.mensajes, (QStringList{u"Se ha registrado una retirada de 12.50 € de la caja"_s,
                                                   u"Se ha registrado una retirada de 0.00 € de la caja"_s,
                                                   u"«abc» no es un importe válido."_s}));
        QCOMPARE(b.Columna(u"select importe from caja"_s), QStringList{u"-12.5"_s});
        QCOMPARE(b.Valor(u"select concepto || '|' || nombrecierre from caja"_s),
                 u"Retirado de caja|20261205"_s);

        // A transaction that fails leaves nothing of it, and the connection goes on.
        try {
            Transaccion t(b.conexion);
            MeterMovimientoCaja(10, u"Ref. 1"_s, 1, 1, 0);
            b.conexion.Ejecutar(u"insert into tabla_que_no_existe values (1)"_s);
            t.Confirmar();
            QFAIL("the bad statement must throw");
        } catch (const ErrorBaseDatos &e) {
            QCOMPARE(e.Mensaje(), u"Error en la base de datos.\r\nLa base de datos no tiene la "
                                  "estructura que el programa espera (falta una tabla o una columna)."_s);
        }
        QCOMPARE(b.Valor(u"select count(*) from caja"_s), u"1"_s);
        MeterMovimientoCaja(5, u"Ref. 2"_s, 1, 2, 0);
        QCOMPARE(b.Valor(u"select count(*) from caja"_s), u"2"_s);
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
        const auto [filas, quedan] = leer(u"select nombre from costureras order by idcosturera"_s);
        QCOMPARE(filas, QStringList({"C1", "C2", "C3", "C4", "C5"}));
        QCOMPARE(quedan, QList<bool>({true, true, false, false}));
        // A screen closed halfway drops its reading; the connection serves the next statement.
        const QString larga =
            u"with recursive n(x) as (select 1 union all select x + 1 from n where x < 200000) select x from n"_s;
        auto dejada = b.conexion.AbrirLectura(larga);
        QVERIFY(dejada->Leer(1, [](const FilaLeida &) {}));
        dejada.reset();
        QCOMPARE(b.Valor(u"select count(*) from costureras"_s), u"5"_s);
        // Inside a transaction the server is not told to stop: that would undo the transaction.
        b.conexion.ComenzarTransaccion();
        dejada = b.conexion.AbrirLectura(larga);
        QVERIFY(dejada->Leer(1, [](const FilaLeida &) {}));
        dejada.reset();
        QCOMPARE(b.conexion.Ejecutar(u"update costureras set nombre = 'C5' where idcosturera = 5"_s), 1);
        b.conexion.ConfirmarTransaccion();

        // The third row cannot be made: integer overflow on the embedded engine, division by zero
        // on the server.
        const QString falla = b.conexion.motor() == Motor::SQLite
                                  ? u"select case when idcosturera < 3 then idcosturera else "
                                    "abs(-9223372036854775807 - 1) end from costureras order by idcosturera"_s
                                  : u"select 10 / (x - 3) from generate_series(1, 5) x"_s;
        QStringList leidas;
        auto l = b.conexion.AbrirLectura(falla);
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, while (l->Leer(2, [&](const FilaLeida &q) {
                                     leidas << q.Valor(0).toString();
                                 })){});
        QVERIFY(leidas.size() < 3);
        l.reset();
        QCOMPARE(b.Valor(u"select count(*) from costureras"_s), u"5"_s);

        // Read ahead by a worker on a connection of its own: the same rows, and its failure thrown
        // here with the usual message.
        auto aparte = [&](const QString &sql) {
            QStringList filas;
            LecturaAparte l(b.conexion, sql);
            while (l.Leer(2, [&](const FilaLeida &q) { filas << q.Texto(0); })) {
            }
            return filas;
        };
        QCOMPARE(aparte(u"select nombre from costureras order by idcosturera"_s), filas);
        try {
            aparte(falla);
            QFAIL("the failing row must throw");
        } catch (const ErrorBaseDatos &e) {
            QVERIFY(e.Mensaje().startsWith(u"Error en la base de datos.\r\n"_s));
        }
    }

    // The shop's SQL dialect, translated for the engine of the run.
    void consultasTraducidas()
    {
        BaseDePrueba b;
        SembrarTienda(b);
        const std::pair<QString, QStringList> casos[] = {
            {u"SELECT top 3 idarreglo from arreglos order by idarreglo desc"_s, {"4", "3", "2"}},
            {u"select top 1 nombre from clientes order by nombre;"_s, {"Ana Pérez"}},
            {u"select [idarreglo] from arreglos where [arreglos].[idarreglo] = 2"_s, {"2"}},
            // Whole days crossed up to now: due tonight is 0 days late, the future is negative.
            {u"select DateDiff('d',[arreglos].[fechaprevistaentrega],Now()) from arreglos order by idarreglo"_s,
             {"20", "0", "-15", "8"}},
            {u"select idarreglo from arreglos where DateDiff('d',fechaprevistaentrega,Now()) >= 0 "
             "and entregadoacliente is null order by idarreglo"_s,
             {"1", "2"}},
            {u"select idarreglo from arreglos where year(fecharealentrega) = 2026 AND MONTH(FECHAREALENTREGA) = 11"_s,
             {"4"}},
            {u"select idarreglo from arreglos where fechaprevistaentrega between "
             "convert(datetime,'1/12/2026') and convert(datetime,'10/12/2026')"_s,
             {"2"}},
            {u"select nombre from clientes where nombre like '%PÉREZ%'"_s, {"Ana Pérez"}},
            {u"select nombre from clientes where nombre like "_s + ComillasSQL(u"%ángela d'o%"_s),
             {"Ángela D'Oro"}},
            {u"select nombre from clientes where nombre LIKE 'mer_er_a%'"_s, {"Mercería Sol"}},
        };
        for (const auto &[sql, filas] : casos)
            QCOMPARE(b.Columna(sql), filas);

        // A date typed day first for convert() reads back as the same day on every engine.
        b.conexion.Ejecutar(
            u"update arreglos set fechaprevistaentrega = convert(datetime,'5/3/2027'), "
            "fechaarreglo = CONVERT( datetime , '05/12/2026 10:30:00' ) where idarreglo = 3"_s);
        Recordset rs = AbrirRecordset(u"select * from arreglos where idarreglo = 3"_s);
        QCOMPARE(rs.Campo(u"fechaprevistaentrega"_s).toDateTime(), QDateTime(QDate(2027, 3, 5), QTime(0, 0)));
        QCOMPARE(rs.Campo(u"fechaarreglo"_s).toDateTime(), QDateTime(QDate(2026, 12, 5), QTime(10, 30)));

        // A date sent as typed, day first, is still a date the engine can take apart.
        b.conexion.Ejecutar(
            u"update arreglos set fecharealentrega = '05/12/2026 10:30:00' where idarreglo = 2"_s);
        QCOMPARE(Filas(b, u"select fecharealentrega, year(fecharealentrega), MONTH(fecharealentrega), "
                          "DateDiff('h', fecharealentrega, convert(datetime,'6/12/2026 00:00:00')) from "
                          "arreglos where idarreglo = 2"_s),
                 QStringList{u"05/12/2026 10:30:00|2026|12|14"_s});

        // The shop clock, not the machine's, on both engines.
        QCOMPARE(Filas(b, u"select getdate() as fech, Now() as ahora"_s),
                 QStringList{u"05/12/2026 10:30:00|05/12/2026 10:30:00"_s});

        // What the user typed is data, never SQL, whatever it looks like.
        const QString raro = u"[x] top 5 now() getdate() like convert(datetime,'1/2/2020') ; -- '"_s;
        b.conexion.Ejecutar(u"insert into clientes (nombre, telefono) values ("_s + ComillasSQL(raro)
                            + u", 'top 1')"_s);
        b.conexion.Ejecutar(
            u"insert into caja (importe, concepto, nombrecierre) values (1, 'convert(datetime,', ')')"_s);
        QCOMPARE(b.Columna(u"select top 1 nombre from clientes where telefono = 'top 1'"_s),
                 QStringList{raro});
        QCOMPARE(b.Valor(u"select concepto || '|' || nombrecierre from caja"_s), u"convert(datetime,|)"_s);
        QVERIFY(ExisteTelefono(u"top 1"_s));

        // Several columns called Nombre: the table prefix picks one, the bare name the first.
        rs = AbrirRecordset(
            u"select clientes.Nombre, Productos.Nombre, arreglos_detalles.precio, usuarios.Nombre from "
            "arreglos_detalles, arreglos, clientes, productos, usuarios where referenciaprenda = '1.1' and "
            "arreglos_detalles.idarreglo = arreglos.idarreglo and clientes.idcliente = arreglos.idcliente "
            "and productos.idproducto = arreglos_detalles.idproducto and usuarios.idusuario = "
            "arreglos.idusuario order by idarreglodetalle"_s);
        QCOMPARE(rs.Cuantos(), 2);
        QCOMPARE(NuloABlanco(rs.Campo(u"Clientes.Nombre"_s)), u"Ana Pérez"_s);
        QCOMPARE(NuloABlanco(rs.Campo(u"productos.nombre"_s)), u"Bajo"_s);
        QCOMPARE(NuloABlanco(rs.Campo(u"USUARIOS.NOMBRE"_s)), u"Encargada"_s);
        QCOMPARE(NuloABlanco(rs.Campo(u"nombre"_s)), u"Ana Pérez"_s);
        rs.MoveNext();
        QCOMPARE(NuloABlanco(rs.Campo(u"productos.nombre"_s)), u"Meter cintura"_s);
        QCOMPARE(FormatoImporte(rs.Campo(u"precio"_s)), u"8.00"_s);
        rs.MoveNext();
        QVERIFY(rs.EOF_());
        QVERIFY(rs.Campo(u"nombre"_s).isNull());
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, rs.Campo(u"costureras.nombre"_s));
    }
    // What the counter holds in memory follows the database: this program's own writes at once,
    // another counter's at once on the embedded file and, on the server, once it is read again.
    // Writes queued inside a transaction are seen by the statements after them, and go with it.
    void memoriaYEscriturasEncoladas()
    {
        BaseDePrueba b;
        Sembrar(b);
        b.conexion.Ejecutar(u"delete from familias where nombre is null"_s);
        b.Insertar("familias", "idfamilia, nombre", {"6, 'Abrigo'"});
        b.Insertar("productos", "idproducto, idfamilia, nombre, precio1, precio2, activo",
                   {"9, 4, 'Acortar', 7, 5, 0", "10, 4, 'Ya no', 1, 1, 1"});
        QStringList familias;
        for (const Catalogo::Familia &f : Catalogo::Familias())
            familias << f.nombre;
        QCOMPARE(familias, (QStringList{u"Abrigo"_s, u"Pantalón"_s}));
        QCOMPARE(Catalogo::ProductosEnVenta(4).size(), size_t(1));
        QCOMPARE(Catalogo::BuscarProducto(9)->precio2, 5.0);
        QVERIFY(!Catalogo::BuscarProducto(11));
        b.conexion.Ejecutar(u"update productos set precio1 = 8 where idproducto = 9"_s);
        QCOMPARE(Catalogo::BuscarProducto(9)->precio1, 8.0);

        Conexion otra;
        otra.Abrir(b.conexion.DimeApertura());
        Catalogo::Familias();
        QSqlQuery q(otra.db());
        QVERIFY(q.exec(u"update productos set precio1 = 9 where idproducto = 9"_s));
        const bool servidor = b.conexion.motor() == Motor::PostgreSQL;
        QCOMPARE(Catalogo::BuscarProducto(9)->precio1, servidor ? 8.0 : 9.0);
        Catalogo::Olvidar();
        QCOMPARE(Catalogo::BuscarProducto(9)->precio1, 9.0);

        {
            Transaccion t(b.conexion);
            b.conexion.Encolar(u"insert into caja (importe, concepto) values (1, 'a')"_s);
            b.conexion.Encolar(u"insert into caja (importe, concepto) values (2, 'b')"_s);
            QCOMPARE(b.Valor(u"select sum(importe) from caja"_s).toDouble(), 3.0);
            b.conexion.Encolar(u"insert into caja (importe, concepto) values (4, 'c')"_s);
        } // rolled back
        QCOMPARE(b.Valor(u"select count(*) from caja"_s), u"0"_s);
        try {
            Transaccion t(b.conexion);
            b.conexion.Encolar(u"insert into caja (importe, concepto) values (1, 'a')"_s);
            b.conexion.Encolar(u"insert into tabla_que_no_existe values (1)"_s);
            t.Confirmar();
            QFAIL("the bad statement must throw at the commit at the latest");
        } catch (const ErrorBaseDatos &) {
        }
        QCOMPARE(b.Valor(u"select count(*) from caja"_s), u"0"_s);
        {
            Transaccion t(b.conexion);
            b.conexion.Encolar(u"insert into caja (importe, concepto) values (5, 'd')"_s);
            t.Confirmar();
        }
        b.conexion.Encolar(u"insert into caja (importe, concepto) values (6, 'e')"_s);
        QCOMPARE(otra.AbrirRecordset(u"select sum(importe) from caja"_s).Campo(0).toDouble(), 11.0);

        // Another counter moves the database past this program: the next write is refused, whole.
        const int version = VersionEsquemaPrograma();
        b.conexion.RecordarVersionEsquema(version);
        QVERIFY(QSqlQuery(otra.db()).exec(u"update esquema set version = %1"_s.arg(version + 1)));
        try {
            Transaccion t(b.conexion);
            b.conexion.Encolar(u"insert into caja (importe, concepto) values (7, 'f')"_s);
            b.conexion.Ejecutar(u"insert into colores (nombre) values ('Nuevo')"_s);
            t.Confirmar();
            QFAIL("a newer database must refuse the write");
        } catch (const ErrorBaseDatos &e) {
            QVERIFY2(e.Mensaje().contains(
                         u"(versión de datos %1; este programa conoce hasta la %2)"_s.arg(version + 1)
                             .arg(version)),
                     qPrintable(e.Mensaje()));
        }
        QCOMPARE(b.Valor(u"select count(*) from caja"_s), u"2"_s);
    }
};

QTEST_GUILESS_MAIN(PruebaConsultas)
#include "test_bd_consultas.moc"
