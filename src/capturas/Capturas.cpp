#include "capturas/Capturas.h"

#include "capturas/CapturasCash.h"
#include "capturas/CapturasCounter.h"
#include "capturas/CapturasDialogs.h"
#include "capturas/CapturasIntercambio.h"
#include "capturas/CapturasMasterdata.h"
#include "capturas/CapturasMenu.h"
#include "capturas/CapturasPrinting.h"
#include "capturas/CapturasSettlements.h"
#include "capturas/CapturasTextoPlano.h"
#include "capturas/CapturasWorkshop.h"
#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "demo/Demo.h"
#include "ui/common/Estilo.h"
#include "ui/counter/frmInicioVista.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/dialogs/DialogosQt.h"
#include "ui/menu/RegistroPantallas.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {

// Answers the start-up's questions without windows: the captures must not wait for a finger.
class DialogosCaptura : public Dialogos
{
public:
    void Mensaje(const QString &) override {}
    int MensajeSiNo(const QString &) override { return Dialogos::No; }
    QString PadNumerico(const QString &, bool) override { return {}; }
    QString Calendario() override { return {}; }
    int Usuario() override { return 0; }
    void FormaPago(QString &n, int &id) override { n.clear(), id = 0; }
};

bool Guardar(QWidget *w, const QString &carpeta, const QString &nombre, QSize tam = {})
{
    if (tam.isValid())
        w->resize(tam);
    w->setAttribute(Qt::WA_DontShowOnScreen);
    w->show();
    QApplication::processEvents();
    const QString ruta = QDir(carpeta).filePath(nombre + QStringLiteral(".png"));
    const bool ok = w->grab().save(ruta);
    std::printf("%s %s\n", ok ? "ok   " : "FALLO", qPrintable(ruta));
    w->hide();
    return ok;
}

} // namespace

int HacerCapturas(const QString &carpeta)
{
    QDir().mkpath(carpeta);
    QTemporaryDir tmp;
    const QString config = QDir(tmp.path()).filePath(QStringLiteral("bdcostuaccess.dat"));
    {
        Conexion c;
        c.AbrirSQLite(QDir(tmp.path()).filePath(QStringLiteral("demo.db")), true);
        CrearBaseDatos(c);
        LlenarDemo(c, QDate::currentDate());
    }
    EscribirConfiguracion(config, {QStringLiteral("demo.db")});

    DialogosCaptura respuestas;
    G().dialogos = &respuestas;
    G().pantallas = nullptr;
    frmPrincipal principal;
    if (!principal.CargarFormulario(config))
        return 1;

    bool ok = true;
    frmInicio inicio;
    inicio.lblEstado = QStringLiteral("Cargando datos iniciales");
    frmInicioVista splash(inicio);
    ok &= Guardar(&splash, carpeta, QStringLiteral("frmInicio"));

    frmPrincipalVista venta(principal);
    ok &= Guardar(&venta, carpeta, QStringLiteral("frmPrincipal"), QSize(1024, 768));
    // Area by area, each area's windows as its Ventanas function fills them.
    for (auto &[nombre, ventana] : VentanasPrinting())
        ok &= Guardar(ventana.get(), carpeta, nombre);
    for (auto &[nombre, ventana] : VentanasCounter())
        ok &= Guardar(ventana.get(), carpeta, nombre);
    for (auto &[nombre, ventana] : VentanasMasterdata())
        ok &= Guardar(ventana.get(), carpeta, nombre);
    for (auto &[nombre, ventana] : VentanasWorkshop())
        ok &= Guardar(ventana.get(), carpeta, nombre);
    for (auto &[nombre, ventana] : VentanasSettlements(carpeta))
        ok &= Guardar(ventana.get(), carpeta, nombre);
    for (auto &[nombre, ventana] : VentanasMenu())
        ok &= Guardar(ventana.get(), carpeta, nombre, QSize(1024, 768));
    for (auto &[nombre, ventana] : VentanasCash())
        ok &= Guardar(ventana.get(), carpeta, nombre);
    for (auto &[nombre, ventana] : VentanasIntercambio())
        ok &= Guardar(ventana.get(), carpeta, nombre);
    ok &= CapturarDialogs(carpeta);
    for (auto &[nombre, ventana] : VentanasTextoPlano())
        ok &= Guardar(ventana.get(), carpeta, nombre);
    // The screens whose picture their registry row makes; then every row's picture must be there.
    for (const FichaPantalla &f : RegistroPantallas())
        if (f.capturar)
            ok &= Guardar(f.capturar().get(), carpeta, QString::fromLatin1(f.captura), QSize(1024, 768));
    for (const FichaPantalla &f : RegistroPantallas())
        if (*f.captura
            && !QFile::exists(
                QDir(carpeta).filePath(QString::fromLatin1(f.captura) + QStringLiteral(".png")))) {
            std::printf("FALTA %s.png (%s)\n", f.captura, f.nombre);
            ok = false;
        }

    G().dialogos = nullptr;
    return ok ? 0 : 1;
}
