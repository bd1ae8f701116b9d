#include "InstanciaUnica.h"

#include "Dialogos.h"
#include "Programa.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ClaveBaseDatos(const Configuracion &config)
{
    if (!config.existe || config.vacio)
        return QStringLiteral("config:") + QFileInfo(config.ruta).absoluteFilePath();
    if (config.UsaServidor()) {
        const DatosServidor d = config.Servidor();
        return QStringLiteral("servidor:%1:%2/%3").arg(d.host.toLower()).arg(d.puerto).arg(d.basedatos);
    }
    // The same file reached through another folder or a link is the same till's database.
    const QFileInfo archivo(config.ArchivoBaseDatos());
    const QString real = archivo.canonicalFilePath();
    return QStringLiteral("archivo:") + (real.isEmpty() ? archivo.absoluteFilePath() : real);
}

InstanciaUnica::InstanciaUnica(const Configuracion &config, const QString &carpeta)
{
    QString dir = carpeta;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    const QByteArray huella =
        QCryptographicHash::hash(ClaveBaseDatos(config).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    ruta_ =
        QDir(dir).filePath(QStringLiteral("hilvan-") + QString::fromLatin1(huella) + QStringLiteral(".lock"));
    cerrojo_ = std::make_unique<QLockFile>(ruta_);
    // Held for the whole run, which lasts days: only a dead process makes it stale.
    cerrojo_->setStaleLockTime(0);
}

InstanciaUnica::~InstanciaUnica() = default;

bool InstanciaUnica::Tomar()
{
    if (cerrojo_->isLocked() || cerrojo_->tryLock(0))
        return true;
    if (cerrojo_->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString programa, maquina;
        cerrojo_->getLockInfo(&pid, &programa, &maquina);
        qWarning("Otra copia del programa (proceso %lld) ya tiene abierta esta base de datos", pid);
        Dlg().Mensaje(QString::fromUtf8("El programa ya está abierto en este ordenador.\r\n"
                                        "Use la ventana que ya está abierta."));
        return false;
    }
    // A runtime folder that cannot be written must not keep the shop from selling.
    qWarning("No se pudo crear el cerrojo %s", qPrintable(ruta_));
    return true;
}
