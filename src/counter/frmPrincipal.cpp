#include "frmPrincipal.h"

#include "cash/Caja.h"
#include "cash/CopiaSeguridad.h"
#include "cash/CopiasAutomaticas.h"
#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Parametros.h"
#include "core/Programa.h"
#include "core/Reloj.h"
#include "intercambio/frmImportar.h"

frmPrincipal::frmPrincipal() = default;

frmPrincipal::~frmPrincipal()
{
    if (G().conexion == conexion_.get())
        G().conexion = nullptr;
}

bool frmPrincipal::CargarFormulario(const QString &rutaConfiguracion)
{
    const Configuracion config = LeerConfiguracion(rutaConfiguracion);
    if (!config.existe) {
        Dlg().Mensaje(QString::fromUtf8("Falta archivo de configuración bdcostuaccess.dat"));
        return false;
    }
    if (config.vacio) {
        Dlg().Mensaje(QString::fromUtf8("El archivo de configuración bdcostuaccess.dat está vacío.\r\n"
                                        "Indique en él la base de datos que debe usar el programa."));
        return false;
    }

    if (ConfiguracionExpuesta(config)) {
        qWarning("El archivo de configuración guarda una contraseña y lo pueden leer otros usuarios");
        Dlg().Mensaje(
            QString::fromUtf8("El archivo de configuración ") + config.ruta
            + QString::fromUtf8(" guarda la contraseña del servidor y lo pueden leer otros usuarios de "
                                "este ordenador.\r\nPida que solo pueda leerlo usted "
                                "(chmod 600 en un terminal)."));
    }
    try {
        conexion_ = std::make_unique<Conexion>();
        if (config.UsaServidor())
            inicio.Estado(QStringLiteral("Conectando a la base de datos"));
        QString copiaAntes;
        const QStringList pasos = AbrirSegunConfiguracion(
            *conexion_, config, false, [&] { copiaAntes = CopiaAntesDeActualizar(*conexion_); });
        G().Puesto = config.Puesto();
        // The parameters, the server's clock and whether the shop is empty: one round trip.
        const Recordset leido = AbrirRecordset(QStringLiteral("select *, getdate() as fechaservidor, ")
                                               + frmImportar::SqlTiendaVacia()
                                               + QStringLiteral(" as tiendavacia from parametros"));
        CargarParametros(leido);
        AnotarFechaServidor(leido.Campo(QStringLiteral("fechaservidor")));
        if (!pasos.isEmpty())
            Dlg().Mensaje(TextoActualizada(pasos, copiaAntes));
        // A shop just set up is offered its old program's data before its first cash day.
        const bool vacia = leido.HayFilas() ? NumeroDeValor(leido.Campo(QStringLiteral("tiendavacia"))) == 0
                                            : frmImportar::TiendaVacia();
        if (G().pantallas && vacia) {
            G().pantallas->ImportarDatos();
            if (!frmImportar::TiendaVacia())
                CargarParametros(AbrirRecordset(QStringLiteral("select * from parametros")));
        }
        // Staff sell while the day's copy is made; its warning line comes when it ends.
        copiaDelDia_ = std::make_unique<CopiaDelDiaAparte>(conexion_->DimeApertura(), CarpetaCopias(),
                                                           RelojPrograma().Ahora());

        inicio.Estado(QStringLiteral("Inicializando impresora"));
        inicio.Estado(QStringLiteral("Cargando datos iniciales"));
        DarTamanosGridFamilias();
        DarTamanosGridProductos();
        DarTamanosGridTPV();
        LlenarFamilias();

        lblVersion = QString::fromUtf8("Versión: ") + VersionPrograma();

        AbrirCajaDelDia();
    } catch (const ErrorBaseDatos &e) {
        Dlg().Mensaje(e.Mensaje());
        G().conexion = nullptr;
        conexion_.reset();
        return false;
    }
    return true;
}

void frmPrincipal::RevisarCopias()
{
    lblAvisoCopias = AvisoCopias(Bd(), CarpetaCopias(), RelojPrograma().Ahora());
}

void frmPrincipal::VerCopiaDelDia()
{
    QString fallo, aviso;
    if (!copiaDelDia_ || !copiaDelDia_->Terminada(fallo, aviso))
        return;
    copiaDelDia_.reset();
    if (!fallo.isEmpty())
        qWarning("Copia del día: %s", qPrintable(fallo));
    lblAvisoCopias = aviso;
}

void frmPrincipal::CargarParametros(const Recordset &leido)
{
    ValoresPrograma &g = G();
    if (!LeerParametros(g, leido)) {
        // Without its row the program still opens, so that the parameters can be entered again.
        Dlg().Mensaje(QString::fromUtf8("No se encontraron los parámetros de la tienda.\r\n"
                                        "Revíselos en Opciones, Parámetros configuración."));
        g.AnchuraTicket = 40;
        return;
    }
    if (g.AnchuraTicket == 0) {
        Dlg().Mensaje(QString::fromUtf8("El ancho del ticket (\"") + g.anchuracarro
                      + QString::fromUtf8("\") no es un número válido. Se usarán 40 caracteres.\r\n"
                                          "Corríjalo en Opciones, Parámetros configuración."));
        g.AnchuraTicket = 40;
    }
}

bool frmPrincipal::salirformulario()
{
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿Cerrar la aplicación?")) != Dialogos::Si)
        return false;
    if (conexion_)
        conexion_->Cerrar();
    G().conexion = nullptr;
    return true;
}
