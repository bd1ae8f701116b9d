#include "Lejania.h"

#include "core/Configuracion.h"

#include <QFileInfo>

Lejania::Lejania(const QString &config, double ms) : config_(config)
{
    const Configuracion cfg = LeerConfiguracion(config);
    if (ms <= 0 || !cfg.existe || !cfg.UsaServidor())
        return;
    const DatosServidor s = cfg.Servidor();
    proxy_ = std::make_unique<QProcess>();
    proxy_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proxy_->start(QStringLiteral("python3"),
                  {QStringLiteral(HILVAN_FUENTES "/scripts/proxy-retardo.py"), QStringLiteral("--escucha"),
                   QStringLiteral("0"), QStringLiteral("--destino"),
                   s.host + QLatin1Char(':') + QString::number(s.puerto > 0 ? s.puerto : 5432),
                   QStringLiteral("--ida-vuelta"), QString::number(ms)});
    // "escuchando PUERTO" once it listens on the port the system gave it.
    QByteArray linea;
    while (!linea.endsWith('\n') && proxy_->waitForReadyRead(10000))
        linea += proxy_->readLine();
    const QList<QByteArray> partes = linea.trimmed().split(' ');
    if (partes.size() != 2 || partes[0] != "escuchando") {
        error_ = QStringLiteral("no arranca scripts/proxy-retardo.py");
        return;
    }
    QStringList lineas = cfg.lineas;
    lineas[1] = QStringLiteral("127.0.0.1:") + QString::fromLatin1(partes[1]);
    config_ = carpeta_.filePath(QFileInfo(config).fileName());
    EscribirConfiguracion(config_, lineas);
}

Lejania::~Lejania()
{
    if (proxy_ && proxy_->state() != QProcess::NotRunning) {
        proxy_->terminate();
        if (!proxy_->waitForFinished(5000))
            proxy_->kill();
        proxy_->waitForFinished();
    }
}
