#include "frmPadNumerico.h"

void frmPadNumerico::CargarFormulario(QString &valor, bool grande, const QString &titulo,
                                      const QString &exacto, bool billetes)
{
    buscar_ = nullptr;
    Abrir(valor, grande, titulo, exacto, billetes);
}

void frmPadNumerico::CargarTelefono(QString &valor, const QString &titulo, const BuscarClientes &buscar,
                                    int &idcliente)
{
    buscar_ = buscar;
    idcliente_ = 0;
    Abrir(valor, true, titulo, QString(), false);
    idcliente = idcliente_;
}

void frmPadNumerico::Abrir(QString &valor, bool grande, const QString &titulo, const QString &exacto,
                           bool billetes)
{
    letraGrande = grande;
    ImporteExacto = exacto;
    ConBilletes = billetes;
    lblTitulo = titulo;
    txtCifra.clear();
    Sugerencias.clear();
    valor_.clear();
    Mostrar();
    valor = valor_;
}

void frmPadNumerico::Sugerir()
{
    Sugerencias.clear();
    if (buscar_ && txtCifra.size() >= CifrasParaSugerir)
        Sugerencias = buscar_(txtCifra);
}

void frmPadNumerico::Sugerencia_Click(int indice)
{
    if (indice < 0 || indice >= int(Sugerencias.size()))
        return;
    idcliente_ = Sugerencias[size_t(indice)].idcliente;
    valor_ = Sugerencias[size_t(indice)].telefono;
    Descargar();
}

void frmPadNumerico::n_Click(int digito)
{
    if (digito >= 0 && digito <= 9 && txtCifra.size() < LargoMaximo())
        txtCifra += QChar(u'0' + digito);
    Sugerir();
}

void frmPadNumerico::npunto_Click()
{
    if (txtCifra.size() < LargoMaximo())
        txtCifra += u'.';
}

void frmPadNumerico::nC_Click()
{
    txtCifra.clear();
    Sugerir();
}

void frmPadNumerico::cmdBorrar_Click()
{
    txtCifra.chop(1);
    Sugerir();
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

void frmPadNumerico::cmdBillete_Click(int euros)
{
    if (!ConBilletes)
        return;
    txtCifra = QString::number(euros);
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
