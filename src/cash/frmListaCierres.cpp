#include "frmListaCierres.h"

#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "core/Reloj.h"

#include <map>

QString frmListaCierres::SqlCierres()
{
    return QStringLiteral(
        "SELECT SUM(importe) AS total, nombrecierre From caja GROUP BY nombrecierre order by "
        "nombrecierre desc");
}

// Takings are what the shop took in: the opening float is change brought from home and a
// withdrawal only moves money out of the drawer, so neither counts. The partner shop's pair
// (its order booked and taken straight out) nets to nothing on its own.
QString frmListaCierres::SqlRecaudacion(const QDate &primerMes)
{
    const QString ingresos = QStringLiteral("concepto <> 'Inicio caja' and concepto <> 'Retirado de caja'");
    return QStringLiteral("select nombrecierre as periodo, sum(importe) as total from caja where ") + ingresos
           + QStringLiteral(
               " and nombrecierre >= (select min(n) from (select distinct nombrecierre as n from caja"
               " order by n desc limit 30) as ultimos) group by nombrecierre"
               " union all select substr(nombrecierre, 1, 6) as periodo, sum(importe) as total"
               " from caja where ")
           + ingresos + QStringLiteral(" and nombrecierre >= ")
           + ComillasSQL(primerMes.toString(QStringLiteral("yyyyMMdd")))
           + QStringLiteral(" group by substr(nombrecierre, 1, 6)");
}

void frmListaCierres::LlenarRecaudacion()
{
    static const char *const meses[] = {"ene", "feb", "mar", "abr", "may", "jun",
                                        "jul", "ago", "sep", "oct", "nov", "dic"};
    const QDate hoy = RelojPrograma().Ahora().date();
    const QDate primerMes = QDate(hoy.year(), hoy.month(), 1).addMonths(-11);
    std::map<QString, double> dias, porMes;
    Recordset rs = AbrirRecordset(SqlRecaudacion(primerMes));
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString periodo = NuloABlanco(rs.Campo(QStringLiteral("periodo")));
        const double total = RedondearImporte(Val(NuloACero(rs.Campo(QStringLiteral("total")))));
        (periodo.size() == 8 ? dias : porMes)[periodo] = total;
    }
    recaudacionDias.clear();
    for (const auto &[dia, total] : dias)
        recaudacionDias.push_back({dia.mid(6, 2) + QLatin1Char('/') + dia.mid(4, 2), total});
    recaudacionMeses.clear();
    for (int i = 0; i < 12; ++i) {
        const QDate mes = primerMes.addMonths(i);
        const auto total = porMes.find(mes.toString(QStringLiteral("yyyyMM")));
        recaudacionMeses.push_back({QString::fromLatin1(meses[mes.month() - 1]) + QLatin1Char(' ')
                                        + mes.toString(QStringLiteral("yy")),
                                    total == porMes.end() ? 0.0 : total->second});
    }
}

void frmListaCierres::CargarFormulario(const std::function<void()> &mostrar)
{
    Llenar();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmListaCierres::Llenar()
{
    gridCierres = Grid(1, 2);
    gridCierres.SetTextMatrix(0, 0, QStringLiteral("Cierre"));
    gridCierres.SetTextMatrix(0, 1, QStringLiteral("Importe"));
    gridCierres.SetColWidth(0, 2400);
    gridCierres.SetColWidth(1, 2100);
    gridCierres.SetColAlignment(1, Alineacion::Derecha);
    Recordset rs = AbrirRecordset(SqlCierres());
    for (; !rs.EOF_(); rs.MoveNext())
        gridCierres.AgregarFila({NuloABlanco(rs.Campo(QStringLiteral("nombrecierre"))),
                                 FormatoImporte(Val(NuloACero(rs.Campo(QStringLiteral("total")))))});
    ColorearGrid(gridCierres);
    gridCierres.Row = gridCierres.Rows() > 1 ? 1 : 0;
    LlenarRecaudacion();
}

void frmListaCierres::gridCierres_Click(int fila)
{
    if (fila >= 1 && fila < gridCierres.Rows())
        gridCierres.Row = fila;
}

void frmListaCierres::cmdVerDetalle_Click()
{
    if (gridCierres.Row < 1)
        return;
    const QString cierre = gridCierres.TextMatrix(gridCierres.Row, 0);
    if (!cierre.isEmpty() && G().pantallas)
        G().pantallas->HojaVentaDeCaja(cierre);
}
