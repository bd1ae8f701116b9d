#pragma once

#include <QDateTime>
#include <QString>

// The owner's PIN, which guards the screens with the shop's money and data. The database keeps
// only a salted PBKDF2 hash of it (parametros.pin); with none set, nothing asks for it and the
// back office opens as it always did.
namespace ClavePropietario {

inline constexpr int FallosParaBloquear = 5;
inline constexpr int SegundosBloqueo = 60;

// What the counter remembers between two requests: the PIN typed right since the menu opened, the
// wrong ones in a row and, after five, until when it refuses to ask.
struct Estado {
    bool dentro = false;
    int fallos = 0;
    QDateTime bloqueadoHasta;
};
Estado &EstadoActual();

// "pbkdf2-sha256$<iterations>$<salt>$<key>", salt and key in base 64; a new salt every time.
QString Cifrar(const QString &pin);
bool Coincide(const QString &guardado, const QString &pin);
// 4 to 8 digits: short enough for the keypad, long enough not to be guessed in five tries.
bool Valido(const QString &pin);
// The stored hash; empty when the shop has no PIN.
QString Guardado();
// Sets the PIN (removes it when empty) and writes it in the journal, in one transaction.
void Guardar(const QString &pin, const QString &quien = QString());

// Asks for the PIN on the keypad before a guarded screen opens, unless none is set or it was typed
// right since the menu opened. Five wrong ones in a row lock it for a minute (by the shop clock).
bool Pedir();
// Leaving the back office: the next guarded screen asks again.
void Salir();

// The parameters screen: asks the new PIN twice on the keypad and sets it; or, after a question,
// removes it. Both tell the user how it went.
void CambiarConTeclado();
void QuitarConPregunta();

} // namespace ClavePropietario
