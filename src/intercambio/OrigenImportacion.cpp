#include "OrigenImportacion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// The Access tools are called with every option that shapes their output spelled out, and in the
// C locale, so numbers keep their decimal point whatever the machine or the tools' version.
QByteArray Ejecutar(const QString &orden, const QStringList &argumentos)
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
    while (!p.waitForFinished(200))
        salida += p.readAllStandardOutput();
    salida += p.readAllStandardOutput();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw ErrorIntercambio(
            QString::fromUtf8("%1 no ha podido leer el archivo %2: compruebe que es la base de "
                              "datos de Access del programa anterior y que no está dañado.")
                .arg(orden,
                     argumentos.value(argumentos.size() - (orden == QLatin1String("mdb-export") ? 2 : 1))));
    return salida;
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

QByteArray OrigenImportacion::Leer(const QString &tabla) const
{
    const QString nombre = Nombre(tabla);
    if (EsAccess()) {
        const QString fecha = QStringLiteral("%Y-%m-%d %H:%M:%S");
        return Ejecutar(QStringLiteral("mdb-export"),
                        {QStringLiteral("-d"), QStringLiteral(","), QStringLiteral("-R"),
                         QStringLiteral("\n"), QStringLiteral("-q"), QStringLiteral("\""),
                         QStringLiteral("-X"), QStringLiteral("\""), QStringLiteral("-D"), fecha,
                         QStringLiteral("-T"), fecha, QStringLiteral("-b"), QStringLiteral("strip"),
                         archivoAccess_, nombre});
    }
    QFile f(QDir(carpeta_).filePath(nombre));
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorIntercambio(QString::fromUtf8("No se puede leer %1.").arg(f.fileName()));
    return f.readAll();
}
