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
// booked to it, so that nothing of it is lost with the order.
QString DescribirArreglo(qint64 idarreglo)
{
    const QString n = QString::number(idarreglo);
    Recordset cliente = AbrirRecordset(
        QStringLiteral("select clientes.nombre, clientes.telefono from arreglos, clientes where "
                       "arreglos.idcliente = clientes.idcliente and arreglos.idarreglo = ")
        + n);
    QString texto = QStringLiteral("Cliente: ")
                    + (cliente.HayFilas() ? NuloABlanco(cliente.Campo(0)) + QStringLiteral(" (")
                                                + NuloABlanco(cliente.Campo(1)) + QLatin1Char(')')
                                          : QStringLiteral("(ninguno)"))
                    + QStringLiteral(". Total: ") + FormatoImporte(DimeTotalArreglo(idarreglo))
                    + QString::fromUtf8(" €. Líneas:");
    Recordset lineas = AbrirRecordset(
        QStringLiteral("select arreglos_detalles.referenciaprenda, arreglos_detalles.nombreprenda, "
                       "productos.nombre, arreglos_detalles.precio from arreglos_detalles left outer join "
                       "productos on arreglos_detalles.idproducto = productos.idproducto where "
                       "arreglos_detalles.idarreglo = ")
        + n + QStringLiteral(" order by arreglos_detalles.idarreglodetalle"));
    for (; !lineas.EOF_(); lineas.MoveNext())
        texto += QLatin1Char(' ') + NuloABlanco(lineas.Campo(0)) + QLatin1Char(' ')
                 + NuloABlanco(lineas.Campo(1)) + QStringLiteral(", ") + NuloABlanco(lineas.Campo(2))
                 + QStringLiteral(", ") + FormatoImporte(lineas.Campo(3)) + QString::fromUtf8(" €;");
    texto += QStringLiteral(" Cobrado:");
    Recordset dinero =
        AbrirRecordset(QStringLiteral("select fecha, importe, nombrecierre from caja where idarreglo = ") + n
                       + QStringLiteral(" order by idmovimiento"));
    if (!dinero.HayFilas())
        texto += QStringLiteral(" nada.");
    for (; !dinero.EOF_(); dinero.MoveNext())
        texto += QLatin1Char(' ') + FormatoFecha(dinero.Campo(0), QStringLiteral("dd/MM/yyyy hh:mm"))
                 + QLatin1Char(' ') + FormatoImporte(dinero.Campo(1)) + QString::fromUtf8(" € (caja ")
                 + NuloABlanco(dinero.Campo(2)) + QStringLiteral(");");
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

void BorrarArreglo(qint64 idarreglo)
{
    // All three or none: half an annulled order would linger in the lists or in the cash.
    const QString n = QString::number(idarreglo);
    Transaccion t(Bd());
    AnotarOperacion(Operacion::ArregloAnulado, DescribirArreglo(idarreglo), idarreglo,
                    DimeSumaCajaArreglo(idarreglo));
    Bd().Ejecutar(QStringLiteral("delete from arreglos_detalles where idarreglo = ") + n);
    Bd().Ejecutar(QStringLiteral("delete from arreglos where idarreglo = ") + n);
    Bd().Ejecutar(QStringLiteral("delete from caja where idarreglo = ") + n);
    t.Confirmar();
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
