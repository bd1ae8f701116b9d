#include "BaseDePrueba.h"
#include "core/Conexion.h"
#include "core/Programa.h"
#include "core/Registro.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QString Leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class PruebaRegistro : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(PruebaRegistro)
#include "test_bd_registro.moc"
