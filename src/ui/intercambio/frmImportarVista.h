#pragma once

#include "ui/common/VistaListado.h"

class frmImportar;
class QProgressBar;
class QTimer;

// "Traer los datos del programa anterior": the source chosen with the file chooser, a bar for the
// table being brought, the result and the checks.
class frmImportarVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmImportarVista(frmImportar &modelo, QWidget *padre = nullptr);
    void Repintar() override;

protected:
    void Escape() override;
    void closeEvent(QCloseEvent *e) override;

private:
    frmImportar &modelo_;
    QLabel *lblOrigen_;
    QLabel *lblTabla_;
    QProgressBar *barProgreso_;
    QLabel *lblResultado_;
    QPushButton *cmdArchivo_, *cmdCarpeta_, *cmdImportar_, *cmdCancelar_, *cmdImprimir_, *cmdSalir_;
    QTimer *tmrProgreso_;
};
