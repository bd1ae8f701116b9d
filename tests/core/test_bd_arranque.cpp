#include "BaseDePrueba.h"
#include "Fiabilidad.h"
#include "PantallasPrueba.h"
#include "cash/Caja.h"
#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Programa.h"
#include "core/Registro.h"
#include "counter/frmPrincipal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kNuevaCaja = u"¿Comenzar una nueva caja?"_s;

QString Leer(const QString &ruta)
{
    return QString::fromUtf8(LeerArchivo(ruta));
}

} // namespace

class PruebaArranque : public QObject
{
    Q_OBJECT

    // Runs the start-up as the program does, on its own connection to the test database.
    bool Arrancar(BaseDePrueba &b, frmPrincipal &f, QStringList lineas = {})
    {
        const QString ruta = b.dir.filePath(u"bdcostuaccess.dat"_s);
        EscribirConfiguracion(ruta, lineas.isEmpty() ? b.LineasConfiguracion() : lineas);
        const bool ok = f.CargarFormulario(ruta);
        G().conexion = &b.conexion; // checks below read through the test's own connection
        return ok;
    }

private Q_SLOTS:
    // A shop with neither orders nor customers is offered its old program's data before its first
    // cash day, and then shows the parameters that came in; a shop with data is not offered it.
    void ofreceImportar()
    {
        BaseDePrueba b;
        struct Importa : PantallasPrueba {
            Conexion *c = nullptr;
            int veces = 0;
            void ImportarDatos() override
            {
                ++veces;
                c->Ejecutar(u"insert into clientes (nombre) values ('Ana')"_s);
                c->Ejecutar(u"update parametros set nombretienda = 'La Aguja'"_s);
            }
        } p;
        p.c = &b.conexion;
        b.dialogos.siNo = {7, 7};
        frmPrincipal f, g;
        QVERIFY(Arrancar(b, f));
        QVERIFY(Arrancar(b, g));
        QCOMPARE(p.veces, 1);
        QCOMPARE(G().nombretienda, u"La Aguja"_s);
    }

    // The first start opens the cash; the next day's first start closes earlier days' cash when asked.
    void cajaDelDia()
    {
        BaseDePrueba b;
        // A shop made before drawers had names gets the column when a counter opens it.
        b.conexion.Ejecutar(u"alter table caja drop column puesto"_s);
        b.conexion.Ejecutar(u"drop table esquema"_s);
        ActualizarEsquema(b.conexion);
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 4), QTime(10, 30)));
        b.dialogos.siNo = {6};
        // A refused figure is asked for again.
        b.dialogos.pad = {u"99999999999999999"_s, u"1.2.3"_s, u"150.5"_s};
        frmPrincipal f;
        QVERIFY(Arrancar(b, f));
        QCOMPARE(b.dialogos.preguntas, QStringList{kNuevaCaja});
        QCOMPARE(b.dialogos.titulosPad, QStringList(3, u"Dinero inicial en caja"_s));
        QCOMPARE(b.dialogos.mensajes.size(), 2);
        QCOMPARE(Filas(b, u"select concepto, importe, nombrecierre, fecha, formapago from caja"_s),
                 QStringList{u"Inicio caja|150.5|20261204|04/12/2026 10:30:00|1"_s});

        // Later the same day: no question, same cash day.
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 4), QTime(17, 45)));
        frmPrincipal otra;
        QVERIFY(Arrancar(b, otra));
        QCOMPARE(b.dialogos.preguntas.size(), 1);
        QCOMPARE(G().NombreCierre, u"20261204"_s);

        // Leaving asks first, also with no database to reach.
        G().conexion = nullptr;
        b.dialogos.siNo = {7, 6};
        QVERIFY(!otra.salirformulario());
        QVERIFY(otra.salirformulario());
        QCOMPARE(b.dialogos.preguntas.mid(1),
                 (QStringList{u"¿Cerrar la aplicación?"_s, u"¿Cerrar la aplicación?"_s}));

        // The next day, "No": nothing is closed, yet today's sales are today's.
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 5), QTime(9, 0)));
        b.dialogos.siNo = {7};
        frmPrincipal f1;
        QVERIFY(Arrancar(b, f1, b.LineasConfiguracion(u"Mostrador 1"_s)));
        QCOMPARE(G().NombreCierre, u"20261205"_s);
        QCOMPARE(b.Valor(u"select count(*) from caja where cerrado = 1"_s), u"0"_s);

        // Yes: earlier days close, the new float stays open. The same drawer started at once on
        // another connection answers first, while this start's question is on screen: one float.
        b.dialogos.siNo = {6, 6};
        b.dialogos.pad = {u"50"_s, u"60"_s};
        b.dialogos.alPreguntar = [&b] {
            Conexion *esta = G().conexion;
            G().conexion = &b.conexion;
            AbrirCajaDelDia();
            G().conexion = esta;
        };
        frmPrincipal f2;
        QVERIFY(Arrancar(b, f2, b.LineasConfiguracion(u"Mostrador 1"_s)));
        QCOMPARE(b.Columna(u"select cerrado from caja order by idmovimiento"_s),
                 (QStringList{u"1"_s, u"0"_s}));
        QCOMPARE(b.Valor(u"select puesto from caja where importe = 50"_s), u"Mostrador 1"_s);

        // A second counter that day asks only for its own drawer's float, and closes nothing.
        const int preguntas = int(b.dialogos.preguntas.size());
        b.dialogos.pad = {u"30"_s};
        frmPrincipal f3;
        QVERIFY(Arrancar(b, f3, b.LineasConfiguracion(u"Mostrador 2"_s)));
        QCOMPARE(b.dialogos.preguntas.size(), preguntas);
        QCOMPARE(b.dialogos.titulosPad.last(), u"Dinero inicial en este cajón"_s);
        QCOMPARE(b.Columna(u"select puesto from caja where cerrado = 0 order by idmovimiento"_s),
                 (QStringList{u"Mostrador 1"_s, u"Mostrador 2"_s}));
        // Started again later, neither asks.
        frmPrincipal f4;
        QVERIFY(Arrancar(b, f4, b.LineasConfiguracion(u"Mostrador 2"_s)));
        QCOMPARE(b.dialogos.preguntas.size(), preguntas);

        // Left running overnight, a counter books into the new day.
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 6), QTime(9, 5)));
        MeterMovimientoCaja(12, u"Ref. 8"_s, 1, 8, 0);
        QCOMPARE(b.Valor(u"select nombrecierre from caja where idarreglo = 8"_s), u"20261206"_s);
    }

    void configuracion()
    {
        BaseDePrueba b;
        b.dialogos.siNo = {7, 7, 7};

        // Each bad configuration: one message that says what is wrong, no connection, an orderly "no".
        const auto falla = [&](const std::function<bool(frmPrincipal &)> &arrancar, const QString &dice) {
            b.dialogos.mensajes.clear();
            frmPrincipal f;
            QVERIFY(!arrancar(f));
            QCOMPARE(b.dialogos.mensajes.size(), 1);
            QVERIFY2(b.dialogos.mensajes[0].contains(dice), qPrintable(b.dialogos.mensajes[0]));
        };
        falla([&](frmPrincipal &f) { return f.CargarFormulario(b.dir.filePath(u"no-existe.dat"_s)); },
              u"Falta archivo de configuración bdcostuaccess.dat"_s);
        const QString vacio = b.dir.filePath(u"vacio.dat"_s);
        QFile(vacio).open(QIODevice::WriteOnly);
        falla([&](frmPrincipal &f) { return f.CargarFormulario(vacio); }, u"vacío"_s);
        // Empty first line means the server; an unreachable one is reported, not fatal.
        falla(
            [&](frmPrincipal &f) {
                return Arrancar(b, f, {QString(), u"127.0.0.1:1"_s, u"arreglos"_s, u"sa"_s, u"x"_s});
            },
            u"No se pudo conectar"_s);
        // A database file that is not there (mistyped, moved, a configuration that is no text) is
        // named and never created.
        for (const QString &linea : {u"perdida.db"_s, QString::fromLatin1("\x01\x7f\xc3(")}) {
            falla([&](frmPrincipal &f) { return Arrancar(b, f, {linea}); },
                  u"No se encuentra la base de datos "_s);
            QVERIFY(!QFileInfo::exists(b.dir.filePath(linea)));
        }
        QVERIFY(b.dialogos.preguntas.isEmpty());

        // The quoted file name or the server lines of this run open the test database.
        b.dialogos.mensajes.clear();
        frmPrincipal f4;
        QVERIFY(Arrancar(b, f4));
        QVERIFY(b.dialogos.mensajes.isEmpty());
        QCOMPARE(G().EsSqlServer, b.conexion.EsSqlServer());

        // A ticket width that is no number is told, and the start goes on.
        b.dialogos.siNo = {7, 7};
        PantallasPrueba pantalla;
        b.conexion.Ejecutar(u"update parametros set anchuracarro = 'cuarenta'"_s);
        frmPrincipal f5;
        QVERIFY(Arrancar(b, f5));
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].contains(u"cuarenta"_s));
        QCOMPARE(G().AnchuraTicket, 40);

        b.dialogos.mensajes.clear();
        b.conexion.Ejecutar(u"delete from parametros"_s);
        frmPrincipal f6;
        QVERIFY(Arrancar(b, f6));
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].contains(u"parámetros"_s));
    }

    void tiendaNuevaDeHilvanAdmin()
    {
        if (BaseDePrueba::MotorPedido() == Motor::PostgreSQL)
            QSKIP("hilvan-admin creates the embedded database here; the server run adds nothing");
        BaseDePrueba b;
        // Its own configuration, in a folder not made yet (the last --config is the one that counts).
        const QString config = b.dir.filePath(u"tienda/bdcostuaccess.dat"_s);
        QCOMPARE(HilvanAdmin(QStringLiteral(HILVAN_ADMIN), b,
                             {u"init"_s, u"--config"_s, config, u"--base"_s, u"tienda.db"_s}),
                 0);

        // It opens, and the haberdashery product the counter and the workshop look for is there.
        b.dialogos.siNo = {7};
        frmPrincipal f;
        QVERIFY(f.CargarFormulario(config));
        QCOMPARE(b.dialogos.mensajes, QStringList());
        Recordset rs = G().conexion->AbrirRecordset(
            u"select familias.nombre from productos, familias where productos.idfamilia = familias.idfamilia "
            "and productos.nombre = 'Productos mercería'"_s);
        QCOMPARE(rs.Cuantos(), 1);
        G().conexion = &b.conexion;

        // The shop's file and its configuration are its owner's only. A configuration that holds
        // a password and that others can read is pointed out once at start-up.
        const auto soloDueno = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        QCOMPARE(QFile::permissions(config) & 0x7077, soloDueno);
        QCOMPARE(QFile::permissions(b.dir.filePath(u"tienda/tienda.db"_s)) & 0x7077, soloDueno);
        EscribirConfiguracion(config, {u"tienda.db"_s, QString(), QString(), QString(), u"secreto"_s});
        frmPrincipal sinAviso;
        QVERIFY(sinAviso.CargarFormulario(config));
        QCOMPARE(b.dialogos.mensajes, QStringList());
        QFile::setPermissions(config, soloDueno | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        frmPrincipal conAviso;
        QVERIFY(conAviso.CargarFormulario(config));
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].contains(u"lo pueden leer otros usuarios"_s));
        G().conexion = &b.conexion;
    }

    // TLS when the server offers it; line 7 of the configuration requires it, and the test server
    // offers none: refused in Spanish.
    void conexionCifrada()
    {
        if (BaseDePrueba::MotorPedido() != Motor::PostgreSQL)
            QSKIP("the embedded database has no connection to cipher");
        BaseDePrueba b;
        const DatosServidor d = BaseDePrueba::ServidorDePrueba(b.nombreBaseServidor);
        Configuracion c;
        c.lineas = QStringList{QString(),   d.host + u":"_s + QString::number(d.puerto),
                               d.basedatos, d.usuario,
                               QString(),   QString()};
        QCOMPARE(c.Servidor().sslmode, u"prefer"_s);
        c.lineas.append(u"require"_s);
        Conexion exigida;
        try {
            exigida.AbrirPostgreSQL(c.Servidor());
            QFAIL("connected without TLS");
        } catch (const ErrorBaseDatos &e) {
            QVERIFY2(e.Mensaje().contains(u"línea 7"_s), qPrintable(e.Mensaje()));
        }
    }

    void cleanup() { Registro::Terminar(); }

    // The support log. A failed statement is in it with the version and which statement it was,
    // and the customer's name and telephone in it are not, whatever words the backend used.
    void registroDeSoporte()
    {
        BaseDePrueba b;
        QTemporaryDir dir;
        Registro::Iniciar(dir.path());
        b.Insertar("clientes", "idcliente, nombre, telefono", {"1, 'Ángela Ruiz', '600123456'"});
        const QStringList fallan = {
            // unknown column: the server repeats the statement text after "LINE 1:"
            u"insert into clientes (nombre, telefono, apodo) values ('Ángela Ruiz', '600123456', "
            "'Angie')"_s,
            // repeated id: the server repeats the key's value
            u"insert into clientes (idcliente, nombre, telefono) values (1, 'Ángela Ruiz', "
            "'600123456')"_s,
            // a name where a number goes (the embedded engine takes it): the server quotes the value
            u"update clientes set estienda = 'Ángela Ruiz' where telefono = '600123456'"_s,
        };
        int fallos = 0;
        for (const QString &sql : fallan) {
            try {
                Bd().Ejecutar(sql);
            } catch (const ErrorBaseDatos &) {
                ++fallos;
            }
        }
        QVERIFY(fallos >= 2);

        const QString log = Leer(Registro::RutaArchivo());
        QCOMPARE(Registro::RutaArchivo(), QDir(dir.path()).filePath(u"hilvan.log"_s));
        QCOMPARE(QFile::permissions(Registro::RutaArchivo()) & 0x7077,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QStringList lineas = log.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lineas.filter(u"Base de datos:"_s).size(), fallos);
        for (const QString &l : lineas)
            QVERIFY2(l.contains(QLatin1Char(' ') + VersionPrograma() + QLatin1Char(' ')), qPrintable(l));
        QVERIFY(log.contains(u"apodo"_s));
        QVERIFY(log.contains(u"orden: insert into clientes"_s));
        for (const char *dato : {"Ruiz", "600123456", "Angie"})
            QVERIFY2(!log.contains(QString::fromUtf8(dato)), qPrintable(log));
        Registro::Terminar();

        // The log never grows past its size: the oldest copy is dropped and the newest lines are in
        // hilvan.log; restarting the program appends.
        QTemporaryDir otra;
        Registro::Iniciar(otra.path(), 2000, 3);
        for (int i = 0; i < 300; ++i)
            qWarning("aviso número %d de la prueba", i);
        qDebug("depuración que no va al registro");
        Registro::Terminar();

        const QDir d(otra.path());
        QStringList archivos = d.entryList({u"hilvan.log*"_s}, QDir::Files, QDir::Name);
        QCOMPARE(archivos,
                 (QStringList{u"hilvan.log"_s, u"hilvan.log.1"_s, u"hilvan.log.2"_s, u"hilvan.log.3"_s}));
        for (const QString &a : archivos)
            QVERIFY(QFileInfo(d.filePath(a)).size() <= 2000);
        const QString actual = Leer(d.filePath(u"hilvan.log"_s));
        QVERIFY(actual.trimmed().endsWith(u"AVISO aviso número 299 de la prueba"_s));
        QVERIFY(Leer(d.filePath(u"hilvan.log.1"_s)).contains(u"AVISO aviso"_s));
        QVERIFY(!Leer(d.filePath(u"hilvan.log.3"_s)).contains(u"número 0 "_s));
        QVERIFY(!actual.contains(u"depuración"_s));

        Registro::Iniciar(otra.path(), 2000, 3);
        qCritical("fallo tras volver a arrancar");
        Registro::Terminar();
        const QString tras = Leer(d.filePath(u"hilvan.log"_s));
        QVERIFY(tras.contains(u"número 299"_s)
                || Leer(d.filePath(u"hilvan.log.1"_s)).contains(u"número 299"_s));
        QVERIFY(tras.contains(u"INICIO arranque del programa"_s));
        QVERIFY(tras.trimmed().endsWith(u"ERROR fallo tras volver a arrancar"_s));
    }
};

QTEST_GUILESS_MAIN(PruebaArranque)
#include "test_bd_arranque.moc"
