#include "BaseDePrueba.h"
#include "Fiabilidad.h"
#include "cash/CopiaSeguridad.h"
#include "cash/CopiasAutomaticas.h"
#include "core/BaseDatos.h"
#include "core/Configuracion.h"
#include "core/Formato.h"
#include "core/InstanciaUnica.h"
#include "core/Programa.h"
#include "demo/Demo.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QtTest>
#include <atomic>
#include <csignal>
#include <sys/resource.h>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

bool Servidor()
{
    return BaseDePrueba::MotorPedido() == Motor::PostgreSQL;
}

QString Extension()
{
    return Servidor() ? u".dump"_s : u".db"_s;
}

// What a restore says of a file it cannot read as a copy.
QString Ilegible(const QString &archivo)
{
    return Servidor() ? u"La copia %1 no se puede leer: el archivo está incompleto o dañado, o no es una "
                        "copia de seguridad. No se ha restaurado nada."_s.arg(archivo)
                      : u"La copia %1 está dañada o no es una base de datos. No se ha restaurado nada."_s.arg(
                          archivo);
}

} // namespace

class PruebaCopias : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copiaYRestauracion()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        // A shop from before the journal: its copies restore, and the journal comes with the restore.
        b.conexion.Ejecutar(u"drop table operaciones"_s);
        b.conexion.Ejecutar(u"drop table esquema"_s);
        b.conexion.RecordarVersionEsquema(0);
        G().ArchivoConfiguracion = b.dir.filePath(u"bdcostuaccess.dat"_s);
        const QString carpeta = b.dir.filePath(u"copiasseguridad"_s);
        QCOMPARE(CarpetaCopias(), carpeta);
        QVERIFY(!QDir(carpeta).exists());
        // A restore adds its own journal entry: every other row is the copy's.
        const auto sinRegistro = [&b] {
            QMap<QString, QStringList> filas = b.Contenido();
            filas.remove(u"operaciones"_s);
            filas.remove(u"esquema"_s);
            return filas;
        };
        const QMap<QString, QStringList> original = sinRegistro();
        QVERIFY(original.size() >= 10);
        QVERIFY(!original.value(u"arreglos"_s).isEmpty());

        // The folder is made; two copies in one second get two files, unreadable to other users.
        CopiaSeguridad();
        CopiaSeguridad();
        QCOMPARE(b.dialogos.mensajes,
                 (QStringList{u"Copia de seguridad realizada"_s, u"Copia de seguridad realizada"_s}));
        const QString primera = QDir(carpeta).filePath(u"arreglos_2026-12-05_103000"_s + Extension());
        const QString segunda = QDir(carpeta).filePath(u"arreglos_2026-12-05_103000_2"_s + Extension());
        QVERIFY(QFile::exists(segunda));
        QVERIFY(!(QFileInfo(primera).permissions() & (QFile::ReadOther | QFile::WriteOther)));
        QCOMPARE(VerificarCopia(b.conexion, primera), QString());

        // The first copy damaged (cut short on the server) is refused before anything is replaced.
        const QString danada = b.dir.filePath(u"danada"_s + Extension());
        QVERIFY(QFile::copy(primera, danada));
        QFile f(danada);
        QVERIFY(f.open(QIODevice::ReadWrite));
        if (Servidor()) {
            QVERIFY(f.resize(f.size() - 200)); // the last table's data cut off
        } else {
            // A page of an index overwritten: every table still reads and counts its rows, only
            // the engine's check of the pages finds it.
            const int pagina =
                b.Valor(u"select rootpage from sqlite_master where name = 'ix_arreglos_sinentregar'"_s)
                    .toInt();
            const int tamano = b.Valor(u"pragma page_size"_s).toInt();
            QVERIFY(f.seek(qint64(pagina - 1) * tamano));
            f.write(QByteArray(tamano, '\x5a'));
        }
        f.close();
        QVERIFY(!VerificarCopia(b.conexion, danada).isEmpty());
        QCOMPARE(RestaurarCopia(b.conexion, danada, carpeta, b.reloj.Ahora()).error, Ilegible(danada));
        QCOMPARE(sinRegistro(), original);

        // Later work, then the first copy back: every table as it was, the later work set aside.
        b.conexion.Ejecutar(u"delete from arreglos_detalles"_s);
        b.conexion.Ejecutar(u"update clientes set nombre = 'Otro' where idcliente = 1"_s);
        b.conexion.Ejecutar(u"insert into colores (nombre) values ('Turquesa')"_s);
        const QMap<QString, QStringList> despues = sinRegistro();
        // The verification compares the rows: the earlier file no longer matches.
        QVERIFY(VerificarCopia(b.conexion, primera).contains(u"arreglos_detalles"_s));
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 5), QTime(11, 0, 0)));
        const ResultadoCopia r = RestaurarCopia(b.conexion, primera, carpeta, b.reloj.Ahora());
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.apartada, QDir(carpeta).filePath(u"antes-de-restaurar_2026-12-05_110000"_s + Extension()));
        QCOMPARE(sinRegistro(), original);
        QCOMPARE(b.Valor(u"select tipo from operaciones"_s), u"Copia restaurada"_s);
        b.conexion.Ejecutar(u"update colores set nombre = nombre"_s); // the restoring connection writes on

        const ResultadoCopia deVuelta = RestaurarCopia(b.conexion, r.apartada, carpeta, b.reloj.Ahora());
        QVERIFY2(deVuelta.ok, qPrintable(deVuelta.error));
        QCOMPARE(sinRegistro(), despues);
        QCOMPARE(deVuelta.apartada,
                 QDir(carpeta).filePath(u"antes-de-restaurar_2026-12-05_110000_2"_s + Extension()));

        // No copy at all, or a copy lacking a column the program uses: refused, nothing changed.
        const QString basura = b.dir.filePath(u"basura"_s + Extension());
        Escribir(basura, "esto no es una copia");
        const ResultadoCopia mala = RestaurarCopia(b.conexion, basura, carpeta, b.reloj.Ahora());
        QCOMPARE(mala.error, Ilegible(basura));
        b.conexion.Ejecutar(u"alter table clientes drop column nif"_s);
        const ResultadoCopia sinNif = HacerCopiaSeguridad(b.conexion, carpeta, b.reloj.Ahora(), u"sin-nif"_s);
        QVERIFY2(sinNif.ok, qPrintable(sinNif.error));
        b.conexion.Ejecutar(u"alter table clientes add column nif text"_s);
        const QMap<QString, QStringList> conNif = b.Contenido();
        const ResultadoCopia otra = RestaurarCopia(b.conexion, sinNif.archivo, carpeta, b.reloj.Ahora());
        QCOMPARE(otra.error,
                 u"El archivo %1 no es una copia de la base de datos de la tienda: a la tabla clientes "
                 "le falta la columna nif. No se ha restaurado nada."_s.arg(sinNif.archivo));
        QCOMPARE(b.Contenido(), conNif);
        // Nothing refused was set aside first: the two copies, two set aside, the one without nif.
        QCOMPARE(QDir(carpeta).entryList(QDir::Files).size(), 5);

        // A copy that cannot be written (disk full, folder not made) leaves no file and says why.
        const QString llena = b.dir.filePath(u"llena"_s);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit lleno{1024, limite.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails as on a full disk
        setrlimit(RLIMIT_FSIZE, &lleno);
        const ResultadoCopia sinSitio = HacerCopiaSeguridad(b.conexion, llena, b.reloj.Ahora());
        setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, SIG_DFL);
        QVERIFY(!sinSitio.ok);
        QVERIFY2(sinSitio.error.startsWith(u"No se pudo hacer la copia de seguridad: el disco está lleno"_s),
                 qPrintable(sinSitio.error));
        QCOMPARE(QDir(llena).entryList(QDir::Files), QStringList());

        // The folder's place is taken by a file: nothing can be created there, not even as root.
        Escribir(b.dir.filePath(u"estorbo"_s), {});
        G().RutaBaseDatos = b.dir.filePath(u"estorbo/prueba.db"_s);
        G().ArchivoConfiguracion = b.dir.filePath(u"estorbo/bdcostuaccess.dat"_s);
        b.dialogos.mensajes.clear();
        CopiaSeguridad();
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].startsWith(u"No se pudo crear la carpeta"_s));

        // A folder where the copy's file cannot be written.
        const ResultadoCopia proc = HacerCopiaSeguridad(b.conexion, u"/proc/self"_s, b.reloj.Ahora());
        QVERIFY(!proc.ok);
        QVERIFY(proc.error.startsWith(u"No se pudo crear la copia"_s));

        // Nothing is restored while the database as it is cannot be set aside first.
        const QString copia =
            HacerCopiaSeguridad(b.conexion, b.dir.filePath(u"copias"_s), b.reloj.Ahora()).archivo;
        b.conexion.Ejecutar(u"insert into colores (nombre) values ('Añil')"_s);
        const ResultadoCopia sinApartar = RestaurarCopia(b.conexion, copia, u"/proc/self"_s, b.reloj.Ahora());
        QVERIFY(!sinApartar.ok);
        QVERIFY2(sinApartar.error.endsWith(
                     u"No se ha restaurado nada: antes hay que guardar la base de datos actual."_s),
                 qPrintable(sinApartar.error));
        QCOMPARE(b.Valor(u"select count(*) from colores where nombre = 'Añil'"_s), u"1"_s);

        // hilvan-admin restaurar while a counter has the database open is refused; a counter does
        // not start while a restore runs; and a counter that was on the database when a restore
        // happened anyway stops instead of writing into a database that is gone.
        const QString config = b.dir.filePath(u"bdcostuaccess.dat"_s);
        EscribirConfiguracion(config, b.LineasConfiguracion());
        // Copies made while another counter sells are checked against their own moment.
        std::atomic<bool> seguir = true;
        std::atomic<int> escritas = 0;
        QString fallo;
        std::thread otro([&] {
            try {
                Conexion c;
                AbrirOtraVez(b, c);
                while (seguir)
                    c.Ejecutar(u"insert into colores (nombre) values ('Otro %1')"_s.arg(++escritas));
            } catch (const ErrorBaseDatos &e) {
                fallo = e.Mensaje();
            }
        });
        while (escritas < 3 && fallo.isEmpty())
            QThread::msleep(5);
        const int antes = escritas;
        ResultadoCopia mientras;
        for (int i = 0; i < 400 && escritas - antes < 20 && fallo.isEmpty(); ++i) {
            mientras = HacerCopiaSeguridad(b.conexion, b.dir.filePath(u"mientras"_s), b.reloj.Ahora());
            if (!mientras.ok)
                break;
        }
        seguir = false;
        otro.join();
        QVERIFY2(mientras.ok, qPrintable(mientras.error));
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        QVERIFY2(escritas - antes >= 20, "the other counter hardly wrote during the copies");

        const QString otras = b.dir.filePath(u"otras"_s);
        const ResultadoCopia guardada = HacerCopiaSeguridad(b.conexion, otras, b.reloj.Ahora());
        QVERIFY2(guardada.ok, qPrintable(guardada.error));
        const QString restauradas = u"select count(*) from operaciones where tipo = 'Copia restaurada'"_s;
        const int antesDeRestaurar = b.Valor(restauradas).toInt();
        b.conexion.Ejecutar(u"insert into colores (nombre) values ('Malva')"_s);
        const QString malva = u"select count(*) from colores where nombre = 'Malva'"_s;

        QString dicho;
        {
            // On the server the counter is the test's own session.
            InstanciaUnica mostrador(LeerConfiguracion(config), b.dir.path());
            QVERIFY(mostrador.Tomar());
            QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"restaurar"_s, guardada.archivo}, {}, &dicho), 1);
        }
        QVERIFY2(
            dicho.contains(u"en todos los mostradores y vuelva a intentarlo. No se ha restaurado nada."_s),
            qPrintable(dicho));
        QCOMPARE(b.Valor(malva), u"1"_s);
        QCOMPARE(QDir(otras).entryList(QDir::Files).size(), 1);

        if (!Servidor()) {
            CerrojoBaseDatos restauracion(QFileInfo(b.dir.filePath(u"prueba.db"_s)).canonicalFilePath());
            QVERIFY(restauracion.Tomar(true));
            InstanciaUnica mostrador(LeerConfiguracion(config), b.dir.path());
            QVERIFY(!mostrador.Tomar());
            QCOMPARE(mostrador.Motivo(), u"Se está restaurando una copia de seguridad de la base de "
                                         "datos.\r\nEspere a que termine y vuelva a abrir el programa."_s);
        } else {
            // The counter's connection cut while the restore runs: the restore cannot see it.
            Conexion admin;
            admin.AbrirPostgreSQL(BaseDePrueba::ServidorDePrueba(u"postgres"_s));
            const QString sesiones =
                u"from pg_stat_activity where datname = '%1'"_s.arg(b.nombreBaseServidor);
            admin.AbrirRecordset(u"select pg_terminate_backend(pid) "_s + sesiones);
            for (int i = 0; i < 100 && Filas(admin, u"select count(*) "_s + sesiones) != QStringList{u"0"_s};
                 ++i)
                QThread::msleep(50);
        }
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"restaurar"_s, guardada.archivo}, {}, &dicho), 0);

        QString aviso;
        for (int i = 0; i < 2 && !aviso.startsWith(u"La base de datos se ha restaurado"_s); ++i) {
            try {
                b.conexion.Ejecutar(u"insert into colores (nombre) values ('Perdido')"_s);
            } catch (const ErrorBaseDatos &e) {
                aviso = e.Mensaje();
            }
        }
        QCOMPARE(aviso,
                 u"La base de datos se ha restaurado desde una copia de seguridad (o se ha cambiado por "
                 "otra) mientras el programa estaba abierto.\r\nNo se ha guardado nada: cierre el programa "
                 "y vuelva a abrirlo."_s);
        // Refused at the transaction's first statement at the latest (on a server the check goes with it).
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, [&] {
            Transaccion t(b.conexion);
            b.conexion.Ejecutar(u"insert into colores (nombre) values ('Perdido')"_s);
        }());

        // A counter started after the restore writes; the stale one closing leaves its work alone.
        Conexion nuevo;
        AbrirOtraVez(b, nuevo);
        QCOMPARE(Filas(nuevo, restauradas), QStringList{QString::number(antesDeRestaurar + 1)});
        nuevo.Ejecutar(u"insert into colores (nombre) values ('Nuevo')"_s);
        b.conexion.Cerrar();
        Conexion tras;
        AbrirOtraVez(b, tras);
        QCOMPARE(Filas(tras, u"select nombre from colores where nombre in ('Malva', 'Perdido', 'Nuevo')"_s),
                 QStringList{u"Nuevo"_s});
    }

    // The day's copy, made once a day whichever counter starts first, in both folders; older
    // automatic copies thinned (7 days, 4 weeks, 12 months), the others kept. The sale screen's
    // warning line; the restore drill, which leaves the shop alone.
    void copiasDelDia()
    {
        BaseDePrueba b;
        G().ArchivoConfiguracion = b.dir.filePath(u"bdcostuaccess.dat"_s);
        const QString carpeta = CarpetaCopias(), usb = b.dir.filePath(u"usb"_s);
        QVERIFY(QDir().mkpath(usb));
        b.conexion.Ejecutar(u"update parametros set carpetacopias2 = '%1'"_s.arg(usb));
        const auto aviso = [&] { return AvisoCopias(b.conexion, carpeta, b.reloj.Ahora()); };
        QCOMPARE(aviso(), u"Atención: no hay ninguna copia de seguridad comprobada. Avise al encargado."_s);
        QStringList quedan = {u"antes-de-restaurar_2026-12-05_103000"_s, u"arreglos_2026-12-05_103000"_s};
        QVERIFY(HacerCopiaSeguridad(b.conexion, carpeta, b.reloj.Ahora(), quedan[0].section(u'_', 0, 0)).ok);
        QVERIFY(HacerCopiaSeguridad(b.conexion, carpeta, b.reloj.Ahora()).ok);
        Conexion otro;
        AbrirOtraVez(b, otro);
        for (const char *dia : {"10-20", "11-10", "11-20", "11-29", "11-30", "12-01", "12-02", "12-03",
                                "12-04", "12-05", "12-06", "12-07", "12-08", "12-09"}) {
            b.reloj.Fijar(
                QDateTime(QDate::fromString(u"2026-"_s + QLatin1String(dia), Qt::ISODate), QTime(9, 0)));
            QCOMPARE(CopiaDelDia(b.conexion, carpeta, b.reloj.Ahora()), QString());
            b.reloj.Fijar(b.reloj.Ahora().addSecs(3600));
            QCOMPARE(CopiaDelDia(otro, carpeta, b.reloj.Ahora()), QString()); // made already today
            if (!QByteArray("11-10 12-01 12-02").contains(dia))
                quedan << u"automatica_2026-%1_090000"_s.arg(QLatin1String(dia));
        }
        qInfo().noquote() << QDir(carpeta).entryList(QDir::Files).join(u'\n');
        for (QString &a : quedan)
            a += Extension();
        QCOMPARE(QDir(carpeta).entryList(QDir::Files), quedan);
        QCOMPARE(QDir(usb).entryList(QDir::Files), quedan.mid(2));

        // The second folder on the computer's own disk, then gone; three days without a copy.
        QVERIFY2(aviso().contains(u"está en el mismo disco"_s), qPrintable(aviso()));
        QVERIFY(QDir(usb).removeRecursively());
        QVERIFY(aviso().startsWith(u"Atención: no se encuentra la segunda carpeta de copias"_s));
        // The start-up's copy runs aside, on a connection whose opening is no news to the memory.
        b.reloj.AvanzarDias(1);
        const quint64 escrituras = Conexion::EscriturasMaestras();
        CopiaDelDiaAparte aparte(b.conexion.DimeApertura(), carpeta, b.reloj.Ahora());
        QString fallo, avisado;
        QTRY_VERIFY_WITH_TIMEOUT(aparte.Terminada(fallo, avisado), 60000);
        QVERIFY2(fallo.contains(u"pero no en la segunda carpeta"_s), qPrintable(fallo));
        QCOMPARE(avisado, aviso());
        QCOMPARE(Conexion::EscriturasMaestras(), escrituras);
        b.conexion.Ejecutar(u"update parametros set carpetacopias2 = ''"_s);
        QCOMPARE(aviso(), QString());
        b.reloj.AvanzarDias(3);
        QCOMPARE(aviso(), u"Atención: la última copia de seguridad comprobada es del 10/12/2026. Avise al "
                          "encargado."_s);

        // The drill: every table of the copy, the shop untouched; a damaged copy fails.
        const QMap<QString, QStringList> tienda = b.Contenido();
        QString dicho;
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b,
                             {u"restaurar"_s, u"--probar"_s, QDir(carpeta).filePath(quedan.last())}, {},
                             &dicho),
                 0);
        qInfo().noquote() << dicho;
        QVERIFY2(dicho.contains(u"  arreglos: 0 filas\n"_s) && dicho.contains(u"no se ha tocado"_s),
                 qPrintable(dicho));
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"restaurar"_s, u"--probar"_s, b.dir.filePath(u"mala"_s)}, {}),
                 1);
        QCOMPARE(b.Contenido(), tienda);
        if (Servidor())
            QCOMPARE(b.Valor(u"select count(*) from pg_database where datname like 'hilvan_prueba_%'"_s),
                     u"0"_s);
    }
};

QTEST_GUILESS_MAIN(PruebaCopias)
#include "test_bd_copias.moc"
