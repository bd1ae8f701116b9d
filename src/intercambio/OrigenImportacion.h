#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <stdexcept>

// Why an import or export cannot go on, in Spanish, for the person at the terminal.
class ErrorIntercambio : public std::runtime_error
{
public:
    explicit ErrorIntercambio(const QString &mensaje)
        : std::runtime_error(mensaje.toStdString()), mensaje_(mensaje)
    {
    }
    QString Mensaje() const { return mensaje_; }

private:
    QString mensaje_;
};

// Where an import reads the old program's tables: an Access file (.mdb, .accdb) through the
// mdbtools commands, or a folder with one CSV file per table named like the table. Nothing is
// ever written there.
class OrigenImportacion
{
public:
    explicit OrigenImportacion(const QString &ruta); // throws ErrorIntercambio
    bool EsAccess() const { return !archivoAccess_.isEmpty(); }
    // The source's own name of a table, matched without regard to case; empty when it has none.
    QString Nombre(const QString &tabla) const { return tablas_.value(tabla.toLower()); }
    QStringList Tablas() const { return tablas_.values(); }
    // A table's rows as CSV; `latido` hears, every moment, how many lines have come so far. A file
    // the tools cannot read whole is refused. Throws ErrorIntercambio.
    QByteArray Leer(const QString &tabla, const std::function<void(qint64 lineas)> &latido = {}) const;
    // The rows the file says the table has (mdb-count); -1 for a CSV file, whose records are the count.
    qint64 Filas(const QString &tabla) const;

private:
    QString archivoAccess_;
    QString carpeta_;
    QHash<QString, QString> tablas_; // lower-case name -> name in the source (file name in a folder)
};
