#pragma once

#include "DialogoModal.h"
#include "core/Dialogos.h"

#include <QString>

// The touch keypad: the figure is typed without a keyboard and handed back as typed. Each caller
// reads it as it needs (an amount, a telephone, a postcode), so nothing is checked here beyond
// the length the display holds: keys past it are not taken.
class frmPadNumerico : public DialogoModal
{
public:
    static constexpr int PuntosLetraGrande = 28;
    // A telephone (the big display) has at most 15 digits; any other figure is an amount or a
    // postcode, and 12 characters hold the largest amount with room to see a slip of the finger.
    static constexpr int LargoTelefono = 15;
    static constexpr int LargoCifra = 12;
    int LargoMaximo() const { return letraGrande ? LargoTelefono : LargoCifra; }

    // exacto: an amount offered on a key of its own (the exact sum still to pay); empty for none.
    // billetes: the money keypad, with a key for each common note.
    void CargarFormulario(QString &valor, bool letraGrande, const QString &titulo,
                          const QString &exacto = QString(), bool billetes = false);
    // The telephone keypad: from the third digit it offers the customers buscar finds; a touch on
    // one closes it with that customer in idcliente.
    void CargarTelefono(QString &valor, const QString &titulo, const BuscarClientes &buscar, int &idcliente);

    void n_Click(int digito); // n0 ... n9
    void npunto_Click();
    void nC_Click();
    void cmdBorrar_Click();
    void cmdOk_Click();
    void cmdCancelar_Click();
    void cmdExacto_Click();
    void cmdBillete_Click(int euros);
    void Sugerencia_Click(int indice);
    // A key typed anywhere on the window lands in the display; Escape cancels.
    void Form_KeyPress(QChar tecla);

    QString lblTitulo;
    QString txtCifra;
    bool letraGrande = false;
    // A PIN: the display shows a dot for each figure.
    bool oculto = false;
    QString ImporteExacto;
    static constexpr int Billetes[] = {5, 10, 20, 50};
    bool ConBilletes = false;
    static constexpr int CifrasParaSugerir = 3;
    std::vector<ClienteSugerido> Sugerencias;
    bool OfreceClientes() const { return bool(buscar_); }

private:
    void Abrir(QString &valor, bool letraGrande, const QString &titulo, const QString &exacto, bool billetes);
    void Sugerir();
    QString valor_;
    BuscarClientes buscar_;
    int idcliente_ = 0;
};
