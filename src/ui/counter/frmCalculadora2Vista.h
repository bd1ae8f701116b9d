#pragma once

#include "counter/frmCalculadora2.h"

#include "ui/common/Vista.h"

class QLabel;
class QPushButton;

// The calculator window: not modal, it stays beside the sale screen while staff go on.
class frmCalculadora2Vista : public Vista
{
    Q_OBJECT
public:
    explicit frmCalculadora2Vista(QWidget *padre = nullptr);
    // Opens the one calculator of the program, or brings it to the front.
    static void Mostrar(QWidget *padre);

    QPushButton *Boton(const QString &texto) const;
    QString Pantalla() const;

    void Repintar() override;

protected:
    void Escape() override { close(); }
    void keyPressEvent(QKeyEvent *e) override;

private:
    frmCalculadora2 modelo_;
    QLabel *pantalla_;
};
