#pragma once

#include "DialogosGuion.h"
#include "core/Conexion.h"
#include "core/Reloj.h"

#include <QMap>
#include <QTemporaryDir>
#include <initializer_list>

// A fresh shop database for one test, on the backend the run asks for (HILVAN_MOTOR=postgresql
// uses the throwaway server started by the test command; anything else the embedded file).
// It becomes the program's connection, with a fixed clock and scripted dialogs.
class BaseDePrueba
{
public:
    explicit BaseDePrueba(bool conSemilla = true);
    ~BaseDePrueba();
    BaseDePrueba(const BaseDePrueba &) = delete;
    BaseDePrueba &operator=(const BaseDePrueba &) = delete;

    static Motor MotorPedido();
    static DatosServidor ServidorDePrueba(const QString &basedatos);

    // Rows of a one-column query, as text, for quick checks.
    QStringList Columna(const QString &sql);
    QString Valor(const QString &sql);
    // Every table's rows as text ("<nulo>" for Null), sorted: what a copy must give back, or what
    // must not move behind a screen's back.
    QMap<QString, QStringList> Contenido();
    // The lines of a bdcostuaccess.dat that open this test's database (as the counter `puesto`,
    // its drawer's name, when one is given).
    QStringList LineasConfiguracion(const QString &puesto = {}) const;
    // One insert per row of values, e.g. Insertar("usuarios", "idusuario, nombre", {"2, 'Lucía'"}).
    void Insertar(const char *tabla, const char *columnas, std::initializer_list<const char *> filas);

    QTemporaryDir dir;
    Conexion conexion;
    RelojFijo reloj{QDateTime(QDate(2026, 12, 5), QTime(10, 30, 0))};
    DialogosGuion dialogos;
    QString nombreBaseServidor; // PostgreSQL database of this test, dropped at the end
};

// Every row of a query, its values as text joined by "|" (Null as `nulo`): several columns in one check.
QStringList Filas(Conexion &c, const QString &sql, const QString &nulo = {});
inline QStringList Filas(BaseDePrueba &b, const QString &sql)
{
    return Filas(b.conexion, sql);
}

// A whole file, read (empty when it cannot be) or written.
QByteArray LeerArchivo(const QString &ruta);
void Escribir(const QString &ruta, const QByteArray &bytes);
