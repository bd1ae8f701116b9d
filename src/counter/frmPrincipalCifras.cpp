// The money figures of the order on frmPrincipal and the buttons that feed them.
#include "frmPrincipal.h"

#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"

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

    // The order is due when its last garment is.
    static const QDate origen(2000, 1, 1);
    qint64 masTarde = 0;
    QString fecha;
    for (int f = 1; f < gridTPV.Rows(); ++f) {
        const QString texto = gridTPV.TextMatrix(f, ColFecha);
        if (texto.isEmpty())
            continue;
        const QDateTime d = FechaDeTexto(texto);
        if (d.isValid() && origen.daysTo(d.date()) > masTarde) {
            masTarde = origen.daysTo(d.date());
            fecha = texto;
        }
    }
    txtFechaEntrega = fecha;

    lblNumReferencia.clear();
    if (IdArregloVenta != 0)
        lblNumReferencia = QStringLiteral("Ref. ") + QString::number(IdArregloVenta);
}

void frmPrincipal::cmdPendiente_Click()
{
    QString cantidad = Dlg().PadNumerico(QStringLiteral("Introduzca la cantidad"), false);
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
    const QString fecha = Dlg().Calendario();
    txtFechaEntrega = FormatoFecha(fecha, QStringLiteral("dd/MM/yy"));
    if (fecha.isEmpty())
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
