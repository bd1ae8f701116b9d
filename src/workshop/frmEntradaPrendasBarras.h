#pragma once

#include "PantallaBarras.h"

// Scanning garment tickets of finished garments that come back from the workers into the shop.
// Taking a row off the list leaves the garment received: the scan only marked it as back.
class frmEntradaPrendasBarras : public PantallaBarras
{
public:
    frmEntradaPrendasBarras() : PantallaBarras(7200, 3165) {}

protected:
    void Escanear(const QString &referencia) override;
};
