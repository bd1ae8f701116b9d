#pragma once

#include <QString>
#include <functional>
#include <memory>

class FilaLeida;
class Lectura;

// A long listing shown as it is read: its first part at once, then a part in each turn of the
// screen's event loop (Seguir) until the last row, so a touch on the screen never waits for the
// whole list. While rows remain, nothing else may use the connection: Completar reads the rest
// before the screen writes or prints, Dejar drops it before the list is read again.
class ListaPorPartes
{
public:
    ListaPorPartes();
    ~ListaPorPartes();

    // Opens the statement and hands its first `filas` rows to `fila`; `alAcabar` runs after the
    // last row (at once when the first part held them all).
    void Empezar(const QString &sql, int filas, std::function<void(const FilaLeida &)> fila,
                 std::function<void()> alAcabar);
    bool Incompleta() const { return lectura_ != nullptr; }
    // The next `filas` rows. A failure drops the rest (the list stays as far as it got) and throws.
    void Seguir(int filas);
    void Completar();
    void Dejar();

private:
    std::unique_ptr<Lectura> lectura_;
    std::function<void(const FilaLeida &)> fila_;
    std::function<void()> alAcabar_;
};
