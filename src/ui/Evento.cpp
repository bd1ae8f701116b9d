#include "Evento.h"

#include "core/Conexion.h"
#include "core/Dialogos.h"
#include "core/Programa.h"

#include <QMessageBox>
#include <exception>

namespace {

void Avisar(const QString &texto)
{
    if (G().dialogos)
        G().dialogos->Mensaje(texto);
    else
        QMessageBox::warning(nullptr, QString::fromUtf8("Hilván"), texto);
}

} // namespace

void Evento::Proteger(const std::function<void()> &accion)
{
    try {
        accion();
    } catch (const ErrorBaseDatos &e) {
        Avisar(e.Mensaje());
    } catch (const std::exception &e) {
        Avisar(QString::fromUtf8("No se pudo completar la operación.\r\n") + QString::fromUtf8(e.what()));
    } catch (...) {
        Avisar(QString::fromUtf8("No se pudo completar la operación."));
    }
}
