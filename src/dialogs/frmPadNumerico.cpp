#include "frmPadNumerico.h"

void frmPadNumerico::CargarFormulario(QString &valor, bool grande, const QString &titulo,
                                      const QString &exacto)
{
    letraGrande = grande;
    ImporteExacto = exacto;
    lblTitulo = titulo;
    txtCifra.clear();
    valor_.clear();
    Mostrar();
    valor = valor_;
}

void frmPadNumerico::n_Click(int digito)
{
    if (digito >= 0 && digito <= 9 && txtCifra.size() < LargoMaximo())
        txtCifra += QChar(u'0' + digito);
}

void frmPadNumerico::npunto_Click()
{
    if (txtCifra.size() < LargoMaximo())
        txtCifra += u'.';
}

void frmPadNumerico::nC_Click()
{
    txtCifra.clear();
}

void frmPadNumerico::cmdBorrar_Click()
{
    txtCifra.chop(1);
}

void frmPadNumerico::cmdOk_Click()
{
    valor_ = txtCifra;
    Descargar();
}

void frmPadNumerico::cmdExacto_Click()
{
    if (ImporteExacto.isEmpty())
        return;
    txtCifra = ImporteExacto;
    cmdOk_Click();
}

void frmPadNumerico::cmdCancelar_Click()
{
    valor_.clear();
    Descargar();
}

void frmPadNumerico::Form_KeyPress(QChar tecla)
{
    switch (tecla.unicode()) {
    case 27:
        cmdCancelar_Click();
        break;
    case u'\r':
    case u'\n':
        cmdOk_Click();
        break;
    case u'\b':
        cmdBorrar_Click();
        break;
    case u'.':
    case u',': // the decimal key of a Spanish numeric keypad types a comma; amounts use the point
        npunto_Click();
        break;
    default:
        if (tecla >= u'0' && tecla <= u'9')
            n_Click(tecla.unicode() - u'0');
    }
}
