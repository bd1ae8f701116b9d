#include "frmHojaVenta.h"

#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "printing/ImprimirListado.h"

#include <QMap>

namespace {
const QString Efectivo = QStringLiteral("Efectivo");
}

QString frmHojaVenta::SqlMovimientos(const QString &nombrecierre, bool inicio)
{
    return QStringLiteral("SELECT caja.importe, caja.concepto, caja.fecha, caja.nombrecierre, caja.puesto, "
                          "formaspago.Nombre FROM caja LEFT OUTER JOIN     formaspago ON caja.Formapago = "
                          "formaspago.idformapago where nombrecierre = ")
           + ComillasSQL(nombrecierre)
           + (inicio ? QStringLiteral("  and caja.concepto = 'Inicio caja'  order by idmovimiento desc")
                     : QStringLiteral("  and caja.concepto <> 'Inicio caja'  order by idmovimiento desc"));
}

void frmHojaVenta::CargarFormulario(const QString &nombrecierre, const std::function<void()> &mostrar)
{
    Llenar(nombrecierre);
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmHojaVenta::DarTamanosGrid()
{
    gridHojaVenta = Grid(1, 4);
    const QString cabeceras[] = {QStringLiteral("Fecha"), QStringLiteral("Concepto"),
                                 QStringLiteral("Importe"), QStringLiteral("F. pago")};
    const int anchos[] = {1560, 4200, 1500, 2100};
    for (int c = 0; c < 4; ++c) {
        gridHojaVenta.SetTextMatrix(0, c, cabeceras[c]);
        gridHojaVenta.SetColWidth(c, anchos[c]);
    }
    gridHojaVenta.SetColAlignment(ColImporte, Alineacion::Derecha);
}

void frmHojaVenta::Llenar(const QString &nombrecierre)
{
    DarTamanosGrid();
    lblVenta = QStringLiteral("Hoja de venta de la caja: ") + nombrecierre;

    // Each drawer is counted on its own: its float plus the cash it took.
    QMap<QString, double> cajones;
    Recordset rs = AbrirRecordset(SqlMovimientos(nombrecierre, false));
    for (; !rs.EOF_(); rs.MoveNext()) {
        const int f = gridHojaVenta.AgregarFila(
            {FormatoFecha(rs.Campo(QStringLiteral("fecha")), QStringLiteral("dd/MM hh:mm")),
             NuloABlanco(rs.Campo(QStringLiteral("concepto"))),
             FormatoImporte(rs.Campo(QStringLiteral("importe"))),
             NuloABlanco(rs.Campo(QStringLiteral("Nombre")))});
        if (gridHojaVenta.TextMatrix(f, ColFormaPago) == Efectivo)
            cajones[NuloABlanco(rs.Campo(QStringLiteral("puesto")))] +=
                Val(gridHojaVenta.TextMatrix(f, ColImporte));
    }

    // The totals add up what the sheet shows, so paper and screen always agree.
    double efectivo = 0, otros = 0;
    for (int f = 1; f < gridHojaVenta.Rows(); ++f) {
        const double importe = Val(gridHojaVenta.TextMatrix(f, ColImporte));
        if (gridHojaVenta.TextMatrix(f, ColFormaPago) == Efectivo)
            efectivo += importe;
        else
            otros += importe;
    }
    gridHojaVenta.AgregarFila();
    auto resumen = [this](const QString &texto, const QString &importe) {
        const int f = gridHojaVenta.AgregarFila();
        gridHojaVenta.SetTextMatrix(f, ColConcepto, texto);
        gridHojaVenta.SetTextMatrix(f, ColImporte, importe);
        gridHojaVenta.SetCellFontBold(f, ColConcepto, true);
        gridHojaVenta.SetCellFontBold(f, ColImporte, true);
    };
    resumen(QStringLiteral("Total efectivo"), FormatoImporte(efectivo));
    resumen(QStringLiteral("Total otros"), FormatoImporte(otros));
    Recordset inicio = AbrirRecordset(SqlMovimientos(nombrecierre, true));
    if (!inicio.HayFilas()) {
        resumen(QStringLiteral("Cambio inicial"), QString());
        return;
    }
    double cambio = 0;
    for (; !inicio.EOF_(); inicio.MoveNext()) {
        const double importe = Val(NuloACero(inicio.Campo(QStringLiteral("importe"))));
        cambio += importe;
        cajones[NuloABlanco(inicio.Campo(QStringLiteral("puesto")))] += importe;
    }
    resumen(QStringLiteral("Cambio inicial"), FormatoImporte(cambio));
    resumen(QStringLiteral("Total en caja"), FormatoImporte(cambio + efectivo));
    if (cajones.size() < 2)
        return;
    for (auto c = cajones.cbegin(); c != cajones.cend(); ++c)
        resumen(QString::fromUtf8("En el cajón de ")
                    + (c.key().isEmpty() ? QStringLiteral("(sin nombre)") : c.key()),
                FormatoImporte(c.value()));
}

void frmHojaVenta::Command1_Click()
{
    ImprimirListado(gridHojaVenta, QStringLiteral("Hoja de venta"), false);
}
