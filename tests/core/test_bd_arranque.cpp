#include "BaseDePrueba.h"
#include "cash/Caja.h"
#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "core/Registro.h"
#include "counter/frmPrincipal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

namespace {

class PantallaFija : public Pantallas
{
public:
    explicit PantallaFija(QSize s) : s_(s) {}
    QSize TamanoPantalla() const override { return s_; }

private:
    QSize s_;
};

const QString kNuevaCaja = QString::fromUtf8("¿Comenzar una nueva caja?");


QString Leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class PruebaArranque : public QObject
{
    Q_OBJECT

    // The configuration lines that reach the test database on the backend of this run.
    QStringList LineasConfig(BaseDePrueba &b)
    {
        if (b.conexion.motor() == Motor::PostgreSQL) {
            const DatosServidor d = BaseDePrueba::ServidorDePrueba(b.nombreBaseServidor);
            return {QString(), d.host + QLatin1Char(':') + QString::number(d.puerto), d.basedatos, d.usuario, QString()};
        }
        return {QStringLiteral("\"prueba.db\"")};
    }

    // Runs the start-up as the program does, on its own connection to the test database.
    bool Arrancar(BaseDePrueba &b, frmPrincipal &f, QStringList lineas = {})
    {
        const QString ruta = b.dir.filePath(QStringLiteral("bdcostuaccess.dat"));
        EscribirConfiguracion(ruta, lineas.isEmpty() ? LineasConfig(b) : lineas);
        const bool ok = f.CargarFormulario(ruta);
        G().conexion = &b.conexion; // checks below read through the test's own connection
        return ok;
    }

private Q_SLOTS:
    void primerArranqueAbreCaja()
    {
        BaseDePrueba b;
        b.dialogos.siNo = {6};
        b.dialogos.pad = {QStringLiteral("150.5")};
        frmPrincipal f;
        QVERIFY(Arrancar(b, f));
        QCOMPARE(b.dialogos.preguntas, QStringList{kNuevaCaja});
        QCOMPARE(b.dialogos.titulosPad, QStringList{QStringLiteral("Dinero inicial en caja")});
        QCOMPARE(G().NombreCierre, QStringLiteral("20261205"));
        QCOMPARE(b.Columna(QStringLiteral("select concepto from caja")), QStringList{QStringLiteral("Inicio caja")});
        QCOMPARE(b.Valor(QStringLiteral("select importe from caja")), QStringLiteral("150.5"));
        QCOMPARE(b.Valor(QStringLiteral("select nombrecierre from caja")), QStringLiteral("20261205"));
        QCOMPARE(b.Valor(QStringLiteral("select fecha from caja")), QStringLiteral("05/12/2026 10:30:00"));
        QCOMPARE(b.Valor(QStringLiteral("select formapago from caja")), QStringLiteral("1"));
        QVERIFY(b.dialogos.mensajes.isEmpty());

        // Later the same day: no question, same cash day.
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 5), QTime(17, 45)));
        frmPrincipal otra;
        QVERIFY(Arrancar(b, otra));
        QCOMPARE(b.dialogos.preguntas.size(), 1);
        QCOMPARE(G().NombreCierre, QStringLiteral("20261205"));
    }

    void dineroInicialRechazadoSePideOtraVez()
    {
        BaseDePrueba b;
        b.dialogos.siNo = {6};
        b.dialogos.pad = {QStringLiteral("99999999999999999"), QStringLiteral("-5"), QStringLiteral("1.2.3"),
                          QStringLiteral("99999.99")};
        frmPrincipal f;
        QVERIFY(Arrancar(b, f));
        QCOMPARE(b.dialogos.titulosPad.size(), 4);
        QCOMPARE(b.dialogos.mensajes.size(), 3);
        QCOMPARE(b.Columna(QStringLiteral("select concepto from caja")),
                 QStringList{QStringLiteral("Inicio caja")});
        QCOMPARE(b.Valor(QStringLiteral("select importe from caja")).toDouble(), 99999.99);
    }

    void nuevoDiaConTecladoVacioYRespuestaNo()
    {
        BaseDePrueba b;
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 4), QTime(9, 0)));
        MeterMovimientoCaja(100, QStringLiteral("Inicio caja"), QStringLiteral("20261204"), 1, 0, 0);
        MeterMovimientoCaja(25, QStringLiteral("Ref. 7"), QStringLiteral("20261204"), 1, 7, 0);
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 5), QTime(9, 0)));

        // "No": the day goes on under yesterday's name and nothing is closed.
        b.dialogos.siNo = {7};
        frmPrincipal f1;
        QVERIFY(Arrancar(b, f1));
        QCOMPARE(G().NombreCierre, QStringLiteral("20261204"));
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja where cerrado = 1")), QStringLiteral("0"));

        // Yes with an empty keypad: nothing booked, earlier movements closed, the new day named.
        b.dialogos.siNo = {6};
        b.dialogos.pad = {QString()};
        frmPrincipal f2;
        QVERIFY(Arrancar(b, f2));
        QCOMPARE(G().NombreCierre, QStringLiteral("20261205"));
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("2"));
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja where cerrado = 1")), QStringLiteral("2"));
    }

    void configuracion()
    {
        BaseDePrueba b;
        b.dialogos.siNo = {7, 7, 7};

        // Missing file: one message, no connection, an orderly "no".
        frmPrincipal f1;
        QVERIFY(!f1.CargarFormulario(b.dir.filePath(QStringLiteral("no-existe.dat"))));
        QCOMPARE(b.dialogos.mensajes, QStringList{QString::fromUtf8("Falta archivo de configuración bdcostuaccess.dat")});
        QVERIFY(b.dialogos.preguntas.isEmpty());

        // Empty file.
        b.dialogos.mensajes.clear();
        const QString vacio = b.dir.filePath(QStringLiteral("vacio.dat"));
        QFile(vacio).open(QIODevice::WriteOnly);
        frmPrincipal f2;
        QVERIFY(!f2.CargarFormulario(vacio));
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].contains(QString::fromUtf8("vacío")));

        // Empty first line means the server; an unreachable one is reported, not fatal.
        b.dialogos.mensajes.clear();
        frmPrincipal f3;
        QVERIFY(!Arrancar(b, f3, {QString(), QStringLiteral("127.0.0.1:1"), QStringLiteral("arreglos"),
                                 QStringLiteral("sa"), QStringLiteral("x")}));
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].startsWith(QStringLiteral("No se pudo conectar")));

        // A database file that is not there (mistyped, moved, a configuration that is no text) is
        // named and never created.
        for (const QString &linea : {QStringLiteral("perdida.db"), QString::fromLatin1("\x01\x7f\xc3(")}) {
            b.dialogos.mensajes.clear();
            frmPrincipal f;
            QVERIFY(!Arrancar(b, f, {linea}));
            QCOMPARE(b.dialogos.mensajes.size(), 1);
            QVERIFY(b.dialogos.mensajes[0].startsWith(QStringLiteral("No se encuentra la base de datos ")));
            QVERIFY(!QFileInfo::exists(b.dir.filePath(linea)));
        }

        // The quoted file name or the server lines of this run open the test database.
        b.dialogos.mensajes.clear();
        frmPrincipal f4;
        QVERIFY(Arrancar(b, f4));
        QVERIFY(b.dialogos.mensajes.isEmpty());
        QCOMPARE(G().EsSqlServer, b.conexion.EsSqlServer());
    }

    void parametrosDefectuososYPantalla()
    {
        BaseDePrueba b;
        b.dialogos.siNo = {7, 7};
        PantallaFija pequena(QSize(800, 600));
        G().pantallas = &pequena;
        b.conexion.Ejecutar(QStringLiteral("update parametros set anchuracarro = 'cuarenta'"));
        frmPrincipal f1;
        QVERIFY(Arrancar(b, f1));
        QCOMPARE(b.dialogos.mensajes.size(), 2);
        QCOMPARE(b.dialogos.mensajes[0], QString::fromUtf8("La resolución de su pantalla no es de 1024 x 768.\r\n"
                                                           "Deberia cambiarla para una correcta visualización"));
        QVERIFY(b.dialogos.mensajes[1].contains(QStringLiteral("cuarenta")));
        QCOMPARE(G().AnchuraTicket, 40);

        // A screen larger than 1024 x 768 is no reason to warn.
        PantallaFija grande(QSize(1920, 1080));
        G().pantallas = &grande;
        b.dialogos.mensajes.clear();
        b.conexion.Ejecutar(QStringLiteral("delete from parametros"));
        frmPrincipal f2;
        QVERIFY(Arrancar(b, f2));
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].contains(QString::fromUtf8("parámetros")));
        G().pantallas = nullptr;
    }

    void tiendaNuevaDeHilvanAdmin()
    {
        if (BaseDePrueba::MotorPedido() == Motor::PostgreSQL)
            QSKIP("hilvan-admin creates the embedded database here; the server run adds nothing");
        BaseDePrueba b;
        const QString config = b.dir.filePath(QStringLiteral("tienda/bdcostuaccess.dat"));
        QProcess admin;
        admin.start(QStringLiteral(HILVAN_ADMIN), {QStringLiteral("init"), QStringLiteral("--config"), config,
                                                   QStringLiteral("--base"), QStringLiteral("tienda.db")});
        QVERIFY(admin.waitForFinished(30000));
        QCOMPARE(admin.exitCode(), 0);

        // It opens, and the haberdashery product the counter and the workshop look for is there.
        b.dialogos.siNo = {7};
        frmPrincipal f;
        QVERIFY(f.CargarFormulario(config));
        QCOMPARE(b.dialogos.mensajes, QStringList());
        Recordset rs = G().conexion->AbrirRecordset(QString::fromUtf8(
            "select familias.nombre from productos, familias where productos.idfamilia = familias.idfamilia "
            "and productos.nombre = 'Productos mercería'"));
        QCOMPARE(rs.Cuantos(), 1);
        G().conexion = &b.conexion;
    }

    void salir()
    {
        BaseDePrueba b;
        b.dialogos.siNo = {7};
        frmPrincipal f;
        QVERIFY(Arrancar(b, f));
        G().conexion = nullptr;
        b.dialogos.siNo = {7, 6};
        QVERIFY(!f.salirformulario());
        QVERIFY(f.salirformulario());
        QCOMPARE(b.dialogos.preguntas.mid(1), (QStringList{QString::fromUtf8("¿Cerrar la aplicación?"),
                                                            QString::fromUtf8("¿Cerrar la aplicación?")}));
    }

    void cleanup() { Registro::Terminar(); }

    // A failed statement is in the log with the version and which statement it was, and the
    // customer's name and telephone in it are not, whatever words the backend used.
    void erroresDeBaseDeDatosSinDatosDeClientes()
    {
        BaseDePrueba b;
        QTemporaryDir dir;
        Registro::Iniciar(dir.path());
        b.Insertar("clientes", "idcliente, nombre, telefono", {"1, 'Ángela Ruiz', '600123456'"});
        const QStringList fallan = {
            // unknown column: the server repeats the statement text after "LINE 1:"
            QStringLiteral(
                "insert into clientes (nombre, telefono, apodo) values ('Ángela Ruiz', '600123456', "
                "'Angie')"),
            // repeated id: the server repeats the key's value
            QStringLiteral("insert into clientes (idcliente, nombre, telefono) values (1, 'Ángela Ruiz', "
                           "'600123456')"),
            // a name where a number goes (the embedded engine takes it): the server quotes the value
            QStringLiteral("update clientes set estienda = 'Ángela Ruiz' where telefono = '600123456'"),
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
        QCOMPARE(Registro::RutaArchivo(), QDir(dir.path()).filePath(QStringLiteral("hilvan.log")));
        const QStringList lineas = log.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lineas.filter(QStringLiteral("Base de datos:")).size(), fallos);
        for (const QString &l : lineas)
            QVERIFY2(l.contains(QLatin1Char(' ') + VersionPrograma() + QLatin1Char(' ')), qPrintable(l));
        QVERIFY(log.contains(QStringLiteral("apodo")));
        QVERIFY(log.contains(QStringLiteral("orden: insert into clientes")));
        for (const char *dato : {"Ruiz", "600123456", "Angie"})
            QVERIFY2(!log.contains(QString::fromUtf8(dato)), qPrintable(log));
    }

    // The log never grows past its size: the oldest copy is dropped and the newest lines are in
    // hilvan.log; restarting the program appends.
    void rotacion()
    {
        QTemporaryDir dir;
        Registro::Iniciar(dir.path(), 2000, 3);
        for (int i = 0; i < 300; ++i)
            qWarning("aviso número %d de la prueba", i);
        qDebug("depuración que no va al registro");
        Registro::Terminar();

        const QDir d(dir.path());
        QStringList archivos = d.entryList({QStringLiteral("hilvan.log*")}, QDir::Files, QDir::Name);
        QCOMPARE(archivos, (QStringList{QStringLiteral("hilvan.log"), QStringLiteral("hilvan.log.1"),
                                        QStringLiteral("hilvan.log.2"), QStringLiteral("hilvan.log.3")}));
        for (const QString &a : archivos)
            QVERIFY(QFileInfo(d.filePath(a)).size() <= 2000);
        const QString actual = Leer(d.filePath(QStringLiteral("hilvan.log")));
        QVERIFY(actual.trimmed().endsWith(QString::fromUtf8("AVISO aviso número 299 de la prueba")));
        QVERIFY(Leer(d.filePath(QStringLiteral("hilvan.log.1"))).contains(QStringLiteral("AVISO aviso")));
        QVERIFY(!Leer(d.filePath(QStringLiteral("hilvan.log.3"))).contains(QString::fromUtf8("número 0 ")));
        QVERIFY(!actual.contains(QStringLiteral("depuración")));

        Registro::Iniciar(dir.path(), 2000, 3);
        qCritical("fallo tras volver a arrancar");
        Registro::Terminar();
        const QString tras = Leer(d.filePath(QStringLiteral("hilvan.log")));
        QVERIFY(
            tras.contains(QString::fromUtf8("número 299"))
            || Leer(d.filePath(QStringLiteral("hilvan.log.1"))).contains(QString::fromUtf8("número 299")));
        QVERIFY(tras.contains(QStringLiteral("INICIO arranque del programa")));
        QVERIFY(tras.trimmed().endsWith(QStringLiteral("ERROR fallo tras volver a arrancar")));
    }
};

QTEST_GUILESS_MAIN(PruebaArranque)
#include "test_bd_arranque.moc"
