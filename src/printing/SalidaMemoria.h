#pragma once

#include "core/SalidaTickets.h"

#include <QList>
#include <functional>

// Keeps every byte sent, and splits them into tickets at each paper cut: what the on-screen
// preview draws, and what the tests read back.
class SalidaMemoria : public SalidaTickets
{
public:
    void Enviar(const QByteArray &bytes) override;

    QByteArray Bytes() const { return bytes_; }
    // Every ticket cut so far, each ending with its cut.
    QList<QByteArray> Tickets() const { return tickets_; }
    void Vaciar();

    // Called with each ticket as the paper is cut.
    std::function<void(const QByteArray &ticket)> AlCortar;

private:
    QByteArray bytes_;
    QByteArray enCurso_;
    QList<QByteArray> tickets_;
};
