// "Fin arreglo" on frmPrincipal: the checks, the save, the money kept in the till and the tickets.
#include "frmPrincipal.h"

#include "cash/Caja.h"
#include "cash/RegistroOperaciones.h"
#include "core/Catalogo.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "printing/CanalTickets.h"
#include "printing/TicketsArreglo.h"

#include <QMap>
#include <QSet>
#include <cmath>
#include <tuple>

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

} // namespace

void frmPrincipal::GuardarArreglo(int idarreglo, int &nuevoid, Recordset *guardado)
{
    const bool nuevo = idarreglo == 0;
    Transaccion t(Bd());
    // What a reopened order holds now, its lines in order: the prices, workers and lines below
    // come from it instead of a read each.
    Recordset leido;
    if (!nuevo && !guardado) {
        leido = AbrirRecordset(SqlHuellaArreglo(idarreglo));
        guardado = &leido;
    }
    if (!nuevo && txtEntregado.isEmpty())
        txtEntregado = QStringLiteral("0.00");
    const QString entregado = TextoNumero(RedondearImporte(Val(txtEntregado) - Val(txtCambio)));

    int n = idarreglo;
    if (nuevo) {
        n = int(DimeSiguienteNumeroArreglo());
        Bd().Encolar(
            QStringLiteral("insert into arreglos (idusuario, idarreglo, fechaarreglo,fechaprevistaentrega,"
                           "idcliente, entregado, pagado) values (")
            + N(IdUsuarioVenta) + QStringLiteral(", ") + N(n) + QStringLiteral(", ")
            + FechaSQL(DimeFechaServidor(), G().EsSqlServer) + QStringLiteral(", ")
            + LiteralFechaSQL(FechaEntregaVenta) + QStringLiteral(", ") + N(IdClienteVenta)
            + QStringLiteral(", ") + entregado + QStringLiteral(", ") + QStringLiteral("0")
            + QStringLiteral(")"));
    } else {
        // The order date becomes the date of this visit, and entregado only this visit's money.
        // Its row was read above, in this transaction: the write finds it.
        if (!guardado->HayFilas())
            throw ArregloCambiado();
        Bd().Encolar(QStringLiteral("update arreglos set idusuario = ") + N(IdUsuarioVenta)
                     + QStringLiteral(", fechaarreglo = ") + LiteralFechaSQL(DimeFechaServidor())
                     + QStringLiteral(", fechaprevistaentrega = ") + LiteralFechaSQL(FechaEntregaVenta)
                     + QStringLiteral(",idcliente = ") + N(IdClienteVenta) + QStringLiteral(", entregado = ")
                     + entregado + QStringLiteral(", pagado= 0 where idarreglo = ") + N(n));
    }

    // A price typed over the catalogue's, or over what a saved line had, and a saved line taken
    // out go to the journal with the user who saved them.
    const QString usuario = Catalogo::NombreUsuario(IdUsuarioVenta);
    QMap<qint64, double> preciosGuardados;
    // The worker and assignment date of each saved line that has a worker.
    QMap<qint64, std::pair<QString, QString>> trabajadores;
    for (Recordset *rs = guardado; rs && !rs->EOF_(); rs->MoveNext()) {
        const QVariant id = rs->Campo(QStringLiteral("idarreglodetalle"));
        if (id.isNull())
            continue;
        const qint64 linea = qint64(Val(NuloACero(id)));
        preciosGuardados.insert(linea, Val(NuloACero(rs->Campo(QStringLiteral("precio")))));
        if (Val(NuloACero(rs->Campo(QStringLiteral("idcosturera")))) != 0)
            trabajadores.insert(
                linea,
                {TextoDeValor(rs->Campo(QStringLiteral("idcosturera"))),
                 LiteralFechaSQL(rs->Campo(QStringLiteral("fechaasignaciontrabajador")).toDateTime())});
    }

    // Lines of a reopened order being handed over are back in the shop by definition.
    const bool listo = !nuevo && EntregandoArreglo;
    int prenda = 0;
    QString etiqueta, referencia, fecha;
    // A line added to a garment that already went to a worker goes to the same worker, on the
    // same assignment, and the garment is pending again: it is paid and listed like the others.
    QString costurera, asignacion;
    QStringList guardadas;
    for (int f = 1; f < gridTPV.Rows(); ++f) {
        if (EsSeparador(f)) {
            ++prenda;
            etiqueta = ComillasSQL(gridTPV.TextMatrix(f, ColNombre));
            referencia = ComillasSQL(N(n) + QLatin1Char('.') + N(prenda));
            fecha = LiteralFechaSQL(gridTPV.TextMatrix(f, ColFechaCompleta));
            costurera.clear();
            asignacion.clear();
            for (int g = f + 1; !nuevo && g < gridTPV.Rows() && !EsSeparador(g) && costurera.isEmpty(); ++g) {
                const QString id = gridTPV.TextMatrix(g, ColIdDetalle);
                if (id.isEmpty())
                    continue;
                const auto t = trabajadores.constFind(qint64(Val(id)));
                if (t != trabajadores.cend())
                    std::tie(costurera, asignacion) = *t;
            }
            continue;
        }
        const QString idproducto = N(qint64(Val(gridTPV.TextMatrix(f, ColIdProducto))));
        const QString precio = TextoNumero(RedondearImporte(Val(gridTPV.TextMatrix(f, ColImporte))));
        const QString iddetalle = gridTPV.TextMatrix(f, ColIdDetalle);
        const qint64 guardada = nuevo || iddetalle.isEmpty() ? 0 : qint64(Val(iddetalle));
        double antes = preciosGuardados.value(guardada, -1);
        if (antes < 0) {
            const int producto = int(Val(gridTPV.TextMatrix(f, ColIdProducto)));
            antes = ClienteEsTienda == 1 ? DimePrecioTienda(producto) : DimePrecio(producto);
        }
        // A catalogue entry without a price (haberdashery) is priced at the counter every time.
        if ((guardada != 0 || antes != 0) && std::fabs(antes - Val(precio)) > 0.005)
            AnotarOperacion(Operacion::PrecioCambiado,
                            N(n) + QLatin1Char('.') + N(prenda) + QLatin1Char(' ')
                                + gridTPV.TextMatrix(f, ColNombre) + QStringLiteral(": ")
                                + FormatoImporte(antes) + QString::fromUtf8(" € → ")
                                + FormatoImporte(Val(precio)) + QString::fromUtf8(" €"),
                            n, Val(precio) - antes, usuario);
        if (nuevo || iddetalle.isEmpty()) {
            const bool conCosturera = !costurera.isEmpty();
            const QString insertar =
                QStringLiteral("insert into arreglos_detalles (idarreglo, idproducto, precio, nombreprenda, "
                               "referenciaprenda, fechaentrega")
                + (listo ? QStringLiteral(", listoparaentrega") : QString())
                + (conCosturera ? QStringLiteral(", idcosturera, fechaasignaciontrabajador") : QString())
                + QStringLiteral(") values (") + N(n) + QStringLiteral(", ") + idproducto
                + QStringLiteral(", ") + precio + QStringLiteral(", ") + etiqueta + QStringLiteral(", ")
                + referencia + QStringLiteral(", ") + fecha + (listo ? QStringLiteral(", 1") : QString())
                + (conCosturera ? QStringLiteral(", ") + costurera + QStringLiteral(", ") + asignacion
                                : QString())
                + QStringLiteral(")");
            // A new order's screen is emptied right after, so only a reopened one keeps the link:
            // a new order's lines go out together, with the commit.
            if (nuevo)
                Bd().Encolar(insertar);
            else
                gridTPV.SetTextMatrix(f, ColIdDetalle,
                                      N(Bd().Insertar(insertar, QStringLiteral("idarreglodetalle"))));
        } else {
            Bd().Encolar(QStringLiteral("update arreglos_detalles set idarreglo = ") + N(n)
                         + QStringLiteral(", idproducto = ") + idproducto + QStringLiteral(", precio = ")
                         + precio + QStringLiteral(", nombreprenda = ") + etiqueta
                         + QStringLiteral(" , referenciaprenda = ") + referencia
                         + QStringLiteral(", fechaentrega = ") + fecha
                         + (listo ? QStringLiteral(", listoparaentrega = 1") : QString())
                         + QStringLiteral(" where idarreglodetalle = ") + N(qint64(Val(iddetalle))));
        }
        if (!nuevo)
            guardadas.append(N(qint64(Val(gridTPV.TextMatrix(f, ColIdDetalle)))));
    }

    // Lines removed on screen go. With no line left the order keeps none ("not in()" is no SQL).
    if (!nuevo) {
        QString quitadas = QStringLiteral("arreglos_detalles.idarreglo = ") + N(n);
        if (!guardadas.isEmpty())
            quitadas += QStringLiteral(" and arreglos_detalles.idarreglodetalle not in(")
                        + guardadas.join(QStringLiteral(", ")) + QStringLiteral(")");
        const QSet<QString> siguen(guardadas.cbegin(), guardadas.cend());
        guardado->MoveFirst();
        for (Recordset *rs = guardado; !rs->EOF_(); rs->MoveNext()) {
            const QVariant id = rs->Campo(QStringLiteral("idarreglodetalle"));
            if (id.isNull() || siguen.contains(N(qint64(Val(NuloACero(id))))))
                continue;
            const Catalogo::Producto *producto =
                Catalogo::BuscarProducto(int(Val(NuloACero(rs->Campo(QStringLiteral("idproducto"))))));
            const QVariant precio = rs->Campo(QStringLiteral("precio"));
            AnotarOperacion(Operacion::LineaQuitada,
                            NuloABlanco(rs->Campo(QStringLiteral("referenciaprenda"))) + QLatin1Char(' ')
                                + NuloABlanco(rs->Campo(QStringLiteral("nombreprenda")))
                                + QStringLiteral(", ") + (producto ? producto->nombre : QString())
                                + QStringLiteral(", ") + FormatoImporte(precio) + QString::fromUtf8(" €"),
                            n, Val(NuloACero(precio)), usuario);
        }
        Bd().Encolar(QStringLiteral("delete from arreglos_detalles where ") + quitadas);
    }
    t.Confirmar();
    nuevoid = n;
}

bool frmPrincipal::EncargoCompleto()
{
    bool hayLineas = false;
    for (int f = 1; f < gridTPV.Rows() && !hayLineas; ++f)
        hayLineas = !EsSeparador(f);
    if (!hayLineas) {
        Dlg().Mensaje(QStringLiteral("Seleccione algun arreglo para alguna prenda"));
        return false;
    }

    if (EntregandoArreglo && txtPendiente != QLatin1String("0.00")) {
        if (ClienteEsTienda != 1) {
            Dlg().Mensaje(QStringLiteral("Debe saldar la cuenta de este arreglo. Faltan por cobrar ")
                          + txtPendiente + QString::fromUtf8(" €."));
            return false;
        }
        // Partner shops settle monthly: what is missing goes onto their account.
        Dlg().Mensaje(
            QString::fromUtf8("La cuenta no se ha saldado.\r\n"
                              "Al tratarse de un cliente especial, consulte en COBROS A TIENDAS.\r\n"
                              "Se han añadido ")
            + txtPendiente + QString::fromUtf8(" €. a la cuenta"));
    }

    for (int f = 1; f < gridTPV.Rows(); ++f)
        if (EsSeparador(f) && !FechaDeTexto(gridTPV.TextMatrix(f, ColFechaCompleta)).isValid()) {
            Dlg().Mensaje(QStringLiteral("Hay alguna prenda que no tiene fecha de entrega."));
            return false;
        }

    if (ClienteEsTienda != 1 && Val(txtEntregado) == 0
        && Dlg().MensajeSiNo(
               QString::fromUtf8("No ha recibido ninguna señal de este arreglo.\r\n¿Desea continuar?"))
               != 6)
        return false;

    if (IdClienteVenta == 0) {
        Dlg().Mensaje(QStringLiteral("Seleccione un cliente o cree uno nuevo para este arreglo."));
        return false;
    }
    return true;
}

void frmPrincipal::GuardarYCobrar()
{
    // The order, its lines, the hand-over and the money: all of it or nothing.
    Transaccion t(Bd());
    if (IdArregloVenta != 0) {
        // Saved only as it was loaded: another counter may have handed it over, changed or
        // annulled it meanwhile, and this screen would write over what it never saw.
        // The lock goes out with the read of the order, and the writes with the commit: a far server
        // costs three round trips.
        BloquearArreglo(IdArregloVenta);
        Recordset guardado = AbrirRecordset(SqlHuellaArreglo(IdArregloVenta));
        if (HuellaDe(guardado) != huellaCargada_
            || (EntregarAlAcabar && Val(NuloACero(guardado.Campo(QStringLiteral("entregadoacliente")))) == 1))
            throw ArregloCambiado();
        int id = 0;
        GuardarArreglo(IdArregloVenta, id, &guardado);
        if (EntregarAlAcabar) {
            Bd().Encolar(
                QStringLiteral("update arreglos_detalles set listoparaentrega = 1 where idarreglo = ")
                + N(id));
            Bd().Encolar(QStringLiteral("update arreglos set fecharealentrega = ")
                         + LiteralFechaSQL(DimeFechaServidor())
                         + QStringLiteral(", entregadoacliente = 1  where idarreglo = ") + N(id));
        }
    } else {
        int nuevo = 0;
        GuardarArreglo(0, nuevo);
        IdArregloVenta = nuevo;
    }
    AnotarArregloListo(IdArregloVenta);
    MeterMovimientoCaja(RedondearImporte(Val(txtEntregado) - Val(txtCambio)),
                        QStringLiteral("Ref. ") + N(IdArregloVenta), IdFormaPagoVenta, IdArregloVenta, 0);
    if (ArregloCargado && !EntregarAlAcabar) {
        // A delivered order changed afterwards (one more alteration, a dearer price) is open again
        // until it is handed over anew: its new garment is in the workshop and its money owed. A
        // partner shop's debt is its monthly account's, not a reason to reopen.
        const QString n = N(IdArregloVenta);
        Bd().Encolar(
            QStringLiteral(
                "update arreglos set entregadoacliente = null, fecharealentrega = null where idarreglo = ")
            + n
            + QStringLiteral(" and entregadoacliente = 1 and (exists (select 1 from arreglos_detalles where "
                             "idarreglo = ")
            + n + QStringLiteral(" and (coalesce(listoparaentrega, 0) <> 1 or coalesce(idcosturera, 0) = 0))")
            + (ClienteEsTienda == 1
                   ? QString()
                   : QStringLiteral(
                         " or (select coalesce(sum(precio), 0) from arreglos_detalles where idarreglo = ")
                         + n
                         + QStringLiteral(
                             ") > (select coalesce(sum(importe), 0) from caja where idarreglo = ")
                         + n + QStringLiteral(") + 0.005"))
            + QStringLiteral(")"));
    }
    t.Confirmar();
}

void frmPrincipal::ImprimirTicketsAcabado(int idarreglo)
{
    const QString ref = N(idarreglo);
    // A new order usually takes every ticket; a reopened one only the customer's new receipt.
    const int elegido =
        Dlg().ElegirImpresion(ref, ArregloCargado, ArregloCargado ? ImprimirCliente : ImprimirTodo);
    if (!(elegido & (ImprimirPrendas | ImprimirCliente)))
        return;
    // Every ticket from one read of the stored order.
    TicketsDeArreglo tickets(idarreglo);
    if (elegido & ImprimirPrendas) {
        for (int f = 1; f < gridTPV.Rows(); ++f) {
            const QString prenda = gridTPV.TextMatrix(f, ColPrenda);
            if (!prenda.isEmpty())
                tickets.Prenda(ref + QLatin1Char('.') + prenda);
        }
    }
    if (elegido & ImprimirCliente) {
        AbrirCajon();
        tickets.Cliente();
    }
}

void frmPrincipal::VolverACargarCambiado(int idarreglo)
{
    const bool entregando = EntregarAlAcabar;
    const QString n = N(idarreglo);
    ReiniciarVenta();
    if (!ExisteArreglo(idarreglo)) {
        Dlg().Mensaje(QStringLiteral("El arreglo ") + n
                      + QStringLiteral(" ya no existe: se ha anulado en otro mostrador. No se ha guardado ni "
                                       "cobrado nada."));
        return;
    }
    if (entregando && ArregloEntregado(idarreglo)) {
        Dlg().Mensaje(QStringLiteral("El arreglo ") + n
                      + QStringLiteral(" ya se ha entregado en otro mostrador. No se ha cobrado nada."));
        return;
    }
    CargarArreglo(idarreglo, entregando);
    EntregandoArreglo = entregando;
    Dlg().Mensaje(QStringLiteral("Otro mostrador ha cambiado el arreglo ") + n
                  + QString::fromUtf8("; se ha vuelto a cargar. Revíselo y pulse de nuevo \"Fin arreglo\"."));
}

void frmPrincipal::cmdAcabarEncargo_Click()
{
    QuitarPrendasVacias();
    if (!EncargoCompleto())
        return;

    // A failed save leaves the order on screen exactly as it was, ready to try again.
    const Grid grid = gridTPV;
    const QString entregado = txtEntregado;
    const int idarreglo = IdArregloVenta;
    const int idusuario = IdUsuarioVenta;
    try {
        if (IdUsuarioVenta == 0)
            IdUsuarioVenta = Dlg().Usuario();
        // The picker closed without a choice: an order must say who took it in.
        if (IdUsuarioVenta == 0) {
            Dlg().Mensaje(QString::fromUtf8("El arreglo no se ha guardado: elija quién lo atiende."));
            return;
        }
        GuardarYCobrar();
    } catch (const ArregloCambiado &) {
        IdUsuarioVenta = idusuario;
        VolverACargarCambiado(idarreglo);
        return;
    } catch (...) {
        gridTPV = grid;
        txtEntregado = entregado;
        IdArregloVenta = idarreglo;
        IdUsuarioVenta = idusuario;
        throw;
    }

    // The order is stored: whatever happens to its tickets, the screen lets it go, so that
    // the reset can never take it for an unfinished one.
    const int n = IdArregloVenta;
    QString fallo;
    try {
        ImprimirTicketsAcabado(n);
    } catch (const std::exception &e) {
        fallo = QString::fromStdString(e.what());
    }
    IdArregloVenta = 0;
    ReiniciarVenta();
    if (!fallo.isEmpty())
        Dlg().Mensaje(QStringLiteral("El arreglo se ha guardado con la Ref. ") + N(n)
                      + QStringLiteral(", pero no se pudieron imprimir sus tickets.\r\n") + fallo);
}
