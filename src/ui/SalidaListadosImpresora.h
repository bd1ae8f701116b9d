#pragma once

#include "core/SalidaListados.h"

class QWidget;

// The system printer: the listing is shown in a print preview where the user chooses the
// printer, or saves a PDF (also on a machine without any printer), before anything is printed.
class SalidaListadosImpresora : public SalidaListados
{
public:
    explicit SalidaListadosImpresora(QWidget *padre = nullptr) : padre_(padre) {}
    Resultado Imprimir(const ListadoImpreso &listado) override;

private:
    QWidget *padre_;
};
