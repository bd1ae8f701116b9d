// The sale grid of frmPrincipal: families, products and the order being taken.
#include "frmPrincipal.h"

#include "core/Catalogo.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

namespace {

constexpr Color ColorSeparador = Rgb(172, 209, 255);
// The same-day service: its garment is due today.
constexpr int ProductoEntregaEnElDia = 21;

} // namespace

void frmPrincipal::DarTamanosGridTPV()
{
    gridTPV = Grid(1, 9);
    gridTPV.SetTextMatrix(0, ColNombre, QStringLiteral("Producto/Arreglo"));
    gridTPV.SetTextMatrix(0, ColImporte, QStringLiteral("Importe"));
    gridTPV.SetTextMatrix(0, ColFecha, QStringLiteral("Fecha"));
    const int anchos[] = {0, 0, 585, 4650, 1305, 1500, 15, 1, 0};
    for (int c = 0; c < 9; ++c)
        gridTPV.SetColWidth(c, anchos[c]);
    gridTPV.SetColAlignment(ColBorrar, Alineacion::Centro);
    gridTPV.SetColAlignment(ColNombre, Alineacion::Izquierda);
    gridTPV.SetColAlignment(ColImporte, Alineacion::Derecha);
    gridTPV.SetColAlignment(ColFecha, Alineacion::Centro);
}

void frmPrincipal::DarTamanosGridFamilias()
{
    gridFamilias = Grid(2, 2);
    gridFamilias.SetTextMatrix(0, 1, QStringLiteral("Familia"));
    gridFamilias.SetColWidth(0, 0);
    gridFamilias.SetColWidth(1, AnchoFamilias);
}

void frmPrincipal::DarTamanosGridProductos()
{
    gridProductos = Grid(1, 2);
    gridProductos.SetTextMatrix(0, 1, QStringLiteral("Arreglos"));
    gridProductos.SetColWidth(0, 0);
    gridProductos.SetColWidth(1, AnchoProductos);
}

void frmPrincipal::AjustarAltoFila(Grid &grid, int fila, const QString &texto)
{
    const int ancho = G().pantallas ? G().pantallas->AnchoTextoTwips(texto.trimmed()) : 0;
    // The families' column is the narrowest: its names wrap sooner.
    const int maximo =
        &grid == &gridFamilias ? AnchoFamilias - (AnchoProductos - AnchoMaximoNombre) : AnchoMaximoNombre;
    grid.SetRowHeight(fila, ancho > maximo ? 2 * AltoFila : AltoFila);
}

void frmPrincipal::LlenarFamilias()
{
    gridFamilias.SetRows(1);
    for (const Catalogo::Familia &f : Catalogo::Familias()) {
        const int r = gridFamilias.AgregarFila({QString::number(f.id), f.nombre});
        AjustarAltoFila(gridFamilias, r, f.nombre);
    }
    ColorearGrid(gridFamilias);
}

void frmPrincipal::LlenarProductos(int idfamilia)
{
    DarTamanosGridProductos();
    gridProductos.SetRows(1);
    for (const Catalogo::Producto *p : Catalogo::ProductosEnVenta(idfamilia)) {
        const int r = gridProductos.AgregarFila({QString::number(p->id), p->nombre});
        AjustarAltoFila(gridProductos, r, p->nombre);
    }
    ColorearGrid(gridProductos);
}

bool frmPrincipal::EsSeparador(int fila) const
{
    return fila >= 1 && fila < gridTPV.Rows() && gridTPV.TextMatrix(fila, ColIdProducto).isEmpty();
}

void frmPrincipal::NumerarPrendas()
{
    int prenda = 1;
    for (int f = 1; f < gridTPV.Rows(); ++f)
        if (gridTPV.TextMatrix(f, ColIdProducto).isEmpty())
            gridTPV.SetTextMatrix(f, ColPrenda, QString::number(prenda++));
}

void frmPrincipal::QuitarPrendasVacias()
{
    prendaActiva_ = 0;
    for (int f = gridTPV.Rows() - 1; f >= 1; --f)
        if (EsSeparador(f) && (f == gridTPV.Rows() - 1 || EsSeparador(f + 1)))
            gridTPV.QuitarFila(f);
    NumerarPrendas();
}

void frmPrincipal::PonerFechaPrenda(int fila, const QDateTime &fecha)
{
    const bool hay = fecha.isValid();
    gridTPV.SetTextMatrix(fila, ColFecha, hay ? fecha.toString(QStringLiteral("dd/MM/yy")) : QString());
    gridTPV.SetTextMatrix(fila, ColFechaCompleta,
                          hay ? fecha.toString(QStringLiteral("dd/MM/yyyy")) : QString());
}

void frmPrincipal::MeterSeparadorPrenda(int idfamilia, const QString &nombreprenda)
{
    const int r = gridTPV.AgregarFila({QString(), QString::number(idfamilia), QStringLiteral("X")});
    QString nombre = nombreprenda.trimmed();
    if (nombre.isEmpty())
        nombre = QStringLiteral("-- ") + Catalogo::NombreFamilia(idfamilia).trimmed() + QStringLiteral(" --");
    gridTPV.SetTextMatrix(r, ColNombre, nombre);
    PintarFilaGrid(gridTPV, r, ColorSeparador);
    AjustarAltoFila(gridTPV, r, nombre);
    NumerarPrendas();
    gridTPV.SetTextMatrix(r, ColImporte, QStringLiteral("--"));
    CalcularCifrasTPV();
}

void frmPrincipal::FijarFechaPedido(const QDateTime &fecha)
{
    if (!fechaPedido_.isEmpty() || !fecha.isValid())
        return;
    fechaPedido_ = fecha.toString(QStringLiteral("dd/MM/yyyy"));
    for (int f = 1; f < gridTPV.Rows(); ++f)
        if (EsSeparador(f) && gridTPV.TextMatrix(f, ColFechaCompleta).isEmpty())
            PonerFechaPrenda(f, fecha);
}

int frmPrincipal::FinPrendaActiva() const
{
    if (!EsSeparador(prendaActiva_))
        return gridTPV.Rows();
    int f = prendaActiva_ + 1;
    while (f < gridTPV.Rows() && !EsSeparador(f))
        ++f;
    return f;
}

void frmPrincipal::MeterProductoEnGridTPV(int idproducto)
{
    // The alteration goes to the garment being filled: the last one, or one picked in the grid.
    const int fin = FinPrendaActiva();
    // One line per product and garment: the same alteration twice on a garment is a slip.
    for (int f = fin - 1; f >= 1; --f) {
        const QString id = gridTPV.TextMatrix(f, ColIdProducto);
        if (id.isEmpty())
            break;
        if (int(Val(id)) == idproducto)
            return;
    }
    const Catalogo::Producto *producto = Catalogo::BuscarProducto(idproducto);
    if (!producto)
        return;
    const int r = gridTPV.InsertarFila(fin, {QString::number(idproducto)});
    if (idproducto == ProductoEntregaEnElDia) {
        int separador = r - 1;
        while (separador >= 1 && !EsSeparador(separador))
            --separador;
        if (separador >= 1)
            PonerFechaPrenda(separador, FechaDeTexto(DimeFechaServidor()));
    }
    const QString nombre = producto->nombre.trimmed();
    gridTPV.SetTextMatrix(r, ColIdFamilia, QString::number(producto->idfamilia));
    gridTPV.SetTextMatrix(r, ColBorrar, QStringLiteral("X"));
    gridTPV.SetTextMatrix(r, ColNombre, nombre);
    AjustarAltoFila(gridTPV, r, nombre);
    gridTPV.SetTextMatrix(r, ColImporte,
                          FormatoImporte(ClienteEsTienda == 1 ? producto->precio2 : producto->precio1));
    gridTPV.Row = r;
    CalcularCifrasTPV();
}

double frmPrincipal::DimePrecio(int idproducto)
{
    const Catalogo::Producto *p = Catalogo::BuscarProducto(idproducto);
    return p ? p->precio1 : 0;
}

double frmPrincipal::DimePrecioTienda(int idproducto)
{
    const Catalogo::Producto *p = Catalogo::BuscarProducto(idproducto);
    return p ? p->precio2 : 0;
}

void frmPrincipal::gridFamilias_Click()
{
    const int fila = gridFamilias.Row;
    if (fila < 1 || fila >= gridFamilias.Rows())
        return;
    const int idfamilia = int(Val(gridFamilias.TextMatrix(fila, 0)));
    // The families stay beside the products: another family starts the next garment, and a
    // garment left without alterations gives way to it.
    prendaActiva_ = 0;
    if (EsSeparador(gridTPV.Rows() - 1))
        QuitarUltimaFilaTPV();
    LlenarProductos(idfamilia);
    MeterSeparadorPrenda(idfamilia, QString());
    // A garment added later is promised for the day the order already has.
    if (!fechaPedido_.isEmpty())
        PonerFechaPrenda(gridTPV.Rows() - 1, FechaDeTexto(fechaPedido_));
    CalcularCifrasTPV();
}

void frmPrincipal::gridProductos_Click()
{
    const QString id = gridProductos.TextMatrix(gridProductos.Row, 0);
    if (gridProductos.Row < 1 || id.isEmpty())
        return;
    MeterProductoEnGridTPV(int(Val(id)));
}

void frmPrincipal::QuitarUltimaFilaTPV()
{
    if (gridTPV.Rows() < 3)
        gridTPV.SetRows(1);
    else
        gridTPV.QuitarFila(gridTPV.Rows() - 1);
}

void frmPrincipal::gridTPV_Click()
{
    const int R = gridTPV.Row;
    const int C = gridTPV.Col;
    // An order being handed over keeps its stored lines exactly as they are.
    if (R < 1 || R >= gridTPV.Rows() || EntregarAlAcabar)
        return;

    // A garment's "--" picks it: its family's products show, and what is touched next goes to it
    // (a customer back for one more alteration on a garment already in the workshop).
    if ((C == ColImporte || C == ColPrenda) && EsSeparador(R)) {
        prendaActiva_ = R;
        LlenarProductos(int(Val(gridTPV.TextMatrix(R, ColIdFamilia))));
        gridTPV.Row = R;
        return;
    }
    // Rows may move from here on: new alterations go to the last garment again.
    prendaActiva_ = 0;

    // An empty garment at the end goes, and an empty one before it with it.
    if (C == ColBorrar && R == gridTPV.Rows() - 1 && EsSeparador(R)) {
        QuitarUltimaFilaTPV();
        if (EsSeparador(gridTPV.Rows() - 1))
            QuitarUltimaFilaTPV();
        VolverAFamilias();
        return;
    }

    if (C == ColImporte && !EsSeparador(R) && !gridTPV.TextMatrix(R, ColImporte).isEmpty()) {
        const QString precio = Dlg().PadNumerico(QStringLiteral("Introduzca el nuevo precio"), false);
        if (!precio.isEmpty())
            if (const std::optional<double> nuevo = ImporteTecleado(precio))
                gridTPV.SetTextMatrix(R, ColImporte, FormatoImporte(*nuevo));
    }

    if (C == ColBorrar) {
        if (EsSeparador(R)) {
            // The garment goes with all its lines, up to the next garment.
            do
                gridTPV.QuitarFila(R);
            while (R < gridTPV.Rows() && !EsSeparador(R));
            NumerarPrendas();
            VolverAFamilias();
        } else {
            gridTPV.QuitarFila(R);
        }
    }

    if (gridTPV.Col == ColNombre && EsSeparador(R)) {
        const QString color = G().pantallas ? G().pantallas->Colores() : QString();
        if (!color.isEmpty()) {
            QString etiqueta = gridTPV.TextMatrix(R, ColNombre);
            etiqueta.replace(QStringLiteral(" --"), QLatin1Char(' ') + color + QStringLiteral(" --"));
            gridTPV.SetTextMatrix(R, ColNombre, etiqueta);
            AjustarAltoFila(gridTPV, R, etiqueta);
        }
        gridTPV.Col = 0;
    }

    if (gridTPV.Col == ColFecha && EsSeparador(R)) {
        const QDateTime fecha = FechaDeTexto(Dlg().Calendario());
        PonerFechaPrenda(R, fecha);
        // The first date chosen is the whole order's: the garments still undated take it.
        if (!EntregarAlAcabar && !ArregloCargado)
            FijarFechaPedido(fecha);
    }

    CalcularCifrasTPV();
    if (R < gridTPV.Rows())
        gridTPV.Row = R;
}

void frmPrincipal::VolverAFamilias()
{
    prendaActiva_ = 0;
    if (EsSeparador(gridTPV.Rows() - 1))
        QuitarUltimaFilaTPV();
    DarTamanosGridProductos();
    DarTamanosGridFamilias();
    LlenarFamilias();
    CalcularCifrasTPV();
}

void frmPrincipal::ReiniciarVenta()
{
    prendaActiva_ = 0;
    IdClienteVenta = 0;
    txtNombreCliente.clear();
    txtTelefono.clear();

    DarTamanosGridFamilias();
    DarTamanosGridProductos();
    DarTamanosGridTPV();
    fechaPedido_.clear();
    lectura_.clear();

    txtTotal = txtEntregado = txtPendiente = txtSenal = txtCambio = QStringLiteral("0.00");
    lblAtendidopor.clear();

    IdFormaPagoVenta = 1;
    cmdFormasPagoCaption = QStringLiteral("Efectivo");
    IdUsuarioVenta = 0;

    // An order number reserved for this sale but never finished must not stay behind.
    if (IdArregloVenta != 0 && !ArregloCargado) {
        const QString id = QString::number(IdArregloVenta);
        Transaccion t(Bd());
        Bd().Ejecutar(QStringLiteral("delete from arreglos where idarreglo = ") + id);
        Bd().Ejecutar(QStringLiteral("delete from arreglos_detalles where idarreglo = ") + id);
        t.Confirmar();
    }

    IdArregloVenta = 0;
    ClienteEsTienda = 0;
    lblNumReferencia.clear();
    EntregandoArreglo = false;

    LlenarFamilias();
    txtFechaEntrega.clear();
    FechaEntregaVenta.clear();
    FechaEntregaAMano = false;

    ArregloCargado = false;
    EntregarAlAcabar = false;

    cmdTelefonoEnabled = cmdBuscarClienteEnabled = cmdFechaEntregaEnabled = true;
    gridFamiliasEnabled = gridProductosEnabled = true;
}
