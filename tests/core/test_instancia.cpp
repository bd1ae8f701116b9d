#include "DialogosGuion.h"
#include "core/Configuracion.h"
#include "core/InstanciaUnica.h"
#include "core/Programa.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

class PruebaInstancia : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString cerrojos;
    DialogosGuion dialogos;

    Configuracion Config(const QString &nombre, const QStringList &lineas)
    {
        const QString ruta = dir.filePath(nombre);
        EscribirConfiguracion(ruta, lineas);
        return LeerConfiguracion(ruta);
    }

    const QString kYaAbierto = QString::fromUtf8(
        "El programa ya está abierto en este ordenador.\r\nUse la ventana que ya está abierta.");

private Q_SLOTS:
    void init()
    {
        cerrojos = dir.filePath(QStringLiteral("run"));
        QDir().mkpath(cerrojos);
        dialogos.mensajes.clear();
        G().dialogos = &dialogos;
    }

    void unaCopiaPorBaseDeDatos()
    {
        QDir().mkpath(dir.filePath(QStringLiteral("otra")));
        QFile(dir.filePath(QStringLiteral("tienda.db"))).open(QIODevice::WriteOnly);
        const Configuracion tienda = Config(QStringLiteral("a.dat"), {QStringLiteral("tienda.db")});
        // The same file named from another folder, by its absolute path, through a link.
        QFile::link(dir.filePath(QStringLiteral("tienda.db")), dir.filePath(QStringLiteral("enlace.db")));
        const Configuracion mismas[] = {
            Config(QStringLiteral("otra/b.dat"), {QStringLiteral("../tienda.db")}),
            Config(QStringLiteral("c.dat"), {dir.filePath(QStringLiteral("tienda.db"))}),
            Config(QStringLiteral("d.dat"), {QStringLiteral("\"enlace.db\"")}),
        };
        const Configuracion otraBase = Config(QStringLiteral("e.dat"), {QStringLiteral("otra.db")});
        const Configuracion servidor = Config(
            QStringLiteral("f.dat"), {QString(), QStringLiteral("Caja1:5432"), QStringLiteral("arreglos")});
        const Configuracion mismoServidor = Config(
            QStringLiteral("g.dat"), {QString(), QStringLiteral("caja1:5432"), QStringLiteral("arreglos")});

        InstanciaUnica primera(tienda, cerrojos);
        QVERIFY(primera.Tomar());
        QVERIFY(primera.Tomar()); // asking again from the same copy is harmless
        for (const Configuracion &c : mismas) {
            InstanciaUnica segunda(c, cerrojos);
            QVERIFY2(!segunda.Tomar(), qPrintable(c.ruta));
        }
        QCOMPARE(dialogos.mensajes, QStringList(3, kYaAbierto));

        // Another shop's database, or a server, on the same machine is another counter.
        InstanciaUnica otra(otraBase, cerrojos), srv(servidor, cerrojos);
        QVERIFY(otra.Tomar());
        QVERIFY(srv.Tomar());
        QVERIFY(!InstanciaUnica(mismoServidor, cerrojos).Tomar());
        QCOMPARE(dialogos.mensajes.size(), 4);
    }

    // Closing the program, or a crash that left the lock file behind, lets the next copy start.
    void trasCerrarOFallar()
    {
        const Configuracion c = Config(QStringLiteral("h.dat"), {QStringLiteral("h.db")});
        QString ruta;
        {
            InstanciaUnica primera(c, cerrojos);
            QVERIFY(primera.Tomar());
            ruta = primera.Ruta();
            QVERIFY(QFile::exists(ruta));
        }
        QVERIFY(!QFile::exists(ruta));

        // What a copy killed mid-sale leaves: its process number, name and machine.
        QFile huerfano(ruta);
        QVERIFY(huerfano.open(QIODevice::WriteOnly));
        huerfano.write("999999\nhilvan\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        huerfano.close();
        InstanciaUnica siguiente(c, cerrojos);
        QVERIFY(siguiente.Tomar());
        QVERIFY(dialogos.mensajes.isEmpty());
    }
};

QTEST_GUILESS_MAIN(PruebaInstancia)
#include "test_instancia.moc"
