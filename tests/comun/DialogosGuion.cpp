#include "DialogosGuion.h"

#include <tuple>

int DialogosGuion::MensajeSiNo(const QString &texto)
{
    if (alPreguntar)
        std::exchange(alPreguntar, nullptr)();
    preguntas.append(texto);
    return Sacar(siNo);
}

QString DialogosGuion::PadNumerico(const QString &titulo, bool)
{
    titulosPad.append(titulo);
    return Sacar(pad);
}

QString DialogosGuion::PadImporte(const QString &titulo, const QString &exacto)
{
    exactos.append(exacto);
    return PadNumerico(titulo, false);
}

QString DialogosGuion::Calendario()
{
    return Sacar(calendario);
}

int DialogosGuion::Usuario()
{
    if (alElegirUsuario)
        std::exchange(alElegirUsuario, nullptr)();
    return Sacar(usuarios);
}

int DialogosGuion::Trabajador()
{
    return Sacar(trabajadores, int(TrabajadorSinElegir));
}

void DialogosGuion::FormaPago(QString &nombre, int &idformapago)
{
    std::tie(nombre, idformapago) = Sacar(formasPago);
}
