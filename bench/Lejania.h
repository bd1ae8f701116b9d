#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A far database server on loopback: scripts/proxy-retardo.py started between the benchmark and the
// server of a configuration, adding a round trip of `ms` to every exchange, and a configuration file
// of its own that names the proxy instead of the server. Stopped when this goes.
class Lejania
{
public:
    // An empty error and the configuration unchanged when the configuration is not a server's or
    // ms is 0.
    Lejania(const QString &config, double ms);
    ~Lejania();
    Lejania(const Lejania &) = delete;
    Lejania &operator=(const Lejania &) = delete;

    QString Config() const { return config_; } // the file to open: the proxy's, or the original
    QString Error() const { return error_; }

private:
    QString config_;
    QString error_;
    QTemporaryDir carpeta_;
    std::unique_ptr<QProcess> proxy_;
};
