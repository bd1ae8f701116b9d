#pragma once

#include <QString>
#include <functional>

// The splash window shown while the program starts: one status line.
class frmInicio
{
public:
    QString lblEstado;
    // The view repaints at once on every caption, so start-up progress is visible.
    std::function<void()> Repintar;

    void Estado(const QString &texto)
    {
        lblEstado = texto;
        if (Repintar)
            Repintar();
    }
};
