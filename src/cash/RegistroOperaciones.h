#pragma once

#include <QString>
#include <optional>

class Conexion;

// The journal of who moved money and data (table operaciones; the kinds below are what its
// listing shows): each entry is written inside the transaction of its action, so an action that
// fails leaves none and none exists without its action. Nothing in the program changes or deletes
// an entry.
namespace Operacion {
inline const QString ArregloAnulado = QStringLiteral("Arreglo anulado");
inline const QString DineroSacado = QStringLiteral("Dinero sacado");
inline const QString DeudaCancelada = QStringLiteral("Deuda cancelada");
inline const QString CobroTienda = QStringLiteral("Cobro a tienda");
inline const QString PrecioCambiado = QStringLiteral("Precio cambiado");
inline const QString LineaQuitada = QString::fromUtf8("Línea quitada");
inline const QString LineaPagada = QString::fromUtf8("Línea pagada");
inline const QString LineaSinPagar = QString::fromUtf8("Línea sin pagar");
inline const QString CopiaRestaurada = QStringLiteral("Copia restaurada");
inline const QString PinPuesto = QStringLiteral("PIN puesto");
inline const QString PinQuitado = QStringLiteral("PIN quitado");
inline const QString PinRecuperado = QStringLiteral("PIN recuperado");
inline const QString PinBloqueado = QStringLiteral("PIN bloqueado");
} // namespace Operacion

// Writes one entry: the cash day and time of the shop clock, this counter, the user chosen at the
// counter (empty where there is none), the kind, the order it concerns (0: none), the amount and
// the rest in words.
void AnotarOperacion(const QString &tipo, const QString &detalle, qint64 idarreglo = 0,
                     std::optional<double> importe = std::nullopt, const QString &usuario = QString());
// The same on a connection of its own (a restore works on the one it was given).
void AnotarOperacionEn(Conexion &c, const QString &tipo, const QString &detalle, qint64 idarreglo = 0,
                       std::optional<double> importe = std::nullopt, const QString &usuario = QString());
