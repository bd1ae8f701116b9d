#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class frmNuevoTrabajador;

class frmNuevoTrabajadorVista : public QDialog
{
    Q_OBJECT
public:
    explicit frmNuevoTrabajadorVista(frmNuevoTrabajador &modelo, QWidget *padre = nullptr);
    QLineEdit *txtFamilia;
    QCheckBox *chkDesactivado;
    QPushButton *cmdAceptar, *cmdCancelar;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Atender(const std::function<void()> &manejador);
    frmNuevoTrabajador &modelo_;
};
