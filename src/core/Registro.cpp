#include "Registro.h"

#include "Programa.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

struct Estado {
    QMutex mutex;
    QFile archivo;
    qint64 tamanoMaximo = 0;
    int copias = 0;
    QtMessageHandler anterior = nullptr;
    bool activo = false;
};

Estado &E()
{
    static Estado e;
    return e;
}

QString Copia(int n)
{
    return E().archivo.fileName() + QLatin1Char('.') + QString::number(n);
}

void Rotar()
{
    Estado &e = E();
    const QString ruta = e.archivo.fileName();
    e.archivo.close();
    QFile::remove(Copia(e.copias));
    for (int n = e.copias - 1; n >= 1; --n)
        QFile::rename(Copia(n), Copia(n + 1));
    QFile::rename(ruta, Copia(1));
    e.archivo.setFileName(ruta);
    e.archivo.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
    e.archivo.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void Escribir(const char *nivel, const QString &texto)
{
    Estado &e = E();
    QMutexLocker cerrojo(&e.mutex);
    if (!e.activo || !e.archivo.isOpen())
        return;
    const QByteArray linea = (QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                              + QLatin1Char(' ') + VersionPrograma() + QLatin1Char(' ') + QLatin1String(nivel)
                              + QLatin1Char(' ') + Registro::SinDatos(texto).simplified() + QLatin1Char('\n'))
                                 .toUtf8();
    if (e.archivo.size() > 0 && e.archivo.size() + linea.size() > e.tamanoMaximo)
        Rotar();
    e.archivo.write(linea);
    e.archivo.flush();
}

void Manejador(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    switch (tipo) {
    case QtInfoMsg: // what the program chose as it started (the screen's scale)
        Escribir("INFO", texto);
        break;
    case QtWarningMsg:
        Escribir("AVISO", texto);
        break;
    case QtCriticalMsg:
    case QtFatalMsg:
        Escribir("ERROR", texto);
        break;
    default:
        break;
    }
    if (E().anterior)
        E().anterior(tipo, contexto, texto);
}

} // namespace

QString Registro::CarpetaPorDefecto()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/hilvan");
}

void Registro::Iniciar(const QString &carpeta, qint64 tamanoMaximo, int copias)
{
    Terminar();
    const QString dir = carpeta.isEmpty() ? CarpetaPorDefecto() : carpeta;
    QDir().mkpath(dir);
    Estado &e = E();
    {
        QMutexLocker cerrojo(&e.mutex);
        e.archivo.setFileName(QDir(dir).filePath(QStringLiteral("hilvan.log")));
        e.tamanoMaximo = tamanoMaximo;
        e.copias = qMax(1, copias);
        e.activo = e.archivo.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
        // Ids and errors are no one else's business on a shared machine.
        e.archivo.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    // Without the file the program runs on: the log helps support, it is not needed to sell.
    if (!e.activo)
        return;
    e.anterior = qInstallMessageHandler(Manejador);
    Escribir("INICIO",
             QStringLiteral("arranque del programa (proceso %1)").arg(QCoreApplication::applicationPid()));
}

void Registro::Terminar()
{
    Estado &e = E();
    if (!e.activo)
        return;
    qInstallMessageHandler(e.anterior);
    QMutexLocker cerrojo(&e.mutex);
    e.anterior = nullptr;
    e.activo = false;
    e.archivo.close();
}

QString Registro::RutaArchivo()
{
    return E().archivo.fileName();
}

QString Registro::SinDatos(const QString &texto)
{
    // 'text' with '' inside; the server's DETAIL line ("Key (telefono)=(600123456)") and LINE
    // excerpt of the statement; the value it quotes after a colon ("for type integer: "Ana"")
    // while names of columns and tables stay ("column "apodo""); "=(value)" anywhere else.
    static const QRegularExpression citas(QStringLiteral("'(?:[^']|'')*'?"));
    static const QRegularExpression lineas(
        QStringLiteral("\\b(DETAIL|DETALLE|LINE \\d+|LÍNEA \\d+):[^\\n]*"));
    static const QRegularExpression valorCitado(QStringLiteral(":\\s*\"[^\"]*\"?"));
    static const QRegularExpression valores(QStringLiteral("=\\([^)]*\\)"));
    QString t = texto;
    t.replace(lineas, QStringLiteral("\\1: …"));
    t.replace(valorCitado, QStringLiteral(": \"…\""));
    t.replace(valores, QStringLiteral("=(…)"));
    t.replace(citas, QStringLiteral("'…'"));
    return t;
}
