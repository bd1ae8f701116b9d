#include "frmNuevoTrabajador.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

void frmNuevoTrabajador::CargarFormulario(int idcosturera, const std::function<void()> &mostrar)
{
    editando_ = idcosturera != 0;
    idcosturera_ = idcosturera;
    txtFamilia = editando_ ? DimeNombreCosturera(idcosturera).trimmed() : QString();
    chkDesactivado = editando_ && DimeCostureraDesactivada(idcosturera) == 1;
    cmdAceptarCaption = editando_ ? QStringLiteral("Actualizar") : QStringLiteral("Aceptar");
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmNuevoTrabajador::cmdAceptar_Click()
{
    const QString nombre = txtFamilia.trimmed();
    if (nombre.isEmpty() || !TextoTecleado(nombre, QStringLiteral("Nombre")))
        return;
    const QString desactivado = chkDesactivado ? QStringLiteral("1") : QStringLiteral("0");
    if (editando_)
        Bd().Ejecutar(QStringLiteral("update costureras set desactivado = ") + desactivado
                      + QStringLiteral(" ,nombre = ") + ComillasSQL(nombre)
                      + QStringLiteral(" where idcosturera = ") + QString::number(idcosturera_));
    else
        Bd().Ejecutar(QStringLiteral("insert into costureras (nombre, desactivado) values (")
                      + ComillasSQL(nombre) + QStringLiteral(", ") + desactivado + QStringLiteral(")"));
    Abierto = false;
}
