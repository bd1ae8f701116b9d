// Loading a stored order back onto frmPrincipal: for a top-up payment, a change, or handing it over.
#include "frmPrincipal.h"

#include "core/Catalogo.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Formato.h"

void frmPrincipal::CargarArreglo(int idarreglo, bool paraEntregar)
{
    // What the screen shows and the fingerprint it saves against come from one read: a change
    // another counter commits meanwhile makes the save refused, never accepted over figures the
    // screen did not show. The customer's fields come last, outside the fingerprint.
    Recordset rs = AbrirRecordset(SqlHuellaArreglo(
        idarreglo,
        QStringLiteral(", (select telefono from clientes where clientes.idcliente = "
                       "arreglos.idcliente) as telefonocliente, (select nombre from clientes where "
                       "clientes.idcliente = arreglos.idcliente) as nombrecliente, (select estienda "
                       "from clientes where clientes.idcliente = arreglos.idcliente) as tiendacliente")));
    const QString huella = HuellaDe(rs, 3);
    // An order without lines loads nothing.
    if (!rs.HayFilas() || rs.Campo(QStringLiteral("idarreglodetalle")).isNull())
        return;

    IdArregloVenta = int(Val(TextoDeValor(rs.Campo(QStringLiteral("arreglos.idarreglo")))));
    IdClienteVenta = int(Val(NuloACero(rs.Campo(QStringLiteral("idcliente")))));
    const QDateTime fechaEntrega = rs.Campo(QStringLiteral("fechaprevistaentrega")).toDateTime();
    double total = 0;
    for (; !rs.EOF_(); rs.MoveNext())
        total += Val(NuloACero(rs.Campo(QStringLiteral("precio"))));
    rs.MoveFirst();
    txtTotal = FormatoImporte(total);
    txtEntregado = QStringLiteral("0.00");
    txtSenal = FormatoImporte(Val(NuloACero(rs.Campo(QStringLiteral("huellasuma")))));
    txtTelefono = NuloABlanco(rs.Campo(QStringLiteral("telefonocliente")));
    txtNombreCliente = NuloABlanco(rs.Campo(QStringLiteral("nombrecliente")));
    ClienteEsTienda = Val(NuloACero(rs.Campo(QStringLiteral("tiendacliente")))) == 1 ? 1 : 0;
    lblAtendidopor = QStringLiteral("Atendido por: ")
                     + DimeNombreUsuario(qint64(Val(NuloACero(rs.Campo(QStringLiteral("idusuario"))))));
    ArregloCargado = true;
    EntregarAlAcabar = paraEntregar;

    QString referenciaAnterior;
    for (; !rs.EOF_(); rs.MoveNext()) {
        const int idproducto = int(Val(NuloACero(rs.Campo(QStringLiteral("idproducto")))));
        const QString referencia = NuloABlanco(rs.Campo(QStringLiteral("referenciaprenda")));
        if (referencia != referenciaAnterior) {
            referenciaAnterior = referencia;
            MeterSeparadorPrenda(DimeIdFamiliaProducto(idproducto),
                                 NuloABlanco(rs.Campo(QStringLiteral("nombreprenda"))));
            PonerFechaPrenda(gridTPV.Rows() - 1, rs.Campo(QStringLiteral("fechaentrega")).toDateTime());
        }
        MeterLineaGuardada(idproducto, FormatoImporte(Val(NuloACero(rs.Campo(QStringLiteral("precio"))))),
                           TextoDeValor(rs.Campo(QStringLiteral("idarreglodetalle"))));
    }

    // The stored delivery date stands until a garment's date changes.
    FijarFechaEntrega(fechaEntrega);
    huellaCargada_ = huella;

    if (paraEntregar) {
        // Handing over: only the payment can change now, so no line offers its "X".
        for (int f = 1; f < gridTPV.Rows(); ++f)
            gridTPV.SetTextMatrix(f, ColBorrar, QString());
        cmdTelefonoEnabled = cmdBuscarClienteEnabled = cmdFechaEntregaEnabled = false;
        gridFamiliasEnabled = gridProductosEnabled = false;
    }
}

// Every stored line comes back as it was kept, even when the catalogue no longer has its product
// or the garment has the product twice: the order is saved again from these rows, and a line
// left out would be deleted. The stored garment date stands too, also for the same-day service.
void frmPrincipal::MeterLineaGuardada(int idproducto, const QString &importe, const QString &iddetalle)
{
    const Catalogo::Producto *p = Catalogo::BuscarProducto(idproducto);
    const QString nombre = p ? p->nombre.trimmed() : QString::fromUtf8(NombreProductoRetirado);
    const QString familia = p ? QString::number(p->idfamilia) : QString();
    const int r =
        gridTPV.AgregarFila({QString::number(idproducto), familia, QStringLiteral("X"), nombre, importe});
    gridTPV.SetTextMatrix(r, ColIdDetalle, iddetalle);
    AjustarAltoFila(gridTPV, r, nombre);
}
