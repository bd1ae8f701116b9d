#include "DialogosQt.h"

#include <QMessageBox>

// Placeholder bodies until the touch dialogs land.
void DialogosQt::Mensaje(const QString &texto)
{
    QMessageBox::information(padre_, QStringLiteral("Hilván"), texto);
}

int DialogosQt::MensajeSiNo(const QString &texto)
{
    return QMessageBox::question(padre_, QStringLiteral("Hilván"), texto) == QMessageBox::Yes ? 6 : 7;
}

QString DialogosQt::PadNumerico(const QString &, bool)
{
    return {};
}

QString DialogosQt::Calendario()
{
    return {};
}

int DialogosQt::Usuario()
{
    return 0;
}

void DialogosQt::FormaPago(QString &nombre, int &idformapago)
{
    nombre.clear();
    idformapago = 0;
}
