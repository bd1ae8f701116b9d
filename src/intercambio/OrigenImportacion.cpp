#include "OrigenImportacion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// The Access tools are called with every option that shapes their output spelled out, and in the
// C locale, so numbers keep their decimal point whatever the machine or the tools' version. What a
// tool writes on its error output is handed back: mdb-export reports a damaged or cut file only there.
QByteArray Ejecutar(const QString &orden, const QStringList &argumentos, QByteArray &errores,
                    const std::function<void(qint64)> &latido = {})
{
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    p.setProcessEnvironment(entorno);
    p.start(orden, argumentos, QIODevice::ReadOnly);
    if (!p.waitForStarted(-1))
        throw ErrorIntercambio(QString::fromUtf8("No se encuentra la orden %1: instale el paquete mdbtools "
                                                 "(scripts/instalar-dependencias.sh lo instala).")
                                   .arg(orden));
    QByteArray salida;
    qint64 lineas = 0;
    while (!p.waitForFinished(200)) {
        const QByteArray parte = p.readAllStandardOutput();
        lineas += parte.count('\n');
        salida += parte;
        errores += p.readAllStandardError();
        if (latido)
            latido(lineas);
    }
    salida += p.readAllStandardOutput();
    errores += p.readAllStandardError();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw ErrorIntercambio(
            QString::fromUtf8("%1 no ha podido leer el archivo %2: compruebe que es la base de "
                              "datos de Access del programa anterior y que no está dañado.")
                .arg(orden,
                     argumentos.value(argumentos.size() - (orden == QLatin1String("mdb-tables") ? 1 : 2))));
    return salida;
}

QByteArray Ejecutar(const QString &orden, const QStringList &argumentos)
{
    QByteArray errores;
    return Ejecutar(orden, argumentos, errores);
}

ErrorIntercambio TablaDanada(const QString &tabla, const QString &archivo)
{
    return ErrorIntercambio(
        QString::fromUtf8("La tabla %1 del archivo %2 no se puede leer entera: el archivo "
                          "está dañado o incompleto. Pida otra copia al programa anterior. "
                          "No se ha importado nada.")
            .arg(tabla, QFileInfo(archivo).fileName()));
}

} // namespace

OrigenImportacion::OrigenImportacion(const QString &ruta)
{
    const QFileInfo info(ruta);
    if (info.isDir()) {
        carpeta_ = info.absoluteFilePath();
        const QStringList archivos = QDir(carpeta_).entryList(
            {QStringLiteral("*.csv"), QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QString &a : archivos)
            tablas_.insert(QFileInfo(a).completeBaseName().toLower(), a);
        if (tablas_.isEmpty())
            throw ErrorIntercambio(QString::fromUtf8("La carpeta %1 no tiene archivos CSV.").arg(ruta));
        return;
    }
    const QString extension = info.suffix().toLower();
    if (!info.isFile() || (extension != QLatin1String("mdb") && extension != QLatin1String("accdb")))
        throw ErrorIntercambio(
            QString::fromUtf8("%1 no es un archivo .mdb o .accdb ni una carpeta de archivos CSV.").arg(ruta));
    archivoAccess_ = info.absoluteFilePath();
    const QStringList nombres =
        QString::fromUtf8(Ejecutar(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), archivoAccess_}))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &n : nombres)
        if (!n.trimmed().isEmpty())
            tablas_.insert(n.trimmed().toLower(), n.trimmed());
}

QByteArray OrigenImportacion::Leer(const QString &tabla, const std::function<void(qint64)> &latido) const
{
    const QString nombre = Nombre(tabla);
    if (EsAccess()) {
        const QString fecha = QStringLiteral("%Y-%m-%d %H:%M:%S");
        QByteArray errores;
        QByteArray salida =
            Ejecutar(QStringLiteral("mdb-export"),
                     {QStringLiteral("-d"), QStringLiteral(","), QStringLiteral("-R"), QStringLiteral("\n"),
                      QStringLiteral("-q"), QStringLiteral("\""), QStringLiteral("-X"), QStringLiteral("\""),
                      QStringLiteral("-D"), fecha, QStringLiteral("-T"), fecha, QStringLiteral("-b"),
                      QStringLiteral("strip"), archivoAccess_, nombre},
                     errores, latido);
        // A file cut short or with a bad page still ends well, with part of the rows and a warning.
        if (!errores.trimmed().isEmpty())
            throw TablaDanada(nombre, archivoAccess_);
        return salida;
    }
    QFile f(QDir(carpeta_).filePath(nombre));
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorIntercambio(QString::fromUtf8("No se puede leer %1.").arg(f.fileName()));
    return f.readAll();
}

qint64 OrigenImportacion::Filas(const QString &tabla) const
{
    if (!EsAccess())
        return -1;
    bool ok = false;
    qint64 n = 0;
    try {
        n = Ejecutar(QStringLiteral("mdb-count"), {archivoAccess_, Nombre(tabla)}).trimmed().toLongLong(&ok);
    } catch (const ErrorIntercambio &) {
    }
    if (!ok)
        throw TablaDanada(Nombre(tabla), archivoAccess_);
    return n;
}
