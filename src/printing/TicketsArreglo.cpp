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

void ImprimirArreglo(qint64 idarreglo)
{
    ImprimirCabeceraTicket();
    ImprimirTicketArreglo(idarreglo);
    ImprimirPieTicket();
}

void ImprimirTicketArreglo(qint64 idarreglo)
{
    const QString n = QString::number(idarreglo);
    ImprimirLineaTicket(AlinearTexto(QStringLiteral("Ref.: ") + n, 2, 16), 0, 0, 0, 0, 1);
    Normal(QStringLiteral("Arreglo/Prenda            Precio"));
    Normal(AlinearTexto(QString(32, QLatin1Char('-')), 1));

    Recordset rs = AbrirRecordset(
        QStringLiteral(
            "SELECT Productos.IdProducto, Productos.Nombre as nombreproducto,     arreglos_detalles.precio, "
            "arreglos_detalles.referenciaPrenda,     arreglos.fechaarreglo, arreglos.entregado, "
            "arreglos.idcliente,     arreglos_detalles.idArreglo,     clientes.Nombre AS nombrecliente, "
            "clientes.Telefono,     productos.IdFamilia , arreglos_detalles.Nombreprenda From "
            "(arreglos_detalles inner join Arreglos on arreglos_detalles.idArreglo = arreglos.IdArreglo) "
            "left join productos on productos.idproducto = arreglos_detalles.idproducto "
            "left join clientes on arreglos.idcliente = clientes.IdCliente where arreglos.idarreglo = ")
        + n + QStringLiteral(" ORDER BY arreglos_detalles.idarreglodetalle"));
    if (rs.HayFilas()) {
        const QString referencia = QStringLiteral("referenciaPrenda");
        auto Cabecera = [&] {
            Normal(Texto(rs, referencia) + QStringLiteral(" ") + Texto(rs, QStringLiteral("nombreprenda")));
        };
        QString actual = Texto(rs, referencia);
        Cabecera();
        double subtotal = 0;
        while (!rs.EOF_()) {
            if (Texto(rs, referencia) != actual) {
                Cabecera();
                actual = Texto(rs, referencia);
            }
            // Every stored line prints, also one whose product the catalogue no longer has.
            const QString producto = Texto(rs, QStringLiteral("nombreproducto"));
            Normal(producto.isEmpty() ? QString::fromUtf8(NombreProductoRetirado) : producto);
            subtotal += Val(NuloACero(rs.Campo(QStringLiteral("precio"))));
            rs.MoveNext();
            if (rs.EOF_()) {
                ImprimirImporte(subtotal);
            } else if (Texto(rs, referencia) != actual) {
                ImprimirImporte(subtotal);
                Normal(QString());
                subtotal = 0;
            }
        }
    }
    Normal(AlinearTexto(QStringLiteral("-------"), 2));

    Recordset arreglo = AbrirRecordset(
        QStringLiteral(
            "SELECT ARREGLOS.IDUSUARIO, arreglos.fechaarreglo, arreglos.entregado,     arreglos.idcliente, "
            "clientes.Nombre AS nombrecliente,     clientes.Telefono, arreglos.IdArreglo,     "
            "Arreglos.fechaprevistaentrega FROM arreglos INNER JOIN     clientes ON arreglos.idcliente = "
            "clientes.IdCliente WHERE idarreglo = ")
        + n);
    const double total = DimeTotalArreglo(idarreglo);
    const double pagado = DimeSumaCajaArreglo(idarreglo);
    const QStringList cifras = {QStringLiteral("Total: ") + FormatoImporte(total),
                                QStringLiteral("Entregado: ") + FormatoImporte(pagado),
                                QStringLiteral("Pendiente: ") + FormatoImporte(total - pagado)};
    for (const QString &t : cifras)
        ImprimirLineaTicket(AlinearTexto(t, 2), 0, 0, 1, 0, 0);
    Normal(QStringLiteral("\r\n"));
    Normal(QStringLiteral("Recibida: ")
           + FormatoFecha(arreglo.Campo(QStringLiteral("fechaarreglo")), QStringLiteral("dd/MM/yy HH:mm")));
    Normal(QStringLiteral("Entrega: ")
           + FormatoFecha(arreglo.Campo(QStringLiteral("fechaprevistaentrega")), QStringLiteral("dd/MM/yy")));
    Normal(QStringLiteral("Cliente: ") + Texto(arreglo, QStringLiteral("nombrecliente")));
    Normal(QStringLiteral("Atendido por: ")
           + DimeNombreUsuario(qint64(Val(NuloACero(arreglo.Campo(QStringLiteral("IDUSUARIO")))))).trimmed());
}

void ImprimirTicketPrenda(const QString &referencia)
{
    Recordset rs = AbrirRecordset(QStringLiteral("Select * from arreglos_detalles left join productos on "
                                                 "arreglos_detalles.idproducto = productos.idproducto where "
                                                 "arreglos_detalles.referenciaprenda = ")
                                  + ComillasSQL(referencia)
                                  + QStringLiteral(" order by arreglos_detalles.idarreglodetalle"));
    if (!rs.HayFilas())
        return;
    const qint64 idarreglo = qint64(Val(NuloACero(rs.Campo(QStringLiteral("idarreglo")))));
    const QString ref = Texto(rs, QStringLiteral("referenciaprenda"));

    ImprimirLineaTicket(QStringLiteral("Ref.: ") + ref, 0, 0, 0, 0, 1);
    Normal(QStringLiteral(" "));
    const QVariant fechaentrega = rs.Campo(QStringLiteral("fechaentrega"));
    if (FormatoFecha(fechaentrega, QStringLiteral("dd/MM/yyyy")) == QLatin1String("01/01/1900"))
        Normal(QStringLiteral("----------"));
    else
        Normal(AlinearTexto(LineaFechaEntrega(fechaentrega), 2));
    Sencilla(QStringLiteral(" "));
    Sencilla(Texto(rs, QStringLiteral("nombreprenda")));
    Sencilla(QStringLiteral(" "));
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString producto = NuloABlanco(rs.Campo(QStringLiteral("nombre")));
        Normal(PartirLineas(producto.isEmpty() ? QString::fromUtf8(NombreProductoRetirado) : producto));
        for (int i = 0; i < 3; ++i)
            Normal(QStringLiteral(" "));
    }
    Normal(QStringLiteral(" "));
    ImprimirCodigoBarras(idarreglo, ref);
    Normal(QStringLiteral(" "));
    Normal(AlinearTexto(
        QStringLiteral("Atendio: ") + DimeNombreUsuario(DimeUsuarioArreglo(idarreglo)).trimmed(), 2));
    CortarTicket();
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
