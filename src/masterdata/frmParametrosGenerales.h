#pragma once

#include <QList>
#include <QString>
#include <functional>

// The shop's parameters: its identity on the ticket header, the footer lines, where the ticket
// printer is and the ticket width. They take effect at the next start of the program.
class frmParametrosGenerales
{
public:
    QString txtEmpresa, txtNombre, txtNif, txtDireccion, txtTelefono, txtCodPostal, txtLocalidad;
    QString txtPie1, txtpie2, txtPie3, txtPie4, txtPie5, txtPie6, txtPie7;
    QString txtConfPuerto, txtAnchuraCarro;
    // Where the daily copy goes as well (a USB disk, a network share); empty for none.
    QString txtCarpetaCopias2;
    // The caption of txtConfPuerto follows the printer chosen: serial settings, device or address.
    QString lblConfPuerto;

    struct Elemento {
        QString texto;
        int dato = 0;
    };
    // "Vista previa en pantalla", "COM1" ... "COM16", then the USB and the network printer.
    QList<Elemento> cmbComs;
    int cmbComsIndice = -1;
    static constexpr int ImpresoraUsb = -1;
    static constexpr int ImpresoraRed = -2;

    // The owner's PIN: set or changed, and removed (only shown while one is set).
    QString cmdPinCaption;
    bool cmdQuitarPinVisible = false;

    bool Abierto = false;
    // The user chose to close the program after saving, so that the values take effect.
    bool SalirDelPrograma = false;

    void CargarFormulario(const std::function<void()> &mostrar);
    void LlenarComs();
    // Selects the printer choice and offers an example of what its box expects.
    void cmbComs_Click(int indice);
    // True when saved (the screen then closes); false leaves it open.
    bool cmdAceptar_Click();
    void cmdCancelar_Click() { Abierto = false; }
    void cmdPin_Click();
    void cmdQuitarPin_Click();
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }

private:
    int DatoElegido() const { return cmbComs.value(cmbComsIndice, Elemento{QString(), 0}).dato; }
    // The field that is wrong and what it should hold; empty when everything can be saved.
    QString Validar(QString &parametrospuerto) const;
    void SeleccionarTexto(const QString &texto);
    void LeerPin();
};
