#include "TicketsArreglo.h"

#include "CanalTickets.h"
#include "core/CodigoBarras.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const char GS = 29;

void Normal(const QString &texto)
{
    ImprimirLineaTicket(texto, 1, 0, 0, 0, 0);
}

void Sencilla(const QString &texto)
{
    ImprimirLineaTicket(texto, 0, 0, 0, 0, 0);
}

QString Texto(const Recordset &rs, const QString &campo)
{
    return NuloABlanco(rs.Campo(campo)).trimmed();
}

void ImprimirImporte(double subtotal)
{
    Normal(
        AlinearTexto(QStringLiteral("Importe: ") + QString::number(RedondearImporte(subtotal), 'f', 2), 2));
}

// The date the workshop must have the garment ready: two days before the one promised.
QString LineaFechaEntrega(const QVariant &fechaentrega)
{
    const QString dia = FormatoFecha(fechaentrega, QStringLiteral("dd/MM/yyyy"));
    QString margen;
    if (!dia.isEmpty())
        margen = FechaDeTexto(dia).addDays(-2).toString(QStringLiteral("dd/MM/yyyy"));
    return QStringLiteral("Fecha entrega: ") + margen;
}

} // namespace

namespace {

// Everything an order's tickets print, one row per line (one row with no line for an order
// without any), read in one statement: a far server is asked once for all of them.
Recordset LeerArreglo(const QString &donde)
{
    return AbrirRecordset(
        QStringLiteral(
            "select arreglos.idarreglo, arreglos.fechaarreglo, arreglos.fechaprevistaentrega, "
            "arreglos_detalles.idarreglodetalle, arreglos_detalles.referenciaprenda, "
            "arreglos_detalles.nombreprenda, arreglos_detalles.precio, arreglos_detalles.fechaentrega, "
            "productos.nombre as nombreproducto, clientes.idcliente as clienteexiste, clientes.nombre as "
            "nombrecliente, usuarios.idusuario as usuarioexiste, usuarios.nombre as nombreusuario, "
            "(select sum(importe) from caja where caja.idarreglo = arreglos.idarreglo) as pagado "
            "from ((arreglos left join arreglos_detalles on arreglos_detalles.idarreglo = "
            "arreglos.idarreglo) "
            "left join productos on productos.idproducto = arreglos_detalles.idproducto) "
            "left join clientes on arreglos.idcliente = clientes.idcliente "
            "left join usuarios on usuarios.idusuario = arreglos.idusuario where ")
        + donde + QStringLiteral(" order by arreglos_detalles.idarreglodetalle"));
}

// Who attended, as the user's row names them: nobody when the row is gone.
QString Atendio(const Recordset &rs)
{
    return rs.Campo(QStringLiteral("usuarioexiste")).isNull()
               ? QString()
               : NuloACero(rs.Campo(QStringLiteral("nombreusuario"))).trimmed();
}

} // namespace

TicketsDeArreglo::TicketsDeArreglo(qint64 idarreglo)
    : id_(QString::number(idarreglo)),
      rs_(LeerArreglo(QStringLiteral("arreglos.idarreglo = ") + QString::number(idarreglo)))
{
}

TicketsDeArreglo::TicketsDeArreglo(const QString &referencia)
    : rs_(LeerArreglo(
        QStringLiteral(
            "arreglos.idarreglo in (select idarreglo from arreglos_detalles where referenciaprenda = ")
        + ComillasSQL(referencia) + QLatin1Char(')')))
{
}

void TicketsDeArreglo::Cliente()
{
    ImprimirCabeceraTicket();
    Cuerpo();
    ImprimirPieTicket();
}

void TicketsDeArreglo::Cuerpo()
{
    rs_.MoveFirst();
    const QString n = id_.isEmpty() ? Texto(rs_, QStringLiteral("idarreglo")) : id_;
    ImprimirLineaTicket(AlinearTexto(QStringLiteral("Ref.: ") + n, 2, 16), 0, 0, 0, 0, 1);
    Normal(QStringLiteral("Arreglo/Prenda            Precio"));
    Normal(AlinearTexto(QString(32, QLatin1Char('-')), 1));

    const QString referencia = QStringLiteral("referenciaPrenda");
    double total = 0;
    if (rs_.HayFilas() && !rs_.Campo(QStringLiteral("idarreglodetalle")).isNull()) {
        auto Cabecera = [&] {
            Normal(Texto(rs_, referencia) + QStringLiteral(" ") + Texto(rs_, QStringLiteral("nombreprenda")));
        };
        QString actual = Texto(rs_, referencia);
        Cabecera();
        double subtotal = 0;
        while (!rs_.EOF_()) {
            if (Texto(rs_, referencia) != actual) {
                Cabecera();
                actual = Texto(rs_, referencia);
            }
            const QString producto = Texto(rs_, QStringLiteral("nombreproducto"));
            Normal(producto.isEmpty() ? QString::fromUtf8(NombreProductoRetirado) : producto);
            subtotal += Val(NuloACero(rs_.Campo(QStringLiteral("precio"))));
            total += Val(NuloACero(rs_.Campo(QStringLiteral("precio"))));
            rs_.MoveNext();
            if (rs_.EOF_()) {
                ImprimirImporte(subtotal);
            } else if (Texto(rs_, referencia) != actual) {
                ImprimirImporte(subtotal);
                Normal(QString());
                subtotal = 0;
            }
        }
    }
    Normal(AlinearTexto(QStringLiteral("-------"), 2));

    rs_.MoveFirst();
    // The order's own fields print only where its customer exists, as they always did.
    const bool conCliente = rs_.HayFilas() && !rs_.Campo(QStringLiteral("clienteexiste")).isNull();
    const double pagado = rs_.HayFilas() ? Val(NuloACero(rs_.Campo(QStringLiteral("pagado")))) : 0;
    total = RedondearImporte(total);
    const QStringList cifras = {QStringLiteral("Total: ") + FormatoImporte(total),
                                QStringLiteral("Entregado: ") + FormatoImporte(pagado),
                                QStringLiteral("Pendiente: ") + FormatoImporte(total - pagado)};
    for (const QString &t : cifras)
        ImprimirLineaTicket(AlinearTexto(t, 2), 0, 0, 1, 0, 0);
    auto campo = [&](const char *nombre) {
        return conCliente ? rs_.Campo(QString::fromLatin1(nombre)) : QVariant();
    };
    Normal(QStringLiteral("\r\n"));
    Normal(QStringLiteral("Recibida: ")
           + FormatoFecha(campo("fechaarreglo"), QStringLiteral("dd/MM/yy HH:mm")));
    Normal(QStringLiteral("Entrega: ")
           + FormatoFecha(campo("fechaprevistaentrega"), QStringLiteral("dd/MM/yy")));
    Normal(QStringLiteral("Cliente: ") + NuloABlanco(campo("nombrecliente")).trimmed());
    Normal(QStringLiteral("Atendido por: ") + (conCliente ? Atendio(rs_) : QString()));
}

void TicketsDeArreglo::Prenda(const QString &referencia)
{
    auto deLaPrenda = [&] {
        return !rs_.Campo(QStringLiteral("idarreglodetalle")).isNull()
               && NuloABlanco(rs_.Campo(QStringLiteral("referenciaprenda"))) == referencia;
    };
    rs_.MoveFirst();
    while (!rs_.EOF_() && !deLaPrenda())
        rs_.MoveNext();
    if (rs_.EOF_())
        return;
    const qint64 idarreglo = qint64(Val(NuloACero(rs_.Campo(QStringLiteral("idarreglo")))));
    const QString ref = Texto(rs_, QStringLiteral("referenciaprenda"));

    ImprimirLineaTicket(QStringLiteral("Ref.: ") + ref, 0, 0, 0, 0, 1);
    Normal(QStringLiteral(" "));
    const QVariant fechaentrega = rs_.Campo(QStringLiteral("fechaentrega"));
    if (FormatoFecha(fechaentrega, QStringLiteral("dd/MM/yyyy")) == QLatin1String("01/01/1900"))
        Normal(QStringLiteral("----------"));
    else
        Normal(AlinearTexto(LineaFechaEntrega(fechaentrega), 2));
    Sencilla(QStringLiteral(" "));
    Sencilla(Texto(rs_, QStringLiteral("nombreprenda")));
    Sencilla(QStringLiteral(" "));
    const QString atendio = Atendio(rs_);
    for (; !rs_.EOF_(); rs_.MoveNext()) {
        if (!deLaPrenda())
            continue;
        const QString producto = NuloABlanco(rs_.Campo(QStringLiteral("nombreproducto")));
        Normal(PartirLineas(producto.isEmpty() ? QString::fromUtf8(NombreProductoRetirado) : producto));
        for (int i = 0; i < 3; ++i)
            Normal(QStringLiteral(" "));
    }
    Normal(QStringLiteral(" "));
    ImprimirCodigoBarras(idarreglo, ref);
    Normal(QStringLiteral(" "));
    Normal(AlinearTexto(QStringLiteral("Atendio: ") + atendio, 2));
    CortarTicket();
}

void ImprimirArreglo(qint64 idarreglo)
{
    TicketsDeArreglo(idarreglo).Cliente();
}

void ImprimirTicketArreglo(qint64 idarreglo)
{
    TicketsDeArreglo(idarreglo).Cuerpo();
}

void ImprimirTicketPrenda(const QString &referencia)
{
    TicketsDeArreglo(referencia).Prenda(referencia);
}

QString CodigoBarrasPrenda(qint64 idarreglo, const QString &referencia)
{
    const QString arreglo = QString::number(idarreglo);
    const QString prenda = referencia.mid(referencia.indexOf(QLatin1Char('.')) + 1);
    static const QRegularExpression tresCifras(QStringLiteral("^\\d{1,3}$"));
    if (idarreglo < 0 || arreglo.size() > 8 || !tresCifras.match(prenda).hasMatch())
        return {};
    const qint64 numero =
        (QStringLiteral("0000") + arreglo + prenda.rightJustified(3, QLatin1Char('0'))).toLongLong();
    return CodigoEAN13(QString::number(numero));
}

void ImprimirCodigoBarras(qint64 idarreglo, const QString &referencia)
{
    const QString digitos = CodigoBarrasPrenda(idarreglo, referencia);
    if (digitos.isEmpty()) {
        // The staff types the reference where no barcode could be printed.
        ImprimirLineaTicket(AlinearTexto(referencia, 1, 16), 0, 0, 0, 0, 1);
        return;
    }
    // Bars 200 dots high, 4 dots to a module, EAN-13.
    const QByteArray cuerpo = QByteArray(1, GS) + 'h' + char(200) + "\r\n" + GS + 'w' + char(4) + "\r\n" + GS
                              + 'k' + char(2) + digitos.toLatin1() + '\0';
    ImprimirBytesTicket(cuerpo, 1, 0, 0, 0, 0);
}
