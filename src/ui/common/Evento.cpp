#include "ui/common/Evento.h"

#include "core/Conexion.h"
#include "core/Dialogos.h"
#include "core/Programa.h"

#include <QMessageBox>
#include <exception>

namespace {

void Avisar(const QString &texto)
{
    if (G().dialogos) {
        G().dialogos->Mensaje(texto);
    } else {
        QMessageBox aviso(QMessageBox::Warning, QString::fromUtf8("Hilván"), texto);
        aviso.setTextFormat(Qt::PlainText); // the cause may quote a name
        aviso.exec();
    }
}

} // namespace

void Evento::Proteger(const std::function<void()> &accion)
{
    try {
        accion();
    } catch (const ErrorBaseDatos &e) {
        // The engine's own words were logged where the statement failed; this says what staff saw.
        qWarning("Aviso al usuario: %s", qPrintable(e.Mensaje().simplified()));
        Avisar(e.Mensaje());
    } catch (const std::exception &e) {
        qCritical("Fallo no previsto: %s", e.what());
        Avisar(QString::fromUtf8("No se pudo completar la operación.\r\n") + QString::fromUtf8(e.what()));
    } catch (...) {
        qCritical("Fallo no previsto de tipo desconocido");
        Avisar(QString::fromUtf8("No se pudo completar la operación."));
    }
}
