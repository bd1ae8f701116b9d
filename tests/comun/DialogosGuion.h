#pragma once

#include "core/Dialogos.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <utility>

// The next scripted answer, taken off its queue; the default when the test queued none.
template <class T> T Sacar(std::deque<T> &cola, T siVacia = T())
{
    if (cola.empty())
        return siVacia;
    T r = std::move(cola.front());
    cola.pop_front();
    return r;
}

// Scripted dialogs: a test queues the answers, runs the flow, then reads every message and
// question that was shown. An unqueued question is answered as if the window was closed.
class DialogosGuion : public Dialogos
{
public:
    void Mensaje(const QString &texto) override { mensajes.append(texto); }
    int MensajeSiNo(const QString &texto) override;
    QString PadNumerico(const QString &titulo, bool letraGrande) override;
    QString PadImporte(const QString &titulo, const QString &exacto) override;
    QString Calendario() override;
    int Usuario() override;
    void FormaPago(QString &nombre, int &idformapago) override;
    int Trabajador() override;

    QStringList mensajes;
    QStringList preguntas;
    QStringList titulosPad;
    QStringList exactos; // the amount the money keypad offered on its exact key

    // Run once, just before the next staff picker or yes/no question: a test breaks the database there.
    std::function<void()> alElegirUsuario;
    std::function<void()> alPreguntar;

    std::deque<int> siNo;
    std::deque<QString> pad;
    std::deque<QString> calendario;
    std::deque<int> usuarios;
    std::deque<int> trabajadores;
    std::deque<std::pair<QString, int>> formasPago;
};
