#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frmParametrosGenerales;

class frmParametrosGeneralesVista : public QDialog
{
    Q_OBJECT
public:
    explicit frmParametrosGeneralesVista(frmParametrosGenerales &modelo, QWidget *padre = nullptr);
    void Repintar();

    QLineEdit *txtEmpresa, *txtNombre, *txtNif, *txtDireccion, *txtTelefono, *txtCodPostal, *txtLocalidad;
    QLineEdit *txtPie[7];
    QLineEdit *txtConfPuerto, *txtAnchuraCarro;
    QLabel *lblConfPuerto;
    QComboBox *cmbComs;
    QPushButton *cmdAceptar, *cmdCancelar, *cmdPin, *cmdQuitarPin;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Atender(const std::function<void()> &accion);
    void LeerCampos();
    QList<QString *> CamposModelo() const;
    QList<QLineEdit *> CamposVista() const;
    frmParametrosGenerales &modelo_;
};
