#include "capturas/CapturasCounter.h"

#include "core/Dialogos.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketMerceria.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmCalculadora2Vista.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/printing/VistaPreviaTicket.h"

#include <QDate>
#include <QPushButton>
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

using Ventanas = std::vector<std::pair<QString, std::unique_ptr<QWidget>>>;

// An order being taken for a partner shop, at 1024 x 768 and on a larger screen.
void Pedido(Ventanas &v)
{
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

    G().dialogos = dialogosAntes;
    G().pantallas = pantallasAntes;
}

// Demo order 4 reopened, and handed over with the money typed; the haberdashery ticket.
void Reabierto(Ventanas &v)
{
    PantallasQt pantallas;
    Pantallas *pantallasAntes = G().pantallas;
    G().pantallas = &pantallas;

    // Demo order 4: two garments, 5.00 paid on account when it was taken in.
    static frmPrincipal cambio;
    cambio.lblVersion = QStringLiteral("Versión de muestra");
    cambio.ReiniciarVenta();
    cambio.CargarArreglo(4, false);
    v.emplace_back(QStringLiteral("frmPrincipal_reabierto"), std::make_unique<frmPrincipalVista>(cambio));

    static frmPrincipal entrega;
    entrega.lblVersion = cambio.lblVersion;
    entrega.ReiniciarVenta();
    entrega.CargarArreglo(4, true);
    entrega.txtEntregado = QStringLiteral("20.00");
    entrega.CalcularCifrasTPV();
    v.emplace_back(QStringLiteral("frmPrincipal_entrega"), std::make_unique<frmPrincipalVista>(entrega));

    SalidaMemoria impresora;
    SalidaTickets *salidaAntes = G().salidaTickets;
    G().salidaTickets = &impresora;
    ImprimirTicketMerceria(3.5);
    G().salidaTickets = salidaAntes;
    auto ticket = std::make_unique<VistaPreviaTicket>();
    ticket->MostrarTicket(impresora.Bytes(), G().AnchuraTicket);
    v.emplace_back(QStringLiteral("ticketMerceria"), std::move(ticket));

    G().pantallas = pantallasAntes;
}

// The hand-over of order 3 as the sale screen shows it, the rest of the money not yet typed.
void Entregando(Ventanas &v)
{
    PantallasQt pantallas;
    Pantallas *antes = G().pantallas;
    G().pantallas = &pantallas;
    static frmPrincipal entrega;
    entrega.lblVersion = QStringLiteral("Versión de muestra");
    entrega.ReiniciarVenta();
    entrega.CargarArregloACargar({3, true});
    v.emplace_back(QStringLiteral("frmPrincipal_entregando"), std::make_unique<frmPrincipalVista>(entrega));
    G().pantallas = antes;
}

} // namespace

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasCounter()
{
    Ventanas v;
    Pedido(v);
    Reabierto(v);
    auto calculadora = std::make_unique<frmCalculadora2Vista>();
    for (const char *t : {"4", "5", "+", "1", "2", ".", "5", "="})
        calculadora->Boton(QString::fromLatin1(t))->click();
    v.emplace_back(QStringLiteral("frmCalculadora2"), std::move(calculadora));
    Entregando(v);
    return v;
}
