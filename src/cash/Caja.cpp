#include "Caja.h"

#include "RegistroOperaciones.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

namespace {

// The movement's insert; with a condition, it writes only where the condition holds.
QString TextoInsertar(double importe, const QString &concepto, int formapago, qint64 idarreglo,
                      qint64 idticket, const QString &condicion = {})
{
    const QString fecha = DimeFechaServidor();
    return QStringLiteral("insert into caja (importe, concepto, fecha, nombrecierre, cerrado, formapago, "
                          "idarreglo, idticket, puesto) select ")
           + TextoNumero(importe) + QStringLiteral(", ") + ComillasSQL(concepto) + QStringLiteral(", ")
           + LiteralFechaSQL(fecha) + QStringLiteral(", ") + CajaDeFechaSQL(fecha, G().EsSqlServer == 1)
           + QStringLiteral(", 0, ") + QString::number(formapago) + QStringLiteral(", ")
           + QString::number(idarreglo) + QStringLiteral(", ") + QString::number(idticket)
           + QStringLiteral(", ") + ComillasSQL(G().Puesto)
           + (condicion.isEmpty() ? QString() : QStringLiteral(" where ") + condicion);
}

void Insertar(double importe, const QString &concepto, int formapago, qint64 idarreglo, qint64 idticket)
{
    Bd().Encolar(TextoInsertar(importe, concepto, formapago, idarreglo, idticket));
}

const QString InicioCaja = QStringLiteral("Inicio caja");

// What an annulled order was, in words the journal keeps: its customer, its lines and the money
// booked to it, so that nothing of it is lost with the order. One read: the order (tipo 0: the
// customer, whether there is one, the total and whether it was handed over), then its lines (1) and
// its money (2). `entregado` tells whether it was handed over, `cobrado` the money booked to it.
QString DescribirArreglo(qint64 idarreglo, bool &entregado, double &cobrado)
{
    const QString n = QString::number(idarreglo);
    Recordset rs = AbrirRecordset(
        QStringLiteral("select 0 as tipo, case when clientes.idcliente is null then 0 else 1 end as orden, "
                       "clientes.nombre as texto1, clientes.telefono as texto2, null as texto3, cast(null as "
                       "timestamp) as fecha, "
                       "(select sum(precio) from arreglos_detalles where idarreglo = ")
        + n
        + QStringLiteral(
            ") as importe, arreglos.entregadoacliente as entregado from arreglos left outer join "
            "clientes on arreglos.idcliente = clientes.idcliente where arreglos.idarreglo = ")
        + n
        + QStringLiteral(
            " union all select 1, arreglos_detalles.idarreglodetalle, "
            "arreglos_detalles.referenciaprenda, arreglos_detalles.nombreprenda, productos.nombre, "
            "null, arreglos_detalles.precio, null from arreglos_detalles left outer join productos "
            "on arreglos_detalles.idproducto = productos.idproducto where "
            "arreglos_detalles.idarreglo = ")
        + n
        + QStringLiteral(
            " union all select 2, idmovimiento, nombrecierre, null, null, fecha, importe, null from "
            "caja where idarreglo = ")
        + n + QStringLiteral(" order by tipo, orden"));
    const auto tipo = [&rs] { return rs.EOF_() ? -1 : int(Val(NuloACero(rs.Campo(0)))); };
    const bool hayArreglo = tipo() == 0;
    const bool hayCliente = hayArreglo && Val(NuloACero(rs.Campo(1))) == 1;
    entregado = hayArreglo && Val(NuloACero(rs.Campo(7))) == 1;
    QString texto =
        QStringLiteral("Cliente: ")
        + (hayCliente
               ? NuloABlanco(rs.Campo(2)) + QStringLiteral(" (") + NuloABlanco(rs.Campo(3)) + QLatin1Char(')')
               : QStringLiteral("(ninguno)"))
        + QStringLiteral(". Total: ") + FormatoImporte(hayArreglo ? Val(NuloACero(rs.Campo(6))) : 0.0)
        + QString::fromUtf8(" €. Líneas:");
    if (hayArreglo)
        rs.MoveNext();
    for (; tipo() == 1; rs.MoveNext())
        texto += QLatin1Char(' ') + NuloABlanco(rs.Campo(2)) + QLatin1Char(' ') + NuloABlanco(rs.Campo(3))
                 + QStringLiteral(", ") + NuloABlanco(rs.Campo(4)) + QStringLiteral(", ")
                 + FormatoImporte(rs.Campo(6)) + QString::fromUtf8(" €;");
    texto += QStringLiteral(" Cobrado:");
    if (tipo() != 2)
        texto += QStringLiteral(" nada.");
    cobrado = 0;
    for (; tipo() == 2; rs.MoveNext()) {
        cobrado += Val(NuloACero(rs.Campo(6)));
        texto += QLatin1Char(' ') + FormatoFecha(rs.Campo(5), QStringLiteral("dd/MM/yyyy hh:mm"))
                 + QLatin1Char(' ') + FormatoImporte(rs.Campo(6)) + QString::fromUtf8(" € (caja ")
                 + NuloABlanco(rs.Campo(2)) + QStringLiteral(");");
    }
    return texto;
}

} // namespace

void MeterMovimientoCaja(double importe, const QString &concepto, int formapago, qint64 idarreglo,
                         qint64 idticket)
{
    // Both backends keep the same cents: the server would round, the embedded file would not.
    importe = RedondearImporte(importe);
    if (importe == 0)
        return;
    Insertar(importe, concepto, formapago, idarreglo, idticket);
}

QString NombreCierreDeFecha(const QString &fecha)
{
    return FechaDeTexto(fecha).toString(QStringLiteral("yyyyMMdd"));
}

QString CajaDeFechaSQL(const QString &fecha, bool servidor)
{
    const QString dia = ComillasSQL(NombreCierreDeFecha(fecha));
    const QString siguiente =
        servidor
            ? QStringLiteral("to_char(to_date(max(nombrecierre), 'YYYYMMDD') + 1, 'YYYYMMDD')")
            : QStringLiteral("strftime('%Y%m%d', substr(max(nombrecierre), 1, 4) || '-' || "
                             "substr(max(nombrecierre), 5, 2) || '-' || substr(max(nombrecierre), 7, 2), "
                             "'+1 day')");
    return QStringLiteral("coalesce((select ") + siguiente
           + QStringLiteral(" from caja where cerrado = 1 and nombrecierre >= ") + dia
           + QStringLiteral(" and length(nombrecierre) = 8), ") + dia + QLatin1Char(')');
}

QString NombreCierreDeHoy()
{
    return NuloABlanco(AbrirRecordset(QStringLiteral("select ")
                                      + CajaDeFechaSQL(DimeFechaServidor(), G().EsSqlServer == 1)
                                      + QStringLiteral(" as dia"))
                           .Campo(0));
}

void AbrirCajaDelDia()
{
    // The day, and whether this drawer or another one has begun it, in one round trip.
    const QString deHoy = QStringLiteral("select 1 from caja where nombrecierre = d.dia");
    const QString deEsteCajon = deHoy + QStringLiteral(" and puesto = ") + ComillasSQL(G().Puesto);
    const Recordset rs = AbrirRecordset(
        QStringLiteral("select dia, exists (") + deEsteCajon + QStringLiteral(") as cajon, exists (") + deHoy
        + QStringLiteral(") as abierta from (select ")
        + CajaDeFechaSQL(DimeFechaServidor(), G().EsSqlServer == 1) + QStringLiteral(" as dia) d"));
    const QString hoy = NuloABlanco(rs.Campo(0));
    G().NombreCierre = hoy;
    // This drawer has begun its day already (a restart): nothing to ask.
    if (rs.Campo(1).toBool())
        return;
    // Another counter has opened today's cash: this drawer only counts its own float.
    const bool abierta = rs.Campo(2).toBool();
    if (!abierta && Dlg().MensajeSiNo(QString::fromUtf8("¿Comenzar una nueva caja?")) != Dialogos::Si)
        return;
    const QString titulo = abierta ? QString::fromUtf8("Dinero inicial en este cajón")
                                   : QStringLiteral("Dinero inicial en caja");
    // The day cannot start on a figure the shop did not mean: a refused one is asked again.
    std::optional<double> inicial;
    while (!inicial) {
        const QString importe = Dlg().PadNumerico(titulo, false);
        inicial = ImporteTecleado(importe.isEmpty() ? QStringLiteral("0") : importe);
    }
    // Earlier days close; today's movements, other drawers' floats among them, stay open. A float
    // of nothing is still booked: it says this drawer's day has begun. Two counters may have
    // answered at once: each drawer keeps one float a day, so the pair can be sent again as it is.
    const QString suInicio = QStringLiteral("select 1 from caja where nombrecierre = ") + ComillasSQL(hoy)
                             + QStringLiteral(" and puesto = ") + ComillasSQL(G().Puesto)
                             + QStringLiteral(" and concepto = ") + ComillasSQL(InicioCaja);
    Bd().EjecutarJuntas({QStringLiteral("update caja set cerrado = 1 where nombrecierre <> ")
                             + ComillasSQL(hoy) + QStringLiteral(" and (cerrado = 0 or cerrado is null)"),
                         TextoInsertar(RedondearImporte(*inicial), InicioCaja, 1, 0, 0,
                                       QStringLiteral("not exists (") + suInicio + QLatin1Char(')'))});
}

bool BorrarArreglo(qint64 idarreglo, bool tambienEntregado)
{
    // All three or none: half an annulled order would linger in the lists or in the cash. The
    // order is held and read in one round trip; the journal and the deletes go with the commit.
    const QString n = QString::number(idarreglo);
    Transaccion t(Bd());
    BloquearArreglo(idarreglo);
    bool entregado = false;
    double cobrado = 0;
    const QString descripcion = DescribirArreglo(idarreglo, entregado, cobrado);
    if (entregado && !tambienEntregado)
        return false;
    AnotarOperacion(Operacion::ArregloAnulado, descripcion, idarreglo, cobrado);
    Bd().Encolar(QStringLiteral("delete from arreglos_detalles where idarreglo = ") + n);
    Bd().Encolar(QStringLiteral("delete from arreglos where idarreglo = ") + n);
    Bd().Encolar(QStringLiteral("delete from caja where idarreglo = ") + n);
    t.Confirmar();
    return true;
}

void cmdSacarDinero_Click()
{
    const QString texto = Dlg().PadNumerico(QString::fromUtf8("¿Cantidad a sacar de la caja?"), false);
    if (texto.isEmpty())
        return;
    const std::optional<double> leido = ImporteTecleado(texto);
    if (!leido)
        return;
    const double importe = *leido;
    Transaccion t(Bd());
    if (RedondearImporte(importe) != 0)
        AnotarOperacion(Operacion::DineroSacado, QStringLiteral("Retirado de caja"), 0, -importe);
    MeterMovimientoCaja(-importe, QStringLiteral("Retirado de caja"), 1, 0, 0);
    t.Confirmar();
    Dlg().Mensaje(QStringLiteral("Se ha registrado una retirada de ") + FormatoImporte(importe)
                  + QString::fromUtf8(" € de la caja"));
}
