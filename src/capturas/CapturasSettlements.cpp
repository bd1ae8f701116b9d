#include "capturas/CapturasSettlements.h"

#include "core/BaseDatos.h"
#include "core/Programa.h"
#include "demo/HistoriaTienda.h"
#include "printing/SalidaListadosPdf.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"
#include "ui/settlements/frmPagosATrabajadoresVista.h"
#include "ui/settlements/frmPagosTiendasVista.h"

#include <QDir>
#include <QTableView>
#include <QTemporaryDir>

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasSettlements(const QString &carpeta)
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;
    auto agregar = [&v](const char *nombre, std::unique_ptr<QWidget> w, QSize tam = {}) {
        if (tam.isValid())
            w->resize(tam);
        v.emplace_back(QString::fromLatin1(nombre), std::move(w));
    };

    // The accounts, on three years of a generated shop: hundreds of lines and shop orders.
    static QTemporaryDir dir;
    static Conexion historia;
    historia.AbrirSQLite(QDir(dir.path()).filePath(QStringLiteral("historia.db")), true);
    CrearBaseDatos(historia);
    OpcionesHistoria opciones;
    opciones.arreglos = 4000;
    opciones.hoy = QDate::currentDate();
    GenerarHistoria(historia, opciones);
    Conexion *antes = G().conexion;
    G().conexion = &historia;

    static frmPagosATrabajadores pagos;
    pagos.CargarFormulario({});
    pagos.cmbEstado.Elegir(0);
    pagos.cmdAceptar_Click();
    agregar("frmPagosATrabajadores", std::make_unique<frmPagosATrabajadoresVista>(pagos), QSize(1024, 768));
    SalidaListadosPdf pdf(QDir(carpeta).filePath(QStringLiteral("ListadoPagos.pdf")));
    SalidaListados *salida = G().salidaListados;
    G().salidaListados = &pdf;
    pagos.cmdImprimir_Click();
    G().salidaListados = salida;

    static frmPagosTiendas tiendas;
    tiendas.CargarFormulario({});
    tiendas.cmbTienda.Elegir(1);
    tiendas.chkPendientes = true;
    tiendas.cmdAceptar_Click();
    // The end of the list, with its sum and the last order selected.
    auto vistaTiendas = std::make_unique<frmPagosTiendasVista>(tiendas);
    vistaTiendas->tabla()->selectRow(vistaTiendas->tabla()->model()->rowCount() - 3);
    vistaTiendas->tabla()->scrollToBottom();
    agregar("frmPagosTiendas", std::move(vistaTiendas), QSize(1024, 768));

    G().conexion = antes;
    return v;
}
