#include "capturas/CapturasParametros.h"

#include "masterdata/frmParametrosGenerales.h"
#include "ui/masterdata/frmParametrosGeneralesVista.h"

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasParametros()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;
    static frmParametrosGenerales parametros;
    parametros.CargarFormulario({});
    auto vista = std::make_unique<frmParametrosGeneralesVista>(parametros);
    vista->resize(1024, 768);
    v.emplace_back(QStringLiteral("frmParametrosGenerales"), std::move(vista));

    // The same screen with a network printer chosen.
    static frmParametrosGenerales red;
    red.CargarFormulario({});
    for (int i = 0; i < red.cmbComs.size(); ++i)
        if (red.cmbComs[i].dato == frmParametrosGenerales::ImpresoraRed)
            red.cmbComs_Click(i);
    auto vistaRed = std::make_unique<frmParametrosGeneralesVista>(red);
    vistaRed->resize(1024, 768);
    v.emplace_back(QStringLiteral("frmParametrosGenerales_red"), std::move(vistaRed));
    return v;
}
