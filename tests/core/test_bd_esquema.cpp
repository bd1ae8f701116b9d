#include "BaseDePrueba.h"
#include "Fiabilidad.h"
#include "cash/CopiaSeguridad.h"
#include "core/BaseDatos.h"
#include "core/Configuracion.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlRecord>
#include <QtTest>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// A database kept from an earlier release (tests/datos), in place of the test's own.
void PonerAntigua(BaseDePrueba &b, const QString &nombre)
{
    if (!b.nombreBaseServidor.isEmpty()) {
        const DatosServidor d = BaseDePrueba::ServidorDePrueba(b.nombreBaseServidor);
        b.conexion.Ejecutar(u"drop collation if exists espanol"_s); // the connection made it; the dump has it
        QProcess psql;
        psql.start(u"psql"_s, {u"-X"_s, u"-q"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s, u"-h"_s, d.host, u"-p"_s,
                               QString::number(d.puerto), u"-U"_s, d.usuario, u"-d"_s, d.basedatos, u"-f"_s,
                               QStringLiteral(HILVAN_DATOS "/%1.sql").arg(nombre)});
        QVERIFY(psql.waitForFinished(120000));
        QVERIFY2(psql.exitCode() == 0, psql.readAllStandardError().constData());
        return;
    }
    const QString ruta = b.dir.filePath(u"prueba.db"_s);
    b.conexion.Cerrar();
    QFile::remove(ruta);
    QVERIFY(QFile::copy(QStringLiteral(HILVAN_DATOS "/%1.db").arg(nombre), ruta));
    QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner);
    b.conexion.AbrirSQLite(ruta);
}

// What must not move: every row of every table and, on the embedded engine, the file's bytes
// (its journal emptied into it first).
QString Huella(BaseDePrueba &b)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (b.nombreBaseServidor.isEmpty()) {
        b.conexion.AbrirRecordset(u"pragma wal_checkpoint(truncate)"_s);
        const QString ruta = b.dir.filePath(u"prueba.db"_s);
        h.addData(LeerArchivo(ruta) + "|" + LeerArchivo(ruta + u"-wal"_s));
    }
    QString filas;
    QDebug(&filas) << b.Contenido();
    return QString::fromLatin1(h.result().toHex()) + filas;
}

// The schema as version 5 left it, on a database now at 6.
void AVersion5(Conexion &c)
{
    for (const QString &sql :
         {u"drop table copiasautomaticas"_s, u"alter table parametros drop column carpetacopias2"_s,
          u"update esquema set version = 5"_s})
        c.Ejecutar(sql);
}

// Every row of the old tables in their old columns (those there at the first call), but the journal.
QMap<QString, QStringList> Viejas(BaseDePrueba &b, QMap<QString, QString> &columnas)
{
    for (const QString &t : columnas.isEmpty() ? b.conexion.db().tables() : QStringList()) {
        const QSqlRecord campos = b.conexion.db().record(t);
        for (int i = 0; i < campos.count(); ++i)
            columnas[t] += (i ? u", "_s : QString()) + campos.fieldName(i);
    }
    QMap<QString, QStringList> r;
    for (auto t = columnas.cbegin(); t != columnas.cend(); ++t) {
        r[t.key()] = Filas(b.conexion, u"select %1 from %2"_s.arg(*t, t.key()), u"<nulo>"_s);
        r[t.key()].sort();
    }
    r.remove(u"operaciones"_s); // a restore adds its own entry, and its number
    r.remove(u"sqlite_sequence"_s);
    return r;
}

} // namespace

class PruebaEsquema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tiendaAntigua_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<int>("version");
        QTest::newRow("antes-de-versiones") << u"antes-de-versiones"_s << 0;
    }

    // An old shop kept in tests/datos: a counter that cannot make its copy first upgrades nothing;
    // actualizar upgrades it after its copy, every value kept, and a second run changes nothing. The
    // copy, restored, goes through the same steps.
    void tiendaAntigua()
    {
        QFETCH(QString, nombre);
        QFETCH(int, version);
        BaseDePrueba b(false);
        PonerAntigua(b, nombre);
        QMap<QString, QString> columnas;
        const QMap<QString, QStringList> antes = Viejas(b, columnas);
        QVERIFY(antes.value(u"arreglos"_s).size() > 3);

        const QString config = b.dir.filePath(u"bdcostuaccess.dat"_s),
                      copias = b.dir.filePath(u"copiasseguridad"_s);
        EscribirConfiguracion(config, b.LineasConfiguracion());
        Escribir(copias, {});
        frmPrincipal sinCopia;
        QVERIFY(!sinCopia.CargarFormulario(config));
        G().conexion = &b.conexion;
        QVERIFY(b.dialogos.mensajes.value(0).startsWith(
            u"La base de datos no se ha actualizado a la versión nueva "
            "del programa: antes hay que hacer una copia"_s));
        QCOMPARE(VersionEsquema(b.conexion), version);
        QVERIFY(QFile::remove(copias));

        QString dicho;
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"actualizar"_s}, {}, &dicho), 0);
        QVERIFY(dicho.startsWith(u"Versión %1: "_s.arg(version + 1)));
        QCOMPARE(VersionEsquema(b.conexion), VersionEsquemaPrograma());
        QCOMPARE(Viejas(b, columnas), antes);
        const QString copia = dicho.section(u"comprobada: "_s, 1).trimmed();
        QVERIFY2(copia.startsWith(copias + u"/antes-de-actualizar_"_s), qPrintable(dicho));

        const QString huella = Huella(b);
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"actualizar"_s}, {}, &dicho), 0);
        QCOMPARE(dicho.trimmed(),
                 u"La base de datos ya está al día (versión %1 de datos)."_s.arg(VersionEsquemaPrograma()));
        QCOMPARE(Huella(b), huella);

        b.conexion.Ejecutar(u"delete from arreglos"_s);
        QVERIFY(RestaurarCopia(b.conexion, copia, copias, b.reloj.Ahora()).ok);
        QCOMPARE(VersionEsquema(b.conexion), VersionEsquemaPrograma());
        QCOMPARE(b.Valor(u"select count(carpetacopias2) from parametros"_s), u"0"_s); // the steps ran
        QCOMPARE(Viejas(b, columnas), antes);
    }

    // A database, or a copy, of a newer program is refused by every path and left as it was.
    void masNueva()
    {
        BaseDePrueba b;
        b.conexion.Ejecutar(u"update esquema set version = 99"_s);
        b.conexion.RecordarVersionEsquema(0); // the test's own connection goes on writing
        const ResultadoCopia nueva =
            HacerCopiaSeguridad(b.conexion, b.dir.filePath(u"nueva"_s), b.reloj.Ahora());
        const QString versiones =
            u"versión de datos 99; este programa conoce hasta la %1"_s.arg(VersionEsquemaPrograma());
        const QString huella = Huella(b);
        QString dicho;
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"actualizar"_s}, {}, &dicho), 1);
        QCOMPARE(dicho.trimmed(),
                 u"La base de datos es de una versión más nueva del programa (%1).\r\nNo se ha "
                 "cambiado nada: instale la versión nueva del programa en este ordenador."_s.arg(versiones));
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"importar"_s, b.dir.filePath(u"datos"_s)}, {}, &dicho), 1);
        QVERIFY(dicho.contains(versiones));
        frmPrincipal f;
        QVERIFY(!f.CargarFormulario(b.dir.filePath(u"bdcostuaccess.dat"_s)));
        QVERIFY(b.dialogos.mensajes.last().contains(versiones));
        G().conexion = &b.conexion;
        QCOMPARE(Huella(b), huella);

        b.conexion.Ejecutar(u"update esquema set version = %1"_s.arg(VersionEsquemaPrograma()));
        const QString actual = Huella(b);
        const ResultadoCopia r =
            RestaurarCopia(b.conexion, nueva.archivo, b.dir.filePath(u"apartadas"_s), {});
        QVERIFY2(r.error.contains(versiones), qPrintable(r.error));
        QVERIFY(!QDir(b.dir.filePath(u"apartadas"_s)).exists());
        QCOMPARE(Huella(b), actual);
    }

    // Two counters on one database: the one of the new version upgrades (after its copy, saying so
    // once) and writes on; the older one refuses to write. On the server a counter starting while
    // another holds the steps' lock waits, then finds them done.
    void dosMostradores()
    {
        BaseDePrueba b;
        AVersion5(b.conexion);
        Conexion vieja;
        AbrirOtraVez(b, vieja);
        vieja.RecordarVersionEsquema(5);
        const QString config = b.dir.filePath(u"bdcostuaccess.dat"_s);
        EscribirConfiguracion(config, b.LineasConfiguracion());
        b.dialogos.siNo = {7};
        frmPrincipal nuevo;
        QVERIFY(nuevo.CargarFormulario(config));
        G().conexion = &b.conexion;
        QVERIFY(
            b.dialogos.mensajes.value(0).startsWith(u"La base de datos se ha actualizado a la versión %1 de "
                                                    "datos:\nVersión 6: "_s.arg(VersionEsquemaPrograma())));
        QVERIFY(b.dialogos.mensajes.value(0).contains(
            u"comprobada: %1/copiasseguridad/antes-de-actualizar_"_s.arg(b.dir.path())));
        b.conexion.Ejecutar(u"insert into colores (nombre) values ('Malva')"_s);
        QString dicho;
        try {
            vieja.Ejecutar(u"insert into colores (nombre) values ('X')"_s);
        } catch (const ErrorBaseDatos &e) {
            dicho = e.Mensaje();
        }
        QCOMPARE(dicho,
                 u"Otro mostrador ha actualizado la base de datos con una versión más nueva del programa "
                 "(versión de datos %1; este programa conoce hasta la 5).\r\nNo se ha guardado nada: "
                 "actualice el programa en este mostrador."_s.arg(VersionEsquemaPrograma()));
        // On the server the refusal comes with the transaction's first statement.
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, {
            Transaccion t(vieja);
            vieja.Ejecutar(u"insert into colores (nombre) values ('X')"_s);
        });

        if (b.nombreBaseServidor.isEmpty())
            return;
        AVersion5(b.conexion);
        vieja.AbrirRecordset(u"select pg_advisory_lock(48570211)"_s); // the lock of the schema's steps
        QStringList hechos{u"sin acabar"_s};
        std::thread otro([&] {
            Conexion c;
            AbrirOtraVez(b, c);
            hechos = ActualizarEsquema(c);
        });
        const QString esperando =
            u"select count(*) from pg_locks where locktype = 'advisory' and not granted"_s;
        for (int i = 0; i < 3000 && Filas(vieja, esperando) != QStringList{u"1"_s}; ++i)
            QThread::msleep(20);
        QCOMPARE(Filas(vieja, esperando), QStringList{u"1"_s});
        for (const QString &sql : {u"alter table parametros add column carpetacopias2 text"_s,
                                   u"create table copiasautomaticas (dia text)"_s,
                                   u"update esquema set version = %1"_s.arg(VersionEsquemaPrograma()),
                                   u"select pg_advisory_unlock(48570211)"_s})
            vieja.AbrirRecordset(sql);
        otro.join();
        QCOMPARE(hechos, QStringList());
    }
};

QTEST_GUILESS_MAIN(PruebaEsquema)
#include "test_bd_esquema.moc"
