// The money figures of the order on frmPrincipal and the buttons that feed them.
#include "frmPrincipal.h"

#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

void frmPrincipal::CalcularCifrasTPV()
{
    double total = 0;
    for (int f = 1; f < gridTPV.Rows(); ++f)
        total += Val(gridTPV.TextMatrix(f, ColImporte));
    txtTotal = FormatoImporte(total);

    // Compared in cents, so that 10.10 + 19.90 pays 30.00 exactly.
    const double senal = Val(txtSenal);
    const double entregado = Val(txtEntregado);
    const double importe = Val(txtTotal);
    if (RedondearImporte(senal + entregado) > RedondearImporte(importe)) {
        txtCambio = FormatoImporte(senal + entregado - importe);
        txtPendiente = QStringLiteral("0.00");
    } else {
        txtPendiente = FormatoImporte(importe - senal - entregado);
        txtCambio = QStringLiteral("0.00");
    }

    // The order is due when its last garment is, unless a date was chosen by hand since.
    const QString prendas = FechaUltimaPrenda();
    if (!FechaEntregaAMano || prendas != fechaPrendasAlElegir_) {
        FechaEntregaAMano = false;
        FechaEntregaVenta = prendas;
    }
    txtFechaEntrega = FormatoFecha(FechaEntregaVenta, QStringLiteral("dd/MM/yy"));

    lblNumReferencia.clear();
    // A hand-over says so where the staff look: only the payment is left to take.
    if (IdArregloVenta != 0)
        lblNumReferencia =
            (EntregarAlAcabar ? QStringLiteral("Entrega del arreglo ") : QStringLiteral("Ref. "))
            + QString::number(IdArregloVenta);
}

QString frmPrincipal::FechaUltimaPrenda() const
{
    QDate ultima;
    for (int f = 1; f < gridTPV.Rows(); ++f) {
        const QDate d = FechaDeTexto(gridTPV.TextMatrix(f, ColFechaCompleta)).date();
        if (d.isValid() && (!ultima.isValid() || d > ultima))
            ultima = d;
    }
    return ultima.isValid() ? ultima.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

void frmPrincipal::cmdPendiente_Click()
{
    // The exact key pays what the order still owes, before anything handed over now.
    const double debe = RedondearImporte(Val(txtTotal) - Val(txtSenal));
    QString cantidad =
        Dlg().PadImporte(QStringLiteral("Introduzca la cantidad"), debe > 0 ? TextoNumero(debe) : QString());
    if (cantidad.isEmpty())
        cantidad = QStringLiteral("0");
    const std::optional<double> entregado = ImporteTecleado(cantidad);
    if (!entregado)
        return;
    txtEntregado = FormatoImporte(*entregado);
    CalcularCifrasTPV();
}

void frmPrincipal::cmdFechaEntrega_Click()
{
    FijarFechaEntrega(FechaDeTexto(Dlg().Calendario()));
}

void frmPrincipal::FijarFechaEntrega(const QDateTime &fecha)
{
    FechaEntregaAMano = fecha.isValid();
    fechaPrendasAlElegir_ = FechaUltimaPrenda();
    if (FechaEntregaAMano)
        FechaEntregaVenta = fecha.toString(QStringLiteral("dd/MM/yyyy"));
    CalcularCifrasTPV();
}

void frmPrincipal::cmdFormasPago_Click()
{
    QString nombre;
    int id = 0;
    Dlg().FormaPago(nombre, id);
    // Closing the picker without a choice keeps the method on screen.
    if (id == 0)
        return;
    IdFormaPagoVenta = id;
    cmdFormasPagoCaption = nombre;
}
