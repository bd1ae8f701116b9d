#include "frmNuevoColor.h"

#include "core/Conexion.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

void frmNuevoColor::CargarFormulario(const std::function<void()> &mostrar)
{
    txtColor.clear();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmNuevoColor::cmdAceptar_Click()
{
    const QString color = txtColor.trimmed();
    if (color.isEmpty() || !TextoTecleado(color, QStringLiteral("Color")))
        return;
    Bd().Ejecutar(QStringLiteral("insert into colores (nombre) values (") + ComillasSQL(color)
                  + QStringLiteral(")"));
    Abierto = false;
}
