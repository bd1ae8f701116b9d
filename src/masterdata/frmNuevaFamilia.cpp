#include "frmNuevaFamilia.h"

#include "core/Consultas.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

void frmNuevaFamilia::CargarFormulario(int idfamilia, const std::function<void()> &mostrar)
{
    if (idfamilia != 0) {
        Modo = 1;
        IdFamilia = idfamilia;
        txtFamilia = DimeNombreDeFamilia(idfamilia);
        cmdAceptarCaption = QStringLiteral("Actualizar");
    } else {
        Modo = 0;
        IdFamilia = 0;
    }
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmNuevaFamilia::cmdAceptar_Click()
{
    const QString nombre = txtFamilia.trimmed();
    if (nombre.isEmpty() || !TextoTecleado(nombre, QStringLiteral("Familia")))
        return;
    if (Modo == 0)
        Bd().Ejecutar(QStringLiteral("insert into familias (nombre) values (") + ComillasSQL(nombre)
                      + QLatin1Char(')'));
    else
        Bd().Ejecutar(QStringLiteral("update familias set nombre = ") + ComillasSQL(nombre)
                      + QStringLiteral(" where idfamilia = ") + QString::number(IdFamilia));
    Abierto = false;
}
