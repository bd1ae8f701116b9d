#pragma once

#include "ui/common/VistaListado.h"

class QComboBox;
class frmPendientesPorTrabajador;

// Garments out with the workers, for one worker or all.
class frmPendientesPorTrabajadorVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmPendientesPorTrabajadorVista(frmPendientesPorTrabajador &modelo, QWidget *padre = nullptr);
    QComboBox *cmbTrabajadores() const { return cmbTrabajadores_; }

protected:
    void Leer() override;
    void Escape() override;

private:
    frmPendientesPorTrabajador &modelo_;
    QComboBox *cmbTrabajadores_;
};
