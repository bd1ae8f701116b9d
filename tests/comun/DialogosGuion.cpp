#include "DialogosGuion.h"

int DialogosGuion::MensajeSiNo(const QString &texto)
{
    if (alPreguntar)
        std::exchange(alPreguntar, nullptr)();
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

QString DialogosGuion::PadImporte(const QString &titulo, const QString &exacto)
{
    exactos.append(exacto);
    return PadNumerico(titulo, false);
}

QString DialogosGuion::Calendario()
{
    if (calendario.empty())
        return {};
    const QString r = calendario.front();
    calendario.pop_front();
    return r;
}

namespace {
int Siguiente(std::deque<int> &cola)
{
    if (cola.empty())
        return 0;
    const int r = cola.front();
    cola.pop_front();
    return r;
}
} // namespace

int DialogosGuion::Usuario()
{
    if (alElegirUsuario)
        std::exchange(alElegirUsuario, nullptr)();
    return Siguiente(usuarios);
}

int DialogosGuion::Trabajador()
{
    return trabajadores.empty() ? TrabajadorSinElegir : Siguiente(trabajadores);
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
