#include "frmTrabajadores.h"

#include "core/Dialogos.h"
#include "core/Formato.h"

frmTrabajadores::frmTrabajadores() : Selector(QStringLiteral("Seleccione el trabajador"), true) {}

void frmTrabajadores::CargarFormulario(int &idcosturera)
{
    idcosturera_ = Dialogos::TrabajadorSinElegir;
    CargarTrabajadores();
    Mostrar();
    idcosturera = idcosturera_;
}

void frmTrabajadores::CargarTrabajadores()
{
    LlenarGrid(QStringLiteral("Trabajador"),
               QStringLiteral(
                   "select * from costureras where desactivado =0  or desactivado is null order by nombre"),
               QStringLiteral("idcosturera"));
}

void frmTrabajadores::cmdAceptar_Click()
{
    // A row without an id keeps the previous choice.
    if (HayFilaActual() && !TextoFilaActual(0).isEmpty())
        idcosturera_ = int(Val(TextoFilaActual(0)));
    Descargar();
}

void frmTrabajadores::cmdCancelar_Click()
{
    idcosturera_ = 0;
    Descargar();
}
