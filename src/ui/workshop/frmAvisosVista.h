#pragma once

#include "ui/common/VistaListado.h"

#include <memory>

class frmAvisos;

// "Avisos: arreglos listos sin recoger": the orders to call about; a double touch notes the call.
class frmAvisosVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmAvisosVista(frmAvisos &modelo, QWidget *padre = nullptr);
    void Repintar() override;
    // The screen on the demo shop for the screenshots: every ready order, whatever its days.
    static std::unique_ptr<QWidget> Captura();

protected:
    void Escape() override;

private:
    frmAvisos &modelo_;
    QLabel *lblViendo_;
    QPushButton *cmdPlazo_;
};
