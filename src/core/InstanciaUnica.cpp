#include "InstanciaUnica.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

CerrojoBaseDatos::CerrojoBaseDatos(const QString &archivoBaseDatos)
    : ruta_(archivoBaseDatos + QStringLiteral("-cerrojo"))
{
}

CerrojoBaseDatos::~CerrojoBaseDatos()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool CerrojoBaseDatos::Tomar(bool solo)
{
    if (fd_ >= 0)
        return true;
    const QByteArray ruta = QFile::encodeName(ruta_);
    fd_ = ::open(ruta.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) // made by another user: reading is enough to share it, or to look
        fd_ = ::open(ruta.constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        qWarning("No se pudo abrir el cerrojo %s: %s", ruta.constData(), std::strerror(errno));
        return true;
    }
    // Locks of the open file, not of the process: two holders in one process see each other, and
    // closing another descriptor of the file does not drop them.
    struct flock f = {};
    f.l_type = solo ? F_WRLCK : F_RDLCK;
    f.l_whence = SEEK_SET;
    if (::fcntl(fd_, F_OFD_SETLK, &f) == 0)
        return true;
    const int error = errno;
    if (error == EBADF) {
        // Read-only, a restore can only look whether a counter holds it.
        ::fcntl(fd_, F_OFD_GETLK, &f);
        if (f.l_type == F_UNLCK)
            return true;
    }
    ::close(fd_);
    fd_ = -1;
    if (error == EBADF || error == EAGAIN || error == EACCES)
        return false;
    qWarning("El cerrojo %s no se pudo tomar: %s", ruta.constData(), std::strerror(error));
    return true;
}

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
    if (config.existe && !config.vacio && !config.UsaServidor()) {
        const QString real = QFileInfo(config.ArchivoBaseDatos()).canonicalFilePath();
        if (!real.isEmpty())
            base_ = std::make_unique<CerrojoBaseDatos>(real);
    }
}

InstanciaUnica::~InstanciaUnica() = default;

bool InstanciaUnica::Tomar()
{
    motivo_.clear();
    if (!TomarEnEsteOrdenador())
        return false;
    if (!base_ || base_->Tomar(false))
        return true;
    cerrojo_->unlock();
    qWarning("Se está restaurando una copia de la base de datos: el programa no arranca");
    motivo_ = QString::fromUtf8("Se está restaurando una copia de seguridad de la base de datos.\r\n"
                                "Espere a que termine y vuelva a abrir el programa.");
    return false;
}

bool InstanciaUnica::TomarEnEsteOrdenador()
{
    if (cerrojo_->isLocked() || cerrojo_->tryLock(0))
        return true;
    if (cerrojo_->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString programa, maquina;
        cerrojo_->getLockInfo(&pid, &programa, &maquina);
        qWarning("Otra copia del programa (proceso %lld) ya tiene abierta esta base de datos", pid);
        motivo_ = QString::fromUtf8("El programa ya está abierto en este ordenador.\r\n"
                                    "Use la ventana que ya está abierta.");
        return false;
    }
    // A runtime folder that cannot be written must not keep the shop from selling.
    qWarning("No se pudo crear el cerrojo %s", qPrintable(ruta_));
    return true;
}
