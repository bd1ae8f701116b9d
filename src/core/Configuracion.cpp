#include "Configuracion.h"

#include <QSysInfo>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <stdexcept>

bool Configuracion::UsaServidor() const
{
    return lineas.value(0).remove(QLatin1Char('"')).trimmed().isEmpty();
}

QString Configuracion::ArchivoBaseDatos() const
{
    const QString nombre = lineas.value(0).remove(QLatin1Char('"')).trimmed();
    if (nombre.isEmpty())
        return {};
    if (QFileInfo(nombre).isAbsolute())
        return nombre;
    return QFileInfo(ruta).absoluteDir().filePath(nombre);
}

QString Configuracion::Puesto() const
{
    const QString puesto = lineas.value(5).trimmed();
    return puesto.isEmpty() ? QSysInfo::machineHostName() : puesto;
}

bool Configuracion::Ventana() const
{
    return lineas.value(7).trimmed().compare(QLatin1String("ventana"), Qt::CaseInsensitive) == 0;
}

DatosServidor Configuracion::Servidor() const
{
    DatosServidor d;
    QString host = lineas.value(1).trimmed();
    const int dosPuntos = host.lastIndexOf(QLatin1Char(':'));
    if (dosPuntos > 0 && !host.startsWith(QLatin1Char('/'))) {
        d.puerto = host.mid(dosPuntos + 1).toInt();
        host = host.left(dosPuntos);
    }
    d.host = host;
    d.basedatos = lineas.value(2).trimmed();
    d.usuario = lineas.value(3).trimmed();
    d.clave = lineas.value(4);
    // TLS whenever the server offers it; line 7 may require it. A word not understood keeps the
    // default and is said in the support log.
    const QString tls = lineas.value(6).trimmed().toLower();
    if (tls == QLatin1String("require") || tls == QLatin1String("verify-ca")
        || tls == QLatin1String("verify-full"))
        d.sslmode = tls;
    else if (!tls.isEmpty())
        qWarning("Línea 7 del archivo de configuración no reconocida; se usa sslmode=prefer");
    return d;
}

QString RutaConfiguracion(const QString &opcionLineaOrdenes)
{
    if (!opcionLineaOrdenes.isEmpty())
        return opcionLineaOrdenes;
    const QString entorno = qEnvironmentVariable("HILVAN_CONFIG");
    if (!entorno.isEmpty())
        return entorno;
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/hilvan/") + QLatin1String(NombreArchivoConfiguracion);
}

Configuracion LeerConfiguracion(const QString &ruta)
{
    Configuracion c;
    c.ruta = ruta;
    QFile f(ruta);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return c;
    c.existe = true;
    const QString texto = QString::fromUtf8(f.readAll());
    if (texto.trimmed().isEmpty()) {
        c.vacio = true;
        return c;
    }
    for (QString linea : texto.split(QLatin1Char('\n'))) {
        if (linea.endsWith(QLatin1Char('\r')))
            linea.chop(1);
        c.lineas.append(linea);
    }
    while (c.lineas.size() < 5)
        c.lineas.append(QString());
    return c;
}

void EscribirConfiguracion(const QString &ruta, const QStringList &lineas)
{
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error(("No se pudo escribir el archivo de configuración " + ruta).toStdString());
    // It may hold the server's password: for the owner's eyes only, before a word is written.
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QStringList cinco = lineas;
    while (cinco.size() < 5)
        cinco.append(QString());
    f.write((cinco.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

bool ConfiguracionExpuesta(const Configuracion &config)
{
    return !config.lineas.value(4).isEmpty()
           && (QFile::permissions(config.ruta) & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
}
