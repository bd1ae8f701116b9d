#include "ui/dialogs/frmPadNumericoVista.h"

#include "core/Formato.h"
#include "dialogs/frmPadNumerico.h"
#include "ui/common/Estilo.h"
#include "ui/printing/TextoPlano.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int AnchoTecla = 100;
constexpr int AltoTecla = 84;
constexpr int PuntosCifra = 22;
constexpr int AnchoSugerencia = 300;
} // namespace

frmPadNumericoVista::frmPadNumericoVista(frmPadNumerico &modelo, QWidget *padre)
    : VistaDialogo(modelo, QString::fromUtf8("Teclado numérico"), padre), modelo_(modelo)
{
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(20, 18, 20, 20);
    capa->setSpacing(12);

    lblTitulo_ = new ::Etiqueta(this);
    lblTitulo_->setObjectName(QStringLiteral("lblTitulo"));
    lblTitulo_->setFont(Estilo::Fuente(17, true));
    lblTitulo_->setWordWrap(true);
    lblTitulo_->setAlignment(Qt::AlignCenter);
    capa->addWidget(lblTitulo_);

    // A label, not an edit box: every key reaches the form model, which decides what the figure is.
    txtCifra_ = new ::Etiqueta(this);
    txtCifra_->setObjectName(QStringLiteral("txtCifra"));
    txtCifra_->setAccessibleName(QStringLiteral("Cifra"));
    txtCifra_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtCifra_->setMinimumHeight(70);
    // The keys set the window's width; the display never widens it, whatever is typed.
    txtCifra_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    txtCifra_->setStyleSheet(QStringLiteral(
        "QLabel { background: white; border: 2px solid #8a7b66; border-radius: 6px; padding: 4px 12px; }"));
    capa->addWidget(txtCifra_);

    auto *teclas = new QGridLayout;
    teclas->setSpacing(10);
    for (int d = 0; d <= 9; ++d) {
        auto *n = Tecla(QString::number(d), QStringLiteral("n%1").arg(d), [this, d] { modelo_.n_Click(d); });
        if (d == 0)
            teclas->addWidget(n, 3, 0, 1, 2);
        else
            teclas->addWidget(n, 2 - (d - 1) / 3, (d - 1) % 3); // 7 8 9 on top, as on a till
    }
    auto *punto = Tecla(".", "npunto", &frmPadNumerico::npunto_Click);
    auto *borrar = Tecla("Del", "cmdBorrar", &frmPadNumerico::cmdBorrar_Click);
    auto *limpiar = Tecla("C", "nC", &frmPadNumerico::nC_Click);
    punto->setAccessibleName(QStringLiteral("Punto decimal"));
    borrar->setAccessibleName(QString::fromUtf8("Borrar la última cifra"));
    limpiar->setAccessibleName(QStringLiteral("Borrar todo"));
    teclas->addWidget(punto, 3, 2);
    teclas->addWidget(borrar, 0, 3);
    teclas->addWidget(limpiar, 1, 3);
    auto *no = Tecla("NO", "cmdCancelar", &frmPadNumerico::cmdCancelar_Click);
    no->setAccessibleName(QStringLiteral("Cancelar"));
    no->setStyleSheet(QStringLiteral("QPushButton { background: #f3d6d0; }"));
    teclas->addWidget(no, 2, 3);
    auto *ok = Tecla("OK", "cmdOk", &frmPadNumerico::cmdOk_Click);
    ok->setStyleSheet(QStringLiteral("QPushButton { background: #d5ebcf; }"));
    ok->setAccessibleName(QStringLiteral("Aceptar"));
    teclas->addWidget(ok, 3, 3);
    cmdExacto_ = Tecla("", "cmdExacto", &frmPadNumerico::cmdExacto_Click);
    cmdExacto_->setFont(Estilo::Fuente(20, true));
    cmdExacto_->setStyleSheet(QStringLiteral("QPushButton { background: #d5ebcf; }"));
    teclas->addWidget(cmdExacto_, 4, 0, 1, 5);
    // Beside the digits: the common notes on the money keypad, the customers found on the
    // telephone keypad.
    int fila = 0;
    for (const int euros : frmPadNumerico::Billetes) {
        auto *b =
            Tecla(QString::number(euros) + QString::fromUtf8(" €"), QStringLiteral("cmdBillete%1").arg(euros),
                  [this, euros] { modelo_.cmdBillete_Click(euros); });
        b->setStyleSheet(QStringLiteral("QPushButton { background: #e4efd9; }"));
        billetes_.push_back(b);
        teclas->addWidget(b, fila++, 4);
    }
    auto *lista = new QVBoxLayout;
    lista->setSpacing(8);
    for (int i = 0; i < MaximoSugerencias; ++i) {
        auto *b = Boton(QString(), QStringLiteral("cmdSugerencia%1").arg(i),
                        [this, i] { modelo_.Sugerencia_Click(i); });
        b->setFont(Estilo::Fuente(14, true));
        b->setFixedWidth(AnchoSugerencia);
        b->setMinimumHeight(AltoTecla);
        b->setAutoDefault(false);
        sugerencias_.push_back(b);
        lista->addWidget(b);
    }
    lista->addStretch();
    teclas->addLayout(lista, 0, 5, 5, 1);
    capa->addLayout(teclas);
}

QPushButton *frmPadNumericoVista::Tecla(const QString &texto, const QString &nombre,
                                        const std::function<void()> &manejador)
{
    auto *b = Boton(texto, nombre, manejador);
    b->setFont(Estilo::Fuente(24, true));
    b->setMinimumSize(AnchoTecla, AltoTecla);
    b->setAutoDefault(false);
    return b;
}

QPushButton *frmPadNumericoVista::Tecla(const char *texto, const char *nombre,
                                        void (frmPadNumerico::*manejador)())
{
    return Tecla(QString::fromLatin1(texto), QString::fromLatin1(nombre),
                 [this, manejador] { (modelo_.*manejador)(); });
}

void frmPadNumericoVista::Repintar()
{
    lblTitulo_->setText(modelo_.lblTitulo);
    setWindowTitle(QString::fromUtf8("Teclado numérico")
                   + (modelo_.lblTitulo.isEmpty() ? QString() : QStringLiteral(": ") + modelo_.lblTitulo));
    lblTitulo_->setVisible(!modelo_.lblTitulo.isEmpty());
    txtCifra_->setFont(
        Estilo::Fuente(modelo_.letraGrande ? frmPadNumerico::PuntosLetraGrande : PuntosCifra, true));
    txtCifra_->setText(modelo_.oculto ? QString(modelo_.txtCifra.size(), QChar(0x25CF)) : modelo_.txtCifra);
    cmdExacto_->setVisible(!modelo_.ImporteExacto.isEmpty());
    cmdExacto_->setText(QStringLiteral("Exacto: ") + FormatoImporte(Val(modelo_.ImporteExacto))
                        + QString::fromUtf8(" €"));
    cmdExacto_->setAccessibleName(cmdExacto_->text());
    for (QPushButton *b : billetes_)
        b->setVisible(modelo_.ConBilletes);
    const auto &s = modelo_.Sugerencias;
    for (size_t i = 0; i < sugerencias_.size(); ++i) {
        QPushButton *b = sugerencias_[i];
        // The column keeps its room while nothing is offered: the keys never move under a finger.
        QSizePolicy reserva = b->sizePolicy();
        reserva.setRetainSizeWhenHidden(modelo_.OfreceClientes());
        b->setSizePolicy(reserva);
        b->setVisible(i < s.size());
        if (i < s.size()) {
            PonerTextoBoton(b, s[i].nombre + QLatin1Char('\n') + s[i].telefono);
            b->setAccessibleName(s[i].nombre + QStringLiteral(", ") + s[i].telefono);
        }
    }
}

void frmPadNumericoVista::Escape()
{
    modelo_.Form_KeyPress(QChar(27));
}

void frmPadNumericoVista::keyPressEvent(QKeyEvent *e)
{
    QChar tecla;
    switch (e->key()) {
    case Qt::Key_Escape:
        Vista::keyPressEvent(e);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        tecla = u'\r';
        break;
    case Qt::Key_Backspace:
        tecla = u'\b';
        break;
    case Qt::Key_Delete:
        Ejecutar([this] { modelo_.nC_Click(); });
        return;
    default:
        if (e->text().size() != 1) {
            QDialog::keyPressEvent(e);
            return;
        }
        tecla = e->text().at(0);
    }
    Ejecutar([this, tecla] { modelo_.Form_KeyPress(tecla); });
}
