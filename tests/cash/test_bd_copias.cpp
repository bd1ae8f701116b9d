#include "BaseDePrueba.h"
#include "cash/CopiaSeguridad.h"
#include "core/BaseDatos.h"
#include "core/Formato.h"
#include "core/Programa.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QtTest>

namespace {

QStringList Tablas(BaseDePrueba &b)
{
    return b.Columna(
        BaseDePrueba::MotorPedido() == Motor::SQLite
            ? QStringLiteral("select name from sqlite_master where type = 'table' and name not like "
                             "'sqlite_%'")
            : QStringLiteral("select tablename from pg_tables where schemaname = 'public'"));
}

// Every row of every table, as text, in a fixed order.
QMap<QString, QStringList> Contenido(BaseDePrueba &b)
{
    QMap<QString, QStringList> r;
    for (const QString &tabla : Tablas(b)) {
        Recordset rs = b.conexion.AbrirRecordset(QStringLiteral("select * from ") + tabla);
        QStringList filas;
        for (; !rs.EOF_(); rs.MoveNext()) {
            QStringList celdas;
            for (int i = 0; i < rs.NumCampos(); ++i)
                celdas.append(rs.Campo(i).isNull() ? QStringLiteral("<nulo>") : TextoDeValor(rs.Campo(i)));
            filas.append(celdas.join(QLatin1Char('|')));
        }
        filas.sort();
        r.insert(tabla, filas);
    }
    return r;
}

QString Extension()
{
    return BaseDePrueba::MotorPedido() == Motor::SQLite ? QStringLiteral(".db") : QStringLiteral(".dump");
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
        G().ArchivoConfiguracion = b.dir.filePath(QStringLiteral("bdcostuaccess.dat"));
        const QString carpeta = b.dir.filePath(QStringLiteral("copiasseguridad"));
        QCOMPARE(CarpetaCopias(), carpeta);
        QVERIFY(!QDir(carpeta).exists());
        const QMap<QString, QStringList> original = Contenido(b);
        QVERIFY(original.size() >= 10);
        QVERIFY(!original.value(QStringLiteral("arreglos")).isEmpty());

        // The folder is made; two copies in the same second get two files; the program's
        // connection goes on working.
        CopiaSeguridad();
        CopiaSeguridad();
        QCOMPARE(b.dialogos.mensajes, (QStringList{QStringLiteral("Copia de seguridad realizada"),
                                                   QStringLiteral("Copia de seguridad realizada")}));
        const QString primera =
            QDir(carpeta).filePath(QStringLiteral("arreglos_2026-12-05_103000") + Extension());
        const QString segunda =
            QDir(carpeta).filePath(QStringLiteral("arreglos_2026-12-05_103000_2") + Extension());
        QVERIFY(QFile::exists(primera));
        QVERIFY(QFile::exists(segunda));
        QVERIFY(QFileInfo(primera).size() > 0);
        QCOMPARE(VerificarCopia(b.conexion, primera), QString());

        // Later work, then the first copy back: every table as it was, and the later work kept
        // in a copy of its own.
        b.conexion.Ejecutar(QStringLiteral("delete from arreglos_detalles"));
        b.conexion.Ejecutar(QStringLiteral("update clientes set nombre = 'Otro' where idcliente = 1"));
        b.conexion.Ejecutar(QStringLiteral("insert into colores (nombre) values ('Turquesa')"));
        const QMap<QString, QStringList> despues = Contenido(b);
        // The verification compares the rows: the earlier file no longer matches.
        if (BaseDePrueba::MotorPedido() == Motor::SQLite)
            QVERIFY(VerificarCopia(b.conexion, primera).contains(QStringLiteral("arreglos_detalles")));
        b.reloj.Fijar(QDateTime(QDate(2026, 12, 5), QTime(11, 0, 0)));
        const ResultadoCopia r = RestaurarCopia(b.conexion, primera, carpeta, b.reloj.Ahora());
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.apartada, QDir(carpeta).filePath(QStringLiteral("antes-de-restaurar_2026-12-05_110000")
                                                    + Extension()));
        QCOMPARE(Contenido(b), original);

        const ResultadoCopia deVuelta = RestaurarCopia(b.conexion, r.apartada, carpeta, b.reloj.Ahora());
        QVERIFY2(deVuelta.ok, qPrintable(deVuelta.error));
        QCOMPARE(Contenido(b), despues);
        QCOMPARE(
            deVuelta.apartada,
            QDir(carpeta).filePath(QStringLiteral("antes-de-restaurar_2026-12-05_110000_2") + Extension()));

        // A file that is no copy is refused and changes nothing.
        const QString basura = b.dir.filePath(QStringLiteral("basura") + Extension());
        QFile f(basura);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("esto no es una copia");
        f.close();
        const ResultadoCopia mala = RestaurarCopia(b.conexion, basura, carpeta, b.reloj.Ahora());
        QVERIFY(!mala.ok);
        QVERIFY(!mala.error.isEmpty());
        QCOMPARE(Contenido(b), despues);
        QCOMPARE(QDir(carpeta).entryList(QDir::Files).size(), 4);
    }

    void carpetaQueNoSePuedeEscribir()
    {
        BaseDePrueba b;
        // The folder's place is taken by a file: nothing can be created there, not even as root.
        QFile estorbo(b.dir.filePath(QStringLiteral("estorbo")));
        QVERIFY(estorbo.open(QIODevice::WriteOnly));
        estorbo.close();
        G().RutaBaseDatos = b.dir.filePath(QStringLiteral("estorbo/prueba.db"));
        G().ArchivoConfiguracion = b.dir.filePath(QStringLiteral("estorbo/bdcostuaccess.dat"));
        CopiaSeguridad();
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].startsWith(QStringLiteral("No se pudo crear la carpeta")));

        // A folder where the copy's file cannot be written.
        const ResultadoCopia r =
            HacerCopiaSeguridad(b.conexion, QStringLiteral("/proc/self"), b.reloj.Ahora());
        QVERIFY(!r.ok);
        QVERIFY(r.error.startsWith(QStringLiteral("No se pudo crear la copia")));
    }
};

QTEST_GUILESS_MAIN(PruebaCopias)
#include "test_bd_copias.moc"
