// frmPrincipal and the back office: the options menu, the hand-over, and the order either of
// them leaves for the sale screen.
#include "frmPrincipal.h"

#include "core/Catalogo.h"
#include "core/CodigoBarras.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "workshop/frmListaEntregar.h"

void frmPrincipal::cmdVerOpciones_Click()
{
    if (G().pantallas)
        CargarArregloACargar(G().pantallas->Opciones(ArregloCargado ? IdArregloVenta : 0));
}

void frmPrincipal::cmdEntregaarreglos_Click()
{
    CargarArregloACargar(
        frmListaEntregar::PedirArregloYMostrar(QStringLiteral("No se ha encontrado el arreglo ")));
}

void frmPrincipal::Form_KeyPress(QChar tecla)
{
    if (tecla == u'\r' || tecla == u'\n') {
        const QString leido = std::exchange(lectura_, QString());
        if (!leido.isEmpty())
            CodigoLeido(leido);
        return;
    }
    // A scanner's code is "$" and 13 digits; anything longer is not one, and is not kept.
    if (tecla == u'$')
        lectura_ = tecla;
    else if (lectura_.size() < 20 && tecla.isPrint())
        lectura_ += tecla;
}

void frmPrincipal::CodigoLeido(const QString &leido)
{
    const QString referencia = ReferenciaDeCodigo(leido);
    if (referencia.isEmpty()) {
        Dlg().Mensaje(QString::fromUtf8("El código leído no es un ticket de prenda de esta tienda."));
        return;
    }
    // A ticket scanned over an order being taken must not throw that order away.
    if (gridTPV.Rows() > 1 || IdArregloVenta != 0) {
        Dlg().Mensaje(QString::fromUtf8("Termine o borre con \"Comenzar\" el arreglo en pantalla antes de "
                                        "leer el ticket de una prenda."));
        return;
    }
    const qint64 idarreglo = referencia.section(QLatin1Char('.'), 0, 0).toLongLong();
    CargarArregloACargar(frmListaEntregar::MostrarParaEntregar(
        idarreglo, QStringLiteral("No se ha encontrado el arreglo ") + QString::number(idarreglo)));
}

void frmPrincipal::CargarArregloACargar(const ArregloParaVenta &arreglo)
{
    if (arreglo.idarreglo == 0)
        return;
    ReiniciarVenta();
    CargarArreglo(arreglo.idarreglo, arreglo.entregar);
    // An order without lines leaves nothing on screen, and the next sale must not be a hand-over.
    EntregandoArreglo = arreglo.entregar && IdArregloVenta == arreglo.idarreglo;
}

void frmPrincipal::tmrConexion_Timer()
{
    VerCopiaDelDia();
    if (!G().conexion)
        return;
    switch (G().conexion->VigilarConexion()) {
    case Conexion::Estado::Perdida:
        lblConexion = QString::fromUtf8("Sin conexión con el servidor: reintentando...");
        lblConexionPerdida = true;
        ticksRecuperada_ = 0;
        break;
    case Conexion::Estado::Recuperada:
        lblConexion = QString::fromUtf8("Conexión recuperada");
        lblConexionPerdida = false;
        ticksRecuperada_ = 0;
        break;
    case Conexion::Estado::Bien:
        if (lblConexionPerdida) { // opened again by a touch of staff in the meantime
            lblConexion = QString::fromUtf8("Conexión recuperada");
            lblConexionPerdida = false;
            ticksRecuperada_ = 0;
        } else if (++ticksRecuperada_ >= 5) { // read by now
            lblConexion.clear();
        }
        // Between touches: what would soon be read on a touch is read now.
        if (G().conexion->Libre()) {
            Catalogo::Adelantar();
            try {
                AdelantarFechaServidor();
            } catch (const ErrorBaseDatos &) {
                // Asked again at its next use.
            }
        }
        break;
    }
}
