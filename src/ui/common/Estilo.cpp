#include "ui/common/Estilo.h"

#include "ui/common/Accesible.h"
#include "ui/common/Escala.h"
#include "ui/printing/TextoPlano.h"

#include <QApplication>
#include <QPushButton>

QFont Estilo::Fuente(int puntos, bool negrita)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(puntos);
    f.setBold(negrita);
    return f;
}

void Estilo::Aplicar()
{
    Accesible::Instalar();
    Escala::Instalar();
    qApp->setFont(Fuente());
    qApp->setStyleSheet(
        QStringLiteral("QPushButton { background: #f4efe6; border: 2px solid #8a7b66; border-radius: 8px; "
                       "padding: 6px 10px; }"
                       "QPushButton:pressed { background: #d9cdb8; }"
                       "QPushButton:focus { border: 3px solid #1f5fa8; }"
                       "QPushButton:disabled { color: #a8a39a; border-color: #cfc8bb; background: #eeebe5; }"
                       "QDialog, QMainWindow { background: #fbf8f2; }"));
}

QPushButton *Estilo::Boton(const QString &texto, QWidget *padre)
{
    auto *b = new QPushButton(TextoBoton(texto), padre);
    b->setFont(Fuente(PuntosBoton, true));
    b->setMinimumSize(AnchoBoton, AltoBoton);
    // Tab reaches it, a touch does not take the focus from the box being typed or scanned into.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}
