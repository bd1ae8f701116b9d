#pragma once

#include "core/Dialogos.h"

#include <QStringList>
#include <deque>
#include <utility>

// Scripted dialogs: a test queues the answers, runs the flow, then reads every message and
// question that was shown. An unqueued question is answered as if the window was closed.
class DialogosGuion : public Dialogos
{
public:
    void Mensaje(const QString &texto) override { mensajes.append(texto); }
    int MensajeSiNo(const QString &texto) override;
    QString PadNumerico(const QString &titulo, bool letraGrande) override;
    QString Calendario() override;
    int Usuario() override;
    void FormaPago(QString &nombre, int &idformapago) override;
    int Trabajador() override;

    QStringList mensajes;
    QStringList preguntas;
    QStringList titulosPad;

    std::deque<int> siNo;
    std::deque<QString> pad;
    std::deque<QString> calendario;
    std::deque<int> usuarios;
    std::deque<int> trabajadores;
    std::deque<std::pair<QString, int>> formasPago;
};
