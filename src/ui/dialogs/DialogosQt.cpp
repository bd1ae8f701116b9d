#include "ui/dialogs/DialogosQt.h"

#include "dialogs/Mensaje.h"
#include "dialogs/frmCalendar.h"
#include "dialogs/frmFormaPago.h"
#include "dialogs/frmImprimir.h"
#include "dialogs/frmMensajeSiNo.h"
#include "dialogs/frmPadNumerico.h"
#include "dialogs/frmUsuario.h"
#include "masterdata/frmTrabajadores.h"
#include "ui/dialogs/MensajeVista.h"
#include "ui/dialogs/SelectorVista.h"
#include "ui/dialogs/frmCalendarVista.h"
#include "ui/dialogs/frmPadNumericoVista.h"

#include <QApplication>

// A dialog opened from another dialog (the calendar's question) goes on top of it.
QWidget *DialogosQt::Padre() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return padre_;
}

void DialogosQt::Mensaje(const QString &texto)
{
    ::Mensaje modelo;
    MensajeVista vista(modelo, Padre());
    modelo.CargarFormulario(texto);
}

int DialogosQt::MensajeSiNo(const QString &texto)
{
    frmMensajeSiNo modelo;
    MensajeVista vista(modelo, Padre());
    int respuesta = 0;
    modelo.CargarFormulario(texto, respuesta);
    return respuesta;
}

QString DialogosQt::PadNumerico(const QString &titulo, bool letraGrande)
{
    frmPadNumerico modelo;
    frmPadNumericoVista vista(modelo, Padre());
    QString valor;
    modelo.CargarFormulario(valor, letraGrande, titulo);
    return valor;
}

QString DialogosQt::PadClave(const QString &titulo)
{
    frmPadNumerico modelo;
    modelo.oculto = true;
    frmPadNumericoVista vista(modelo, Padre());
    QString valor;
    modelo.CargarFormulario(valor, false, titulo);
    return valor;
}

QString DialogosQt::PadImporte(const QString &titulo, const QString &exacto)
{
    frmPadNumerico modelo;
    frmPadNumericoVista vista(modelo, Padre());
    QString valor;
    modelo.CargarFormulario(valor, false, titulo, exacto, true);
    return valor;
}

QString DialogosQt::PadTelefono(const QString &titulo, const BuscarClientes &buscar, int &idcliente)
{
    frmPadNumerico modelo;
    frmPadNumericoVista vista(modelo, Padre());
    QString valor;
    modelo.CargarTelefono(valor, titulo, buscar, idcliente);
    return valor;
}

int DialogosQt::ElegirImpresion(const QString &ref, bool reimpresion, int porDefecto)
{
    frmImprimir modelo;
    SelectorVista vista(modelo, Padre());
    int eleccion = ImprimirNada;
    modelo.CargarFormulario(ref, reimpresion, porDefecto, eleccion);
    return eleccion;
}

QString DialogosQt::Calendario()
{
    frmCalendar modelo;
    frmCalendarVista vista(modelo, Padre());
    QString fecha;
    modelo.CargarFormulario(fecha);
    return fecha;
}

int DialogosQt::Usuario()
{
    frmUsuario modelo;
    SelectorVista vista(modelo, Padre());
    int idusuario = 0;
    modelo.CargarFormulario(idusuario);
    return idusuario;
}

void DialogosQt::FormaPago(QString &nombre, int &idformapago)
{
    frmFormaPago modelo;
    SelectorVista vista(modelo, Padre());
    modelo.CargarFormulario(nombre, idformapago);
}

int DialogosQt::Trabajador()
{
    frmTrabajadores modelo;
    SelectorVista vista(modelo, Padre());
    int idcosturera = 0;
    modelo.CargarFormulario(idcosturera);
    return idcosturera;
}
