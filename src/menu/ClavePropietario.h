#pragma once

#include <QDateTime>
#include <QString>

// The owner's PIN, which guards the screens with the shop's money and data. The database keeps
// only a salted PBKDF2 hash of it (parametros.pin); with none set, nothing asks for it and the
// back office opens as it always did. The wrong PINs in a row and the lock they bring live in the
// shop's row too (parametros.pinfallos, pinbloqueo): every counter, hilvan-admin and a restarted
// program count on the same tries.
namespace ClavePropietario {

inline constexpr int FallosParaBloquear = 5;
// Each fifth wrong PIN in a row locks it for the next of these minutes; every lock after the last
// lasts as long as the last. An hour, not more: a longer lock would let staff shut the owner out of
// the back office for a day with a few touches, and at five tries an hour half the four-digit PINs
// take six weeks of trying around the clock, each lock in the journal.
inline constexpr int MinutosBloqueo[] = {1, 5, 15, 60};

// What this counter remembers between two requests: the PIN typed right since the menu opened.
struct Estado {
    bool dentro = false;
};
Estado &EstadoActual();

// "pbkdf2-sha256$<iterations>$<salt>$<key>", salt and key in base 64; a new salt every time.
QString Cifrar(const QString &pin);
bool Coincide(const QString &guardado, const QString &pin);
// 4 to 8 digits: short enough for the keypad, long enough not to be guessed in five tries.
bool Valido(const QString &pin);
// The stored hash; empty when the shop has no PIN.
QString Guardado();
// Whether the PIN set has a recovery code (one set before there were codes has none).
bool TieneCodigoRecuperacion();

// Sets the PIN (removes it when empty) with a new recovery code, clears the wrong tries and the
// lock and writes it in the journal (as `tipo`; by default put or removed), in one transaction.
// Gives the recovery code ("1234-5678-9012-3456"), the only time it is ever shown; none on removal.
QString Guardar(const QString &pin, const QString &quien = QString(), const QString &tipo = QString());
// What hands the owner a new recovery code: where to keep it and what it is for.
QString TextoCodigo(const QString &codigo);
// The parameters screen's word once a PIN is set, with its code.
QString MensajeGuardado(const QString &codigo);
// The recovery code given when the PIN was set, typed with or without its dashes. It stops working
// when the next PIN is set.
bool CodigoBueno(const QString &codigo);

// The Spanish refusal while a lock is on (by the shop clock); empty when the PIN may be tried.
QString AvisoBloqueo();
// Checks a PIN typed as the current one, counting it with the shop's wrong tries: right clears
// them; a wrong one that makes a fifth in a row locks (and journals the lock, as `quien`). False,
// with the Spanish reason in `aviso`, when wrong or locked (then it is not even compared).
bool Comprobar(const QString &pin, QString &aviso, const QString &quien = QString());

// Asks for the PIN on the keypad before a guarded screen opens, unless none is set or it was typed
// right since the menu opened.
bool Pedir();
// Leaving the back office: the next guarded screen asks again.
void Salir();

// The parameters screen: asks the current PIN (when one is set) and the new one twice on the
// keypad and sets it, showing its recovery code; or, after a question and the current PIN, removes
// it. Both tell the user how it went.
void CambiarConTeclado();
void QuitarConPregunta();

// The PIN's columns of the parameters row and their values as SQL: a screen that writes the row
// afresh carries them over, lock included.
inline constexpr const char *ColumnasFila = "pin, pinrecuperacion, pinfallos, pinbloqueo";
QString ValoresFila();

} // namespace ClavePropietario
