#include "VentaMedida.h"

#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "printing/CanalTickets.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketsArreglo.h"

#include <utility>

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

// The person at the counter: says who attends, answers "no" to every question and remembers
// the order number the print question names.
class DialogosMedida : public Dialogos
{
public:
    void Mensaje(const QString &) override {}
    int MensajeSiNo(const QString &texto) override
    {
        const qsizetype ref = texto.lastIndexOf(QStringLiteral("Ref.: "));
        if (ref >= 0)
            numero = texto.mid(ref + 6).toLongLong();
        return 7;
    }
    QString PadNumerico(const QString &, bool) override { return {}; }
    QString Calendario() override { return {}; }
    int Usuario() override { return idusuario; }
    void FormaPago(QString &nombre, int &idformapago) override
    {
        nombre.clear();
        idformapago = 0;
    }

    int idusuario = 1;
    qint64 numero = 0;
};

// Puts the program's dialogs and ticket output in place for one timed action.
class Puesto
{
public:
    Puesto(Dialogos *dialogos, SalidaTickets *salida)
        : dialogos_(std::exchange(G().dialogos, dialogos)), salida_(std::exchange(G().salidaTickets, salida))
    {
    }
    ~Puesto()
    {
        G().dialogos = dialogos_;
        G().salidaTickets = salida_;
    }

private:
    Dialogos *dialogos_;
    SalidaTickets *salida_;
};

class VentaPrincipal : public VentaMedida
{
public:
    VentaPrincipal() { p_.ReiniciarVenta(); }

    // Each touch starts from an empty order, so that repeating it times the same work.
    void TocarFamilia(int idfamilia) override
    {
        p_.LlenarProductos(idfamilia);
        p_.MeterSeparadorPrenda(idfamilia, QString());
        p_.gridTPV.SetRows(1);
    }

    void TocarProducto(int idproducto) override
    {
        p_.MeterProductoEnGridTPV(idproducto);
        p_.gridTPV.SetRows(1);
    }

    qint64 AcabarEncargo(const EncargoMedido &e) override
    {
        // The order as the touches leave it on screen.
        int prenda = 0;
        for (const EncargoMedido::Prenda &pr : e.prendas) {
            p_.gridTPV.AgregarFila({QString(), N(pr.idfamilia), QStringLiteral("X"), pr.nombre,
                                    QStringLiteral("--"), pr.fecha.toString(QStringLiteral("dd/MM/yy")),
                                    N(++prenda), QString(), pr.fecha.toString(QStringLiteral("dd/MM/yyyy"))});
            for (const auto &[idproducto, precio] : pr.lineas)
                p_.gridTPV.AgregarFila(
                    {N(idproducto), N(pr.idfamilia), QStringLiteral("X"), QString(), FormatoImporte(precio)});
        }
        p_.IdClienteVenta = e.idcliente;
        p_.txtEntregado = FormatoImporte(e.entregado);
        p_.CalcularCifrasTPV();
        dialogos_.idusuario = e.idusuario;
        dialogos_.numero = 0;
        Puesto puesto(&dialogos_, &impresora_);
        p_.cmdAcabarEncargo_Click();
        return dialogos_.numero;
    }

    void ImprimirTickets(qint64 idarreglo, int prendas) override
    {
        impresora_.Vaciar();
        Puesto puesto(&dialogos_, &impresora_);
        // As the counter prints them once the order is saved: every ticket from one read.
        TicketsDeArreglo tickets(idarreglo);
        for (int g = 1; g <= prendas; ++g)
            tickets.Prenda(N(idarreglo) + QLatin1Char('.') + N(g));
        AbrirCajon();
        tickets.Cliente();
    }

private:
    frmPrincipal p_;
    DialogosMedida dialogos_;
    SalidaMemoria impresora_;
};

} // namespace

std::unique_ptr<VentaMedida> CrearVentaMedida()
{
    return std::make_unique<VentaPrincipal>();
}
