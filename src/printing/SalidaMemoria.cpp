#include "SalidaMemoria.h"

#include "DecodificadorTicket.h"

#include <algorithm>

void SalidaMemoria::Enviar(const QByteArray &bytes)
{
    bytes_ += bytes;
    enCurso_ += bytes;
    const QList<LineaImpresa> lineas = DecodificarTicket(bytes);
    const bool corte = std::any_of(lineas.begin(), lineas.end(),
                                   [](const LineaImpresa &l) { return l.tipo == LineaImpresa::Corte; });
    if (!corte)
        return;
    const QByteArray ticket = enCurso_;
    tickets_.append(ticket);
    enCurso_.clear();
    if (AlCortar)
        AlCortar(ticket);
}

void SalidaMemoria::Vaciar()
{
    bytes_.clear();
    enCurso_.clear();
    tickets_.clear();
}
