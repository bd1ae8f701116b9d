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

bool Servidor()
{
    return BaseDePrueba::MotorPedido() == Motor::PostgreSQL;
}

// A database kept from an earlier release (tests/datos), in place of the test's own.
void PonerAntigua(BaseDePrueba &b, const QString &nombre)
{
    if (Servidor()) {
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
    if (!Servidor()) {
        b.conexion.AbrirRecordset(u"pragma wal_checkpoint(truncate)"_s);
        const QString ruta = b.dir.filePath(u"prueba.db"_s);
        h.addData(LeerArchivo(ruta) + "|" + LeerArchivo(ruta + u"-wal"_s));
    }
    const QMap<QString, QStringList> todo = b.Contenido();
    for (auto t = todo.cbegin(); t != todo.cend(); ++t)
        h.addData((t.key() + t->join(u'\n')).toUtf8());
    return QString::fromLatin1(h.result().toHex());
}

// The schema as version 5 left it, on a database now at 6.
void AVersion5(Conexion &c)
{
    c.Ejecutar(u"drop table copiasautomaticas"_s);
    c.Ejecutar(u"alter table parametros drop column carpetacopias2"_s);
    c.Ejecutar(u"update esquema set version = 5"_s);
}

} // namespace

class PruebaEsquema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The kept old shop is brought up to date, every value kept, with a copy made first; a second
    // run changes nothing. Restored as a copy, it goes through the same steps.
    void tiendaAntigua_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<int>("version");
        QTest::newRow("antes-de-versiones") << u"antes-de-versiones"_s << 0;
    }

    void tiendaAntigua()
    {
        QFETCH(QString, nombre);
        QFETCH(int, version);
        BaseDePrueba b(false);
        PonerAntigua(b, nombre);
        QCOMPARE(VersionEsquema(b.conexion), version);
        QMap<QString, QString> columnas;
        for (const QString &t : b.Contenido().keys()) {
            QStringList c;
            const QSqlRecord r = b.conexion.db().record(t);
            for (int i = 0; i < r.count(); ++i)
                c << r.fieldName(i);
            columnas[t] = c.join(u", "_s);
        }
        const auto viejas = [&] {
            QMap<QString, QStringList> r;
            for (auto t = columnas.cbegin(); t != columnas.cend(); ++t) {
                r[t.key()] = Filas(b.conexion, u"select %1 from %2"_s.arg(*t, t.key()), u"<nulo>"_s);
                r[t.key()].sort();
            }
            return r;
        };
        const QMap<QString, QStringList> antes = viejas();
        QVERIFY(antes.value(u"arreglos"_s).size() > 3);

        // A counter that cannot make its copy first upgrades nothing.
        const QString config = b.dir.filePath(u"bdcostuaccess.dat"_s);
        EscribirConfiguracion(config, b.LineasConfiguracion());
        Escribir(b.dir.filePath(u"copiasseguridad"_s), {});
        frmPrincipal sinCopia;
        QVERIFY(!sinCopia.CargarFormulario(config));
        G().conexion = &b.conexion;
        QVERIFY2(
            b.dialogos.mensajes.value(0).startsWith(u"La base de datos no se ha actualizado a la versión "
                                                    "nueva del programa: antes hay que hacer una copia"_s),
            qPrintable(b.dialogos.mensajes.value(0)));
        QCOMPARE(VersionEsquema(b.conexion), version);
        QVERIFY(QFile::remove(b.dir.filePath(u"copiasseguridad"_s)));

        QString dicho;
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"actualizar"_s}, {}, &dicho), 0);
        qInfo().noquote() << dicho;
        QVERIFY2(dicho.startsWith(u"Versión %1: "_s.arg(version + 1)), qPrintable(dicho));
        QVERIFY(dicho.contains(u"Versión %1: "_s.arg(VersionEsquemaPrograma())));
        QCOMPARE(VersionEsquema(b.conexion), VersionEsquemaPrograma());
        QCOMPARE(viejas(), antes);
        const QString copia = dicho.section(u"comprobada: "_s, 1).trimmed();
        QVERIFY2(QFileInfo(copia).fileName().startsWith(u"antes-de-actualizar_"_s), qPrintable(dicho));

        const QString huella = Huella(b);
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"actualizar"_s}, {}, &dicho), 0);
        QCOMPARE(dicho.trimmed(),
                 u"La base de datos ya está al día (versión %1 de datos)."_s.arg(VersionEsquemaPrograma()));
        QCOMPARE(Huella(b), huella);

        // The copy made before the upgrade is the old shop: restored, it is upgraded again.
        b.conexion.Ejecutar(u"delete from arreglos"_s);
        const ResultadoCopia r =
            RestaurarCopia(b.conexion, copia, b.dir.filePath(u"apartadas"_s), b.reloj.Ahora());
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(VersionEsquema(b.conexion), VersionEsquemaPrograma());
        QMap<QString, QStringList> restaurada = viejas(), sinRegistro = antes;
        restaurada.remove(u"operaciones"_s); // the restore's own entry
        sinRegistro.remove(u"operaciones"_s);
        QCOMPARE(restaurada, sinRegistro);
    }

    // A database of a newer program is refused by every path and left exactly as it was.
    void masNueva()
    {
        BaseDePrueba b;
        b.conexion.Ejecutar(u"update esquema set version = 99"_s);
        b.conexion.RecordarVersionEsquema(0); // the test's own connection goes on writing
        const ResultadoCopia nueva =
            HacerCopiaSeguridad(b.conexion, b.dir.filePath(u"nueva"_s), b.reloj.Ahora());
        QVERIFY(nueva.ok);
        const QString versiones =
            u"versión de datos 99; este programa conoce hasta la %1"_s.arg(VersionEsquemaPrograma());
        const QString huella = Huella(b);

        QString dicho;
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"actualizar"_s}, {}, &dicho), 1);
        qInfo().noquote() << dicho;
        QCOMPARE(
            dicho.trimmed(),
            u"La base de datos es de una versión más nueva del programa (%1).\r\nNo se "
            "ha cambiado nada: instale la versión nueva del programa en este ordenador."_s.arg(versiones));
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"importar"_s, b.dir.filePath(u"datos"_s)}, {}, &dicho), 1);
        QVERIFY2(dicho.contains(versiones), qPrintable(dicho));
        frmPrincipal f;
        QVERIFY(!f.CargarFormulario(b.dir.filePath(u"bdcostuaccess.dat"_s)));
        QVERIFY(b.dialogos.mensajes.last().contains(versiones));
        G().conexion = &b.conexion;
        QCOMPARE(Huella(b), huella);

        // A copy of a newer program is refused before anything is set aside or replaced.
        b.conexion.Ejecutar(u"update esquema set version = %1"_s.arg(VersionEsquemaPrograma()));
        const QString actual = Huella(b);
        const ResultadoCopia r =
            RestaurarCopia(b.conexion, nueva.archivo, b.dir.filePath(u"apartadas"_s), b.reloj.Ahora());
        QVERIFY2(r.error.contains(versiones), qPrintable(r.error));
        QVERIFY(!QDir(b.dir.filePath(u"apartadas"_s)).exists());
        QCOMPARE(Huella(b), actual);
    }

    // Two counters on one database: the one that upgraded writes on; the older one refuses to write.
    // On the server the lock makes a counter starting meanwhile wait, then find the steps done.
    void dosMostradores()
    {
        BaseDePrueba b;
        AVersion5(b.conexion);
        Conexion vieja;
        AbrirOtraVez(b, vieja);
        vieja.RecordarVersionEsquema(5);
        // The counter of the new version upgrades, after its copy, and says so once.
        const QString config = b.dir.filePath(u"bdcostuaccess.dat"_s);
        EscribirConfiguracion(config, b.LineasConfiguracion());
        b.dialogos.siNo = {7};
        frmPrincipal nuevo;
        QVERIFY(nuevo.CargarFormulario(config));
        G().conexion = &b.conexion;
        QCOMPARE(
            b.dialogos.mensajes.value(0),
            u"La base de datos se ha actualizado a la versión 6 de datos:\r\n%1\r\nAntes se hizo una copia "
            "de seguridad comprobada: %2"_s.arg(
                QString::fromUtf8(PasosEsquema().back().descripcion).prepend(u"Versión 6: "_s),
                b.dir.filePath(u"copiasseguridad/antes-de-actualizar_"
                               "2026-12-05_103000"_s)
                    + (Servidor() ? u".dump"_s : u".db"_s)));
        b.conexion.Ejecutar(u"insert into colores (nombre) values ('Malva')"_s);
        QString dicho;
        try {
            vieja.Ejecutar(u"insert into colores (nombre) values ('X')"_s);
        } catch (const ErrorBaseDatos &e) {
            dicho = e.Mensaje();
        }
        QCOMPARE(dicho,
                 u"Otro mostrador ha actualizado la base de datos con una versión más nueva del programa "
                 "(versión de datos 6; este programa conoce hasta la 5).\r\nNo se ha guardado nada: "
                 "actualice el programa en este mostrador."_s);
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, Transaccion t(vieja));
        QCOMPARE(Filas(vieja, u"select count(*) from colores where nombre = 'Malva'"_s), QStringList{u"1"_s});

        if (!Servidor())
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
        vieja.Ejecutar(u"alter table parametros add column carpetacopias2 varchar(255)"_s);
        vieja.Ejecutar(u"create table copiasautomaticas (dia varchar(10))"_s);
        vieja.Ejecutar(u"update esquema set version = 6"_s);
        vieja.AbrirRecordset(u"select pg_advisory_unlock(48570211)"_s);
        otro.join();
        QCOMPARE(hechos, QStringList());
    }
};

QTEST_GUILESS_MAIN(PruebaEsquema)
#include "test_bd_esquema.moc"
