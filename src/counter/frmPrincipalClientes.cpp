// The customer of the sale on frmPrincipal: found by telephone or from the customer list.
#include "frmPrincipal.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

namespace {

const char *const ProductosMerceria = "Productos mercería";

bool ProductoEnCatalogo(int idproducto)
{
    return AbrirRecordset(QStringLiteral("select * from productos where idproducto = ")
                          + QString::number(idproducto))
        .HayFilas();
}

QString CampoCliente(int idcliente, const char *campo)
{
    Recordset rs = AbrirRecordset(QStringLiteral("select * from clientes where idcliente =  ")
                                  + QString::number(idcliente));
    return rs.HayFilas() ? NuloABlanco(rs.Campo(QString::fromLatin1(campo))) : QString();
}

} // namespace

QString frmPrincipal::DimeTelefonoCliente(int idcliente)
{
    return CampoCliente(idcliente, "telefono");
}

QString frmPrincipal::DimeNombreCliente(int idcliente)
{
    return CampoCliente(idcliente, "nombre");
}

QString frmPrincipal::BuscarClienteTel(const QString &telefono, bool abrirFicha)
{
    Recordset rs =
        AbrirRecordset(QStringLiteral("select * from clientes where telefono = ") + ComillasSQL(telefono));
    if (!rs.HayFilas()) {
        ClienteEsTienda = 0;
        IdClienteVenta = 0;
        // No customer is chosen now: the name of a previous one must not stay on screen.
        txtNombreCliente.clear();
        if (abrirFicha && G().pantallas)
            G().pantallas->FichaCliente(telefono, 0);
        return {};
    }
    ElegirCliente(int(Val(NuloACero(rs.Campo(QStringLiteral("idcliente"))))));
    return NuloABlanco(rs.Campo(QStringLiteral("telefono")));
}

void frmPrincipal::ElegirCliente(int idcliente)
{
    Recordset rs = AbrirRecordset(QStringLiteral("select * from clientes where idcliente = ")
                                  + QString::number(idcliente));
    if (!rs.HayFilas())
        return;
    IdClienteVenta = int(Val(NuloACero(rs.Campo(QStringLiteral("idcliente")))));
    txtNombreCliente = NuloABlanco(rs.Campo(QStringLiteral("nombre"))).trimmed();
    txtTelefono = NuloABlanco(rs.Campo(QStringLiteral("telefono"))).trimmed();

    // Every line takes the price of this customer; haberdashery keeps the amount typed for it,
    // and a product gone from the catalogue keeps the price it was sold at.
    ClienteEsTienda = Val(NuloACero(rs.Campo(QStringLiteral("estienda")))) == 1 ? 1 : 0;
    for (int f = 1; f < gridTPV.Rows(); ++f) {
        if (EsSeparador(f)
            || gridTPV.TextMatrix(f, ColNombre).trimmed() == QString::fromUtf8(ProductosMerceria))
            continue;
        const int idproducto = int(Val(gridTPV.TextMatrix(f, ColIdProducto)));
        if (!ProductoEnCatalogo(idproducto))
            continue;
        const double precio = ClienteEsTienda == 1 ? DimePrecioTienda(idproducto) : DimePrecio(idproducto);
        gridTPV.SetTextMatrix(f, ColImporte, FormatoImporte(precio));
    }
}

std::vector<ClienteSugerido> frmPrincipal::ClientesConTelefono(const QString &cifras)
{
    std::vector<ClienteSugerido> r;
    QString soloCifras;
    for (const QChar c : cifras)
        if (c.isDigit())
            soloCifras += c;
    if (soloCifras.isEmpty())
        return r;
    Recordset rs =
        AbrirRecordset(QStringLiteral("select top ") + QString::number(ClientesSugeridos)
                       + QStringLiteral(" idcliente, nombre, telefono from clientes where telefono like ")
                       + ComillasSQL(QLatin1Char('%') + soloCifras + QLatin1Char('%'))
                       + QStringLiteral(" order by nombre collate espanol"));
    for (; !rs.EOF_(); rs.MoveNext())
        r.push_back({int(Val(NuloACero(rs.Campo(QStringLiteral("idcliente"))))),
                     NuloABlanco(rs.Campo(QStringLiteral("nombre"))).trimmed(),
                     NuloABlanco(rs.Campo(QStringLiteral("telefono"))).trimmed()});
    return r;
}

void frmPrincipal::cmdTelefono_Click()
{
    int idcliente = 0;
    const QString telefono = Dlg().PadTelefono(QString::fromUtf8("Introduzca el teléfono del cliente"),
                                               &frmPrincipal::ClientesConTelefono, idcliente);
    // A customer touched among those offered: that one, even when another shares the telephone.
    if (idcliente != 0) {
        ElegirCliente(idcliente);
        CalcularCifrasTPV();
        return;
    }
    if (telefono.isEmpty() || !TextoTecleado(telefono, QString::fromUtf8("Teléfono")))
        return;
    BuscarClienteTel(telefono);
    txtTelefono = telefono;
    // Again, without the card: a customer just created on it becomes the sale's customer.
    BuscarClienteTel(txtTelefono, false);
    CalcularCifrasTPV();
}

void frmPrincipal::cmdBuscarCliente_Click()
{
    const int idcliente = G().pantallas ? G().pantallas->ListaClientes() : 0;
    if (idcliente == 0)
        return;
    // The chosen one, even when another customer shares the telephone or it has none.
    ElegirCliente(idcliente);
    CalcularCifrasTPV();
}
