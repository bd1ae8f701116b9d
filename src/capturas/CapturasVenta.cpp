#include "capturas/CapturasVenta.h"

#include "core/Dialogos.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmColores.h"
#include "masterdata/frmNuevoColor.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/masterdata/frmColoresVista.h"
#include "ui/masterdata/frmNuevoColorVista.h"

#include <QDate>
#include <deque>

namespace {

// The answers a person would give while taking the order in: prices, dates, the money.
class DialogosPedido : public Dialogos
{
public:
    std::deque<QString> pad, calendario;
    void Mensaje(const QString &) override {}
    int MensajeSiNo(const QString &) override { return Dialogos::No; }
    QString PadNumerico(const QString &, bool) override { return Siguiente(pad); }
    QString Calendario() override { return Siguiente(calendario); }
    int Usuario() override { return 0; }
    void FormaPago(QString &n, int &id) override { n.clear(), id = 0; }

private:
    static QString Siguiente(std::deque<QString> &cola)
    {
        if (cola.empty())
            return {};
        QString r = cola.front();
        cola.pop_front();
        return r;
    }
};

class PantallasPedido : public PantallasQt
{
public:
    QString Colores() override { return QStringLiteral("Azul marino"); }
};

QString Dentro(int dias)
{
    return QDate::currentDate().addDays(dias).toString(QStringLiteral("d/M/yyyy"));
}

void Tocar(Grid &grid, const QString &texto, int columna)
{
    for (int f = 1; f < grid.Rows(); ++f)
        if (grid.TextMatrix(f, columna) == texto) {
            grid.Row = f;
            grid.Col = columna;
            return;
        }
}

void TomarPedido(frmPrincipal &p)
{
    auto familia = [&p](const char *nombre) {
        Tocar(p.gridFamilias, QString::fromUtf8(nombre), 1);
        p.gridFamilias_Click();
    };
    auto producto = [&p](const char *nombre) {
        Tocar(p.gridProductos, QString::fromUtf8(nombre), 1);
        p.gridProductos_Click();
    };
    auto tpv = [&p](int fila, int columna) {
        p.gridTPV.Row = fila;
        p.gridTPV.Col = columna;
        p.gridTPV_Click();
    };

    p.ReiniciarVenta();
    // Boutique Lola, a partner shop: its lines take the shop price.
    p.IdClienteVenta = 3;
    p.ClienteEsTienda = 1;
    p.txtTelefono = QStringLiteral("915556677");
    p.txtNombreCliente = QStringLiteral("Boutique Lola");

    familia("Pantalón");
    producto("Bajo");
    producto("Meter cintura");
    tpv(1, frmPrincipal::ColNombre);
    tpv(1, frmPrincipal::ColFecha);

    familia("Chaqueta");
    producto("Acortar mangas");
    producto("Cambiar forro");
    tpv(6, frmPrincipal::ColImporte);
    tpv(4, frmPrincipal::ColFecha);

    familia("Varios");
    producto("Urgente (entrega en el día)");
    producto("Coser descosido");
    p.cmdPendiente_Click();
}

} // namespace

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasVenta()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;

    DialogosPedido respuestas;
    respuestas.calendario = {Dentro(5), Dentro(7)};
    respuestas.pad = {QStringLiteral("40"), QStringLiteral("50")};
    PantallasPedido pantallas;
    Dialogos *dialogosAntes = G().dialogos;
    Pantallas *pantallasAntes = G().pantallas;
    G().dialogos = &respuestas;
    G().pantallas = &pantallas;

    static frmPrincipal pedido;
    pedido.lblVersion = QStringLiteral("Versión de muestra");
    TomarPedido(pedido);
    v.emplace_back(QStringLiteral("frmPrincipal_pedido"), std::make_unique<frmPrincipalVista>(pedido));
    // The backups' warning line, as staff see it while the USB disk is unplugged.
    static frmPrincipal aviso;
    respuestas.calendario = {Dentro(5), Dentro(7)};
    respuestas.pad = {QStringLiteral("40"), QStringLiteral("50")};
    aviso.lblVersion = pedido.lblVersion;
    TomarPedido(aviso);
    aviso.lblAvisoCopias = QString::fromUtf8("Atención: no se encuentra la segunda carpeta de copias "
                                             "(/media/usb/copias). Conecte el disco USB o compruebe la red.");
    v.emplace_back(QStringLiteral("frmPrincipal_aviso_copias"), std::make_unique<frmPrincipalVista>(aviso));

    static frmColores colores;
    colores.CargarFormulario({});
    colores.gridColores.Row = 4;
    colores.gridColores.Col = 3;
    v.emplace_back(QStringLiteral("frmColores"), std::make_unique<frmColoresVista>(colores));

    static frmNuevoColor nuevo;
    nuevo.txtColor = QStringLiteral("Azul d'Orsay");
    v.emplace_back(QStringLiteral("frmNuevoColor"), std::make_unique<frmNuevoColorVista>(nuevo));

    G().dialogos = dialogosAntes;
    G().pantallas = pantallasAntes;
    return v;
}
