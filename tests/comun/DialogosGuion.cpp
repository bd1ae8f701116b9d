#include "DialogosGuion.h"

int DialogosGuion::MensajeSiNo(const QString &texto)
{
    preguntas.append(texto);
    if (siNo.empty())
        return 0;
    const int r = siNo.front();
    siNo.pop_front();
    return r;
}

QString DialogosGuion::PadNumerico(const QString &titulo, bool)
{
    titulosPad.append(titulo);
    if (pad.empty())
        return {};
    const QString r = pad.front();
    pad.pop_front();
    return r;
}

QString DialogosGuion::Calendario()
{
    if (calendario.empty())
        return {};
    const QString r = calendario.front();
    calendario.pop_front();
    return r;
}

int DialogosGuion::Usuario()
{
    if (usuarios.empty())
        return 0;
    const int r = usuarios.front();
    usuarios.pop_front();
    return r;
}

void DialogosGuion::FormaPago(QString &nombre, int &idformapago)
{
    if (formasPago.empty()) {
        nombre.clear();
        idformapago = 0;
        return;
    }
    nombre = formasPago.front().first;
    idformapago = formasPago.front().second;
    formasPago.pop_front();
}
