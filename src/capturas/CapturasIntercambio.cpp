#include "capturas/CapturasIntercambio.h"

#include "demo/DatosCapturas.h"
#include "intercambio/frmImportar.h"
#include "ui/intercambio/frmImportarVista.h"

#include <QTemporaryDir>

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasIntercambio()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;
    // Halfway through the order lines, and the end with its checks.
    static frmImportar importando, importado;
    importando.CargarFormulario({});
    importando.ElegirOrigen(QStringLiteral("/media/usb/TIENDA.MDB"));
    importando.lblTabla = QString::fromUtf8("Guardando arreglos_detalles: 46000 de 98204 filas");
    importando.barProgreso = 734;
    importando.cmdElegirEnabled = importando.cmdImportarEnabled = importando.cmdSalirEnabled = false;
    importando.cmdCancelarEnabled = true;
    v.emplace_back(QStringLiteral("frmImportar"), std::make_unique<frmImportarVista>(importando));
    static QTemporaryDir carpeta;
    importado.CargarFormulario({});
    importado.ElegirOrigen(QStringLiteral("/media/usb/TIENDA.MDB"));
    importado.MostrarResultado(ImportacionDemo(carpeta.path()));
    v.emplace_back(QStringLiteral("frmImportar_resultado"), std::make_unique<frmImportarVista>(importado));
    return v;
}
