#include "frmUsuario.h"

#include "core/Formato.h"

frmUsuario::frmUsuario() : Selector(QStringLiteral("Seleccione el usuario"), true)
{
    AceptarAlTocar = true;
}

void frmUsuario::CargarFormulario(int &idusuario)
{
    idusuario_ = 0;
    LlenarGrid(QStringLiteral("Usuario"),
               QStringLiteral("select * from usuarios order by nombre collate espanol"),
               QStringLiteral("idusuario"));
    HacerActual(QString::number(ultimo_));
    Mostrar();
    idusuario = idusuario_;
}

void frmUsuario::cmdAceptar_Click()
{
    if (HayFilaActual())
        idusuario_ = ultimo_ = int(Val(TextoFilaActual(0)));
    Descargar();
}
