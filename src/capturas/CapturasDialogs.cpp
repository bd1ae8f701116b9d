#include "capturas/CapturasDialogs.h"

#include "core/Formato.h"
#include "counter/frmPrincipal.h"
#include "dialogs/Mensaje.h"
#include "dialogs/frmCalendar.h"
#include "dialogs/frmFormaPago.h"
#include "dialogs/frmImprimir.h"
#include "dialogs/frmMensajeSiNo.h"
#include "dialogs/frmPadNumerico.h"
#include "dialogs/frmUsuario.h"
#include "menu/ClavePropietario.h"
#include "ui/dialogs/MensajeVista.h"
#include "ui/dialogs/SelectorVista.h"
#include "ui/dialogs/frmCalendarVista.h"
#include "ui/dialogs/frmPadNumericoVista.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

// Called while the form model "shows" the window: paints it from the form model and saves it.
bool Guardar(VistaDialogo &vista, const QString &carpeta, const QString &nombre)
{
    vista.Repintar();
    vista.setAttribute(Qt::WA_DontShowOnScreen);
    vista.show();
    QApplication::processEvents();
    const QString ruta = QDir(carpeta).filePath(nombre + QStringLiteral(".png"));
    const bool ok = vista.grab().save(ruta);
    std::printf("%s %s\n", ok ? "ok   " : "FALLO", qPrintable(ruta));
    vista.hide();
    return ok;
}

} // namespace

bool CapturarDialogs(const QString &carpeta)
{
    bool ok = true;
    {
        frmPadNumerico pad;
        frmPadNumericoVista vista(pad);
        pad.MostrarModal = [&] {
            for (QChar c : QStringLiteral("150.5"))
                pad.Form_KeyPress(c);
            ok &= Guardar(vista, carpeta, QStringLiteral("frmPadNumerico"));
        };
        QString valor;
        pad.CargarFormulario(valor, false, QStringLiteral("Dinero inicial en caja"));

        pad.MostrarModal = [&] {
            for (QChar c : QStringLiteral("600123456"))
                pad.Form_KeyPress(c);
            ok &= Guardar(vista, carpeta, QStringLiteral("frmPadNumerico_telefono"));
        };
        pad.CargarFormulario(valor, true, QString::fromUtf8("Introduzca el teléfono del cliente"));

        // The sale screen's telephone keypad offering the customers with "600" in their telephone.
        pad.MostrarModal = [&] {
            for (QChar c : QStringLiteral("600"))
                pad.Form_KeyPress(c);
            ok &= Guardar(vista, carpeta, QStringLiteral("frmPadNumerico_sugerencias"));
        };
        int idcliente = 0;
        pad.CargarTelefono(valor, QString::fromUtf8("Introduzca el teléfono del cliente"),
                           &frmPrincipal::ClientesConTelefono, idcliente);

        // The money keypad of the sale screen, with its keys for the exact amount and the notes.
        pad.MostrarModal = [&] { ok &= Guardar(vista, carpeta, QStringLiteral("frmPadNumerico_importe")); };
        pad.CargarFormulario(valor, false, QStringLiteral("Introduzca la cantidad"), QStringLiteral("52"),
                             true);

        // The owner's PIN: dots in place of the figures.
        pad.oculto = true;
        pad.MostrarModal = [&] {
            for (QChar c : QStringLiteral("2580"))
                pad.Form_KeyPress(c);
            ok &= Guardar(vista, carpeta, QStringLiteral("frmPadNumerico_pin"));
        };
        pad.CargarFormulario(valor, false, QStringLiteral("PIN del propietario"));
    }
    {
        frmCalendar cal;
        frmCalendarVista vista(cal);
        cal.MostrarModal = [&] { ok &= Guardar(vista, carpeta, QStringLiteral("frmCalendar")); };
        QString fecha;
        cal.CargarFormulario(fecha);
    }
    {
        frmUsuario usuario;
        SelectorVista vista(usuario);
        usuario.MostrarModal = [&] { ok &= Guardar(vista, carpeta, QStringLiteral("frmUsuario")); };
        int id = 0;
        usuario.CargarFormulario(id);
    }
    {
        frmImprimir imprimir;
        SelectorVista vista(imprimir);
        imprimir.MostrarModal = [&] { ok &= Guardar(vista, carpeta, QStringLiteral("frmImprimir")); };
        int eleccion = 0;
        imprimir.CargarFormulario(QStringLiteral("1234"), false, ImprimirTodo, eleccion);
    }
    {
        frmFormaPago forma;
        SelectorVista vista(forma);
        forma.MostrarModal = [&] {
            forma.gridTrabajadores_Click(3);
            ok &= Guardar(vista, carpeta, QStringLiteral("frmFormaPago"));
        };
        QString nombre;
        int id = 0;
        forma.CargarFormulario(nombre, id);
    }
    {
        Mensaje mensaje;
        MensajeVista vista(mensaje);
        mensaje.MostrarModal = [&] { ok &= Guardar(vista, carpeta, QStringLiteral("Mensaje")); };
        mensaje.CargarFormulario(
            QString::fromUtf8("El archivo de configuración bdcostuaccess.dat está vacío.\r\n"
                              "Indique en él la base de datos que debe usar el programa."));
    }
    {
        // The refusal of a text that cannot be kept, the longest of the program's short messages.
        Mensaje mensaje;
        MensajeVista vista(mensaje);
        mensaje.MostrarModal = [&] {
            ok &= Guardar(vista, carpeta, QStringLiteral("Mensaje_texto_no_admitido"));
        };
        mensaje.CargarFormulario(
            MotivoTextoNoAdmitido(QStringLiteral("Ana\tLópez"), QStringLiteral("Nombre")));
    }
    {
        // A PIN just set, with the recovery code the owner takes home.
        Mensaje mensaje;
        MensajeVista vista(mensaje);
        mensaje.MostrarModal = [&] { ok &= Guardar(vista, carpeta, QStringLiteral("Mensaje_codigo_pin")); };
        mensaje.CargarFormulario(ClavePropietario::MensajeGuardado(QStringLiteral("4821-0937-5512-6640")));
    }
    {
        frmMensajeSiNo pregunta;
        MensajeVista vista(pregunta);
        pregunta.MostrarModal = [&] { ok &= Guardar(vista, carpeta, QStringLiteral("frmMensajeSiNo")); };
        int respuesta = 0;
        pregunta.CargarFormulario(QString::fromUtf8("¿Comenzar una nueva caja?"), respuesta);
    }
    return ok;
}
