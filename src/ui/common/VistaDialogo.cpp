#include "ui/common/VistaDialogo.h"

#include "dialogs/DialogoModal.h"
#include "ui/common/Estilo.h"
#include "ui/common/Evento.h"

#include <QKeyEvent>
#include <QPushButton>

VistaDialogo::VistaDialogo(DialogoModal &modelo, QWidget *padre) : QDialog(padre), modelo_(modelo)
{
    setModal(true);
    setWindowTitle(QString::fromUtf8("Hilván"));
    modelo_.MostrarModal = [this] {
        Repintar();
        exec();
    };
}

VistaDialogo::~VistaDialogo()
{
    modelo_.MostrarModal = nullptr;
}

void VistaDialogo::Atender(const std::function<void()> &manejador)
{
    Evento::Proteger(manejador);
    if (modelo_.Cerrado)
        accept();
    else
        Repintar();
}

QPushButton *VistaDialogo::Boton(const QString &texto, const QString &nombre,
                                 const std::function<void()> &manejador)
{
    auto *b = Estilo::Boton(texto, this);
    b->setObjectName(nombre);
    b->setMinimumSize(190, 72);
    connect(b, &QPushButton::clicked, this, [this, manejador] { Atender(manejador); });
    return b;
}

void VistaDialogo::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        Escape();
        return;
    }
    QDialog::keyPressEvent(e);
}
