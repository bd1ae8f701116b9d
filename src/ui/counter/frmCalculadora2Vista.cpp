#include "ui/counter/frmCalculadora2Vista.h"

#include "ui/common/Estilo.h"
#include "ui/printing/TextoPlano.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

frmCalculadora2Vista::frmCalculadora2Vista(QWidget *padre)
    : Vista(SinModelo, QStringLiteral("Calculadora"), padre)
{
    // Not modal: it stays beside the sale screen while staff go on.
    setWindowFlag(Qt::Tool);
    setModal(false);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("frmCalculadora2Vista { background: #fbf8f2; }"));
    auto *capa = new QGridLayout(this);
    capa->setSpacing(8);
    pantalla_ = new ::Etiqueta(modelo_.txtPantalla, this);
    pantalla_->setFont(Estilo::Fuente(30, true));
    pantalla_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pantalla_->setMinimumHeight(76);
    pantalla_->setStyleSheet(
        QStringLiteral("background: white; border: 2px solid #8a7b66; padding: 4px 10px;"));
    capa->addWidget(pantalla_, 0, 0, 1, 4);

    const char *teclas[5][4] = {{"7", "8", "9", "/"},
                                {"4", "5", "6", "*"},
                                {"1", "2", "3", "-"},
                                {"0", ".", "%", "+"},
                                {"C", "\xe2\x86\x90", "=", nullptr}};
    for (int f = 0; f < 5; ++f) {
        for (int c = 0; c < 4; ++c) {
            if (!teclas[f][c])
                continue;
            const QString t = QString::fromUtf8(teclas[f][c]);
            auto *b = Estilo::Boton(t == QLatin1String("*") ? QString::fromUtf8("×") : t, this);
            b->setObjectName(t);
            b->setMinimumSize(90, 72);
            b->setAutoDefault(false); // Enter is "=", whichever key has the focus
            b->setFont(Estilo::Fuente(22, true));
            const int ancho = t == QLatin1String("=") ? 2 : 1;
            capa->addWidget(b, f + 1, c, 1, ancho);
            const QChar k = t[0];
            connect(b, &QPushButton::clicked, this, [this, t, k] {
                Ejecutar([this, t, k] {
                    if (k.isDigit() || k == u'.')
                        modelo_.Digito(k);
                    else if (t == QLatin1String("C"))
                        modelo_.Borrar();
                    else if (t == QLatin1String("="))
                        modelo_.Igual();
                    else if (t == QLatin1String("%"))
                        modelo_.Porcentaje();
                    else if (k == QChar(0x2190))
                        modelo_.Retroceso();
                    else
                        modelo_.Operacion(k);
                });
            });
        }
    }
    adjustSize();
}

void frmCalculadora2Vista::Mostrar(QWidget *padre)
{
    static QPointer<frmCalculadora2Vista> unica;
    if (!unica) {
        unica = new frmCalculadora2Vista(padre);
        unica->setAttribute(Qt::WA_DeleteOnClose);
        if (padre)
            unica->move(padre->geometry().right() - unica->width() - 20, padre->geometry().top() + 80);
    }
    unica->show();
    unica->raise();
    unica->activateWindow();
}

QPushButton *frmCalculadora2Vista::Boton(const QString &texto) const
{
    return findChild<QPushButton *>(texto);
}

QString frmCalculadora2Vista::Pantalla() const
{
    return pantalla_->text();
}

void frmCalculadora2Vista::Repintar()
{
    pantalla_->setText(modelo_.txtPantalla);
}

void frmCalculadora2Vista::keyPressEvent(QKeyEvent *e)
{
    const QString t = e->text();
    if (e->key() == Qt::Key_Backspace) {
        Ejecutar([this] { modelo_.Retroceso(); });
    } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || t == QLatin1String("=")) {
        Ejecutar([this] { modelo_.Igual(); });
    } else if (t.size() == 1 && (t[0].isDigit() || t[0] == u'.' || t[0] == u',')) {
        const QChar k = t[0] == u',' ? QChar(u'.') : t[0];
        Ejecutar([this, k] { modelo_.Digito(k); });
    } else if (t.size() == 1 && QStringLiteral("+-*/").contains(t[0])) {
        const QChar k = t[0];
        Ejecutar([this, k] { modelo_.Operacion(k); });
    } else if (t == QLatin1String("%")) {
        Ejecutar([this] { modelo_.Porcentaje(); });
    } else {
        Vista::keyPressEvent(e);
    }
}
