#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class frmNuevoColor;

// Asks the name of a new colour.
class frmNuevoColorVista : public QDialog
{
    Q_OBJECT
public:
    explicit frmNuevoColorVista(frmNuevoColor &modelo, QWidget *padre = nullptr);

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Atender(const std::function<void()> &manejador);
    frmNuevoColor &modelo_;
    QLineEdit *txtColor_;
};
