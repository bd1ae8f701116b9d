#include "frmFormaPago.h"

#include "core/Formato.h"

frmFormaPago::frmFormaPago() : Selector(QStringLiteral("Seleccione la forma de pago"), false) {}

void frmFormaPago::CargarFormulario(QString &nombre, int &idformapago)
{
    nombre_.clear();
    idformapago_ = 0;
    LlenarGrid(QStringLiteral("Forma de pago"),
               QStringLiteral("select * from formaspago order by nombre collate espanol"),
               QStringLiteral("idformapago"));
    Mostrar();
    nombre = nombre_;
    idformapago = idformapago_;
}

void frmFormaPago::cmdAceptar_Click()
{
    if (HayFilaActual()) {
        nombre_ = TextoFilaActual(1);
        idformapago_ = int(Val(TextoFilaActual(0)));
    }
    Descargar();
}
