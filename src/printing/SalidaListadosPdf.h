#pragma once

#include "core/SalidaListados.h"

#include <QString>

// Writes each listing to one PDF file, without asking: for tests, screenshots and the benchmark.
class SalidaListadosPdf : public SalidaListados
{
public:
    explicit SalidaListadosPdf(QString ruta) : ruta_(std::move(ruta)) {}
    Resultado Imprimir(const ListadoImpreso &listado) override;

    int impresos = 0;
    ListadoImpreso ultimo;

private:
    QString ruta_;
};
