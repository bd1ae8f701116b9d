#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class frmFIchaCliente;

class frmFIchaClienteVista : public QDialog
{
    Q_OBJECT
public:
    explicit frmFIchaClienteVista(frmFIchaCliente &modelo, QWidget *padre = nullptr);
    void Repintar();

    QLineEdit *txtNombre, *txtDireccion, *txtCodPostal, *txtLocalidad, *txtNif, *txtTelefono;
    QCheckBox *chkEstienda;
    QPushButton *cmdAceptar, *cmdCancelar, *cmdPostal, *cmdTelefono, *cmdVerArreglos;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Ejecutar(const std::function<void()> &accion);
    void LeerCampos();
    frmFIchaCliente &modelo_;
};
