#pragma once

#include "counter/frmCalculadora2.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

// The calculator window: not modal, it stays beside the sale screen while staff go on.
class frmCalculadora2Vista : public QWidget
{
    Q_OBJECT
public:
    explicit frmCalculadora2Vista(QWidget *padre = nullptr);
    // Opens the one calculator of the program, or brings it to the front.
    static void Mostrar(QWidget *padre);

    QPushButton *Boton(const QString &texto) const;
    QString Pantalla() const;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Pulsar(const std::function<void()> &accion);
    frmCalculadora2 modelo_;
    QLabel *pantalla_;
};
