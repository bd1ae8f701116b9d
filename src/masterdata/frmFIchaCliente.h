#pragma once

#include <QString>
#include <functional>

// The customer card: creates or edits one customer.
class frmFIchaCliente
{
public:
    QString txtNombre, txtDireccion, txtCodPostal, txtLocalidad, txtNif, txtTelefono;
    bool chkEstienda = false;
    bool cmdVerArreglosVisible = false;
    int IdCliente = 0; // 0 while the card shows a new customer
    bool Abierto = false;

    // Fills the card (an existing customer, or a new one with the telephone given) and shows it.
    void CargarFormulario(const QString &telefono, int idcliente, const std::function<void()> &mostrar);
    void LlenarDatosCliente(int idcliente);
    // True when saved (the card then closes); false leaves the card open after a message.
    bool GuardarCliente();
    // Runs the insert or update; false (and the card's message) when another customer has the
    // telephone.
    bool GuardarSinRepetirTelefono(const QString &sql);

    void cmdAceptar_Click() { GuardarCliente(); }
    void cmdCancelar_Click() { Abierto = false; }
    void cmdPostal_Click();
    void cmdTelefono_Click();
    void cmdVerArreglos_Click();
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
