#pragma once

#include "DialogoModal.h"

#include <QString>

// The touch keypad: the figure is typed without a keyboard and handed back as typed. Each caller
// reads it as it needs (an amount, a telephone, a postcode), so nothing is checked here.
class frmPadNumerico : public DialogoModal
{
public:
    static constexpr int PuntosLetraGrande = 28;

    // exacto: an amount offered on a key of its own (the exact sum still to pay); empty for none.
    void CargarFormulario(QString &valor, bool letraGrande, const QString &titulo,
                          const QString &exacto = QString());

    void n_Click(int digito); // n0 ... n9
    void npunto_Click();
    void nC_Click();
    void cmdBorrar_Click();
    void cmdOk_Click();
    void cmdCancelar_Click();
    void cmdExacto_Click();
    // A key typed anywhere on the window lands in the display; Escape cancels.
    void Form_KeyPress(QChar tecla);

    QString lblTitulo;
    QString txtCifra;
    bool letraGrande = false;
    QString ImporteExacto;

private:
    QString valor_;
};
