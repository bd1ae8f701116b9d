#include "frmPagosATrabajadores.h"

#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "printing/ImprimirListado.h"

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

// A field's position, found once for all the rows of a page.
int Columna(const Recordset &rs, const char *nombre)
{
    const QString buscado = QString::fromLatin1(nombre);
    for (int i = 0; i < rs.NumCampos(); ++i)
        if (rs.NombreCampo(i).compare(buscado, Qt::CaseInsensitive) == 0)
            return i;
    throw ErrorBaseDatos(QStringLiteral("Error en la base de datos.\r\nNo existe el campo ") + buscado,
                         QString());
}

QString SinGuiones(const QString &texto)
{
    return QString(texto).remove(QLatin1Char('-')).trimmed();
}

} // namespace

void frmPagosATrabajadores::CargarFormulario(const std::function<void()> &mostrar)
{
    llenarListaTrabajadores();
    cmbEstado.Clear();
    cmbEstado.AddItem(QStringLiteral("Todos"), 0);
    cmbEstado.AddItem(QStringLiteral("No pagado"), 1);
    cmbEstado.AddItem(QStringLiteral("Pagado"), 2);
    cmbEstado.Elegir(1);
    DarTamanosGrid();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmPagosATrabajadores::llenarListaTrabajadores()
{
    cmbTrabajadores.Clear();
    cmbTrabajadores.AddItem(QStringLiteral("Todos"), TodosLosTrabajadores);
    cmbTrabajadores.AgregarDeConsulta(QStringLiteral("select * from costureras order by nombre"),
                                      QStringLiteral("nombre"), QStringLiteral("idcosturera"));
    cmbTrabajadores.Elegir(0);
}

void frmPagosATrabajadores::DarTamanosGrid()
{
    gridPagos = Grid(2, 6);
    const char *cabeceras[] = {"Trabaj.", "Ref.", "Prenda", "Precio", "Pag.", ""};
    const int anchos[] = {1920, 1395, 6345, 2490, 765, 0};
    for (int c = 0; c < 6; ++c) {
        gridPagos.SetTextMatrix(0, c, QString::fromLatin1(cabeceras[c]));
        gridPagos.SetColWidth(c, anchos[c]);
    }
    gridPagos.SetColAlignment(3, Alineacion::Derecha);
    gridPagos.SetColAlignment(4, Alineacion::Centro);
    ListaIncompleta = false;
}

QString frmPagosATrabajadores::SqlLista(int idcosturera, int estado, int limite)
{
    return Sentencia(
        QStringLiteral(" clientes.estienda, arreglos.IdArreglo, arreglos.entregadoacliente, "
                       "arreglos_detalles.idarreglodetalle, arreglos_detalles.precio, "
                       "arreglos_detalles.referenciaPrenda, arreglos_detalles.Nombreprenda, "
                       "arreglos_detalles.fechaentrega, arreglos_detalles.listoparaentrega, "
                       "arreglos_detalles.pagadoatrabajador, Productos.Nombre as nombrearreglo, "
                       "Productos.Precio1, Productos.Precio2, Productos.Precio3, costureras.Nombre"),
        idcosturera, estado, limite, QString());
}

QString frmPagosATrabajadores::SqlPagina(int idcosturera, int estado, int filas, const QString &hasta)
{
    // Only what the grid shows: a full listing reads hundreds of thousands of lines.
    return Sentencia(QStringLiteral(" arreglos_detalles.idarreglodetalle, arreglos_detalles.precio, "
                                    "arreglos_detalles.referenciaPrenda, arreglos_detalles.Nombreprenda, "
                                    "arreglos_detalles.pagadoatrabajador, Productos.Nombre as nombrearreglo, "
                                    "Productos.Precio3, costureras.Nombre"),
                     idcosturera, estado, filas, hasta);
}

QString frmPagosATrabajadores::Sentencia(const QString &campos, int idcosturera, int estado, int limite,
                                         const QString &hasta)
{
    QString filtro = estado == 2 ? QStringLiteral(" pagadoatrabajador = 1 and ")
                     : estado == 1
                         ? QStringLiteral(" (pagadoatrabajador = 0 or pagadoatrabajador is null ) and ")
                         : QStringLiteral(" ");
    if (!hasta.isNull())
        filtro += QStringLiteral(" arreglos_detalles.referenciaprenda <= ") + ComillasSQL(hasta)
                  + QStringLiteral(" and ");
    const QString top = limite != 0 ? QStringLiteral("top ") + N(limite) : QString();
    const QString cabeza =
        QStringLiteral("SELECT ") + top + campos
        + QStringLiteral(
            " FROM (((clientes INNER JOIN arreglos ON clientes.IdCliente = arreglos.idcliente) INNER "
            "JOIN arreglos_detalles ON arreglos.IdArreglo = arreglos_detalles.idArreglo) INNER "
            "JOIN Productos ON arreglos_detalles.idProducto = Productos.IdProducto) INNER JOIN "
            "costureras ON arreglos_detalles.IdCosturera = costureras.idCosturera WHERE ");
    if (idcosturera == TodosLosTrabajadores)
        return cabeza
               + QStringLiteral(
                   " clientes.idcliente = arreglos.idcliente and (costureras.Nombre IS NOT NULL) AND ")
               + filtro
               + QStringLiteral("    (arreglos_detalles.listoparaentrega = 1) ORDER BY "
                                "arreglos_detalles.referenciaprenda DESC");
    return cabeza
           + QStringLiteral(
               " clientes.idcliente = arreglos.idcliente and  (costureras.Nombre IS NOT NULL) AND  ")
           + filtro
           + QStringLiteral("   (arreglos_detalles.listoparaentrega = 1) and costureras.idcosturera = ")
           + N(idcosturera) + QStringLiteral(" ORDER BY arreglos_detalles.referenciaprenda DESC");
}

void frmPagosATrabajadores::Listar(int limite)
{
    DarTamanosGrid();
    gridPagos.Visible = false;
    LlenarLista(cmbTrabajadores.ItemData(), cmbEstado.ItemData(), limite);
    gridPagos.Visible = true;
}

void frmPagosATrabajadores::LlenarLista(int idcosturera, int estado, int limite)
{
    if (idcosturera == 0)
        return;
    costurera_ = idcosturera;
    estado_ = estado;
    textos_.clear();
    suma_ = 0;
    if (limite != 0) {
        Recordset rs = AbrirRecordset(SqlLista(idcosturera, estado, limite));
        MeterFilas(rs, rs.Cuantos());
        TerminarLista();
        return;
    }
    hasta_ = QString();
    suma_ = 0;
    ListaIncompleta = true;
    ContinuarLista();
}

void frmPagosATrabajadores::ContinuarLista()
{
    if (!ListaIncompleta)
        return;
    // The first page small, so that it shows at once; then large ones.
    int pagina = gridPagos.Rows() <= 2 ? PrimeraPagina : FilasPorPagina;
    for (;;) {
        Recordset rs = AbrirRecordset(SqlPagina(costurera_, estado_, pagina, hasta_));
        if (rs.Cuantos() < pagina) {
            MeterFilas(rs, rs.Cuantos());
            ListaIncompleta = false;
            TerminarLista();
            return;
        }
        // The lines of the last garment of a full page may go on in the next one: they are all
        // read there, from that garment's reference down.
        const int referencia = Columna(rs, "referenciaPrenda");
        rs.Move(rs.Cuantos() - 1);
        const QString ultima = NuloABlanco(rs.Campo(referencia));
        int cuantos = rs.Cuantos();
        while (cuantos > 0) {
            rs.Move(cuantos - 1);
            if (NuloABlanco(rs.Campo(referencia)) != ultima)
                break;
            --cuantos;
        }
        if (cuantos == 0) { // one garment fills the page: ask for more at once
            pagina *= 2;
            continue;
        }
        MeterFilas(rs, cuantos);
        hasta_ = ultima;
        return;
    }
}

const QString &frmPagosATrabajadores::Compartido(const QString &texto)
{
    auto i = textos_.find(texto);
    if (i == textos_.end())
        i = textos_.insert(texto, texto);
    return i.value();
}

void frmPagosATrabajadores::MeterFilas(Recordset &rs, int cuantos)
{
    const QString si = QStringLiteral("SI");
    const QString no = QStringLiteral("NO");
    const int trabajador = Columna(rs, "Nombre"), referencia = Columna(rs, "referenciaPrenda"),
              prenda = Columna(rs, "Nombreprenda"), arreglo = Columna(rs, "nombrearreglo"),
              precio3 = Columna(rs, "Precio3"), precio = Columna(rs, "precio"),
              pagado = Columna(rs, "pagadoatrabajador"), id = Columna(rs, "idarreglodetalle");
    int r = gridPagos.Rows() - 1;
    rs.MoveFirst();
    for (int i = 0; i < cuantos; ++i, rs.MoveNext()) {
        gridPagos.SetTextMatrix(r, 0, Compartido(NuloABlanco(rs.Campo(trabajador)).trimmed()));
        gridPagos.SetTextMatrix(r, 1, NuloABlanco(rs.Campo(referencia)).trimmed());
        gridPagos.SetTextMatrix(r, 2,
                                Compartido(SinGuiones(NuloABlanco(rs.Campo(prenda))) + QLatin1Char(' ')
                                           + SinGuiones(NuloABlanco(rs.Campo(arreglo)))));
        // The worker's piece rate, or a third of what the line was charged when the product has none.
        const double tarifa = NumeroDeValor(rs.Campo(precio3));
        const double pago = RedondearImporte(tarifa != 0 ? tarifa : NumeroDeValor(rs.Campo(precio)) / 3);
        suma_ += pago;
        gridPagos.SetTextMatrix(r, 3, Compartido(FormatoDosDecimales(pago)));
        if (NumeroDeValor(rs.Campo(pagado)) == 1) {
            gridPagos.SetTextMatrix(r, 4, si);
            PintarFilaGrid(gridPagos, r, ColorPagado);
        } else {
            gridPagos.SetTextMatrix(r, 4, no);
        }
        gridPagos.SetTextMatrix(r, 5, NuloABlanco(rs.Campo(id)));
        ++r;
        gridPagos.SetRows(gridPagos.Rows() + 1);
    }
}

void frmPagosATrabajadores::TerminarLista()
{
    ListaIncompleta = false;
    textos_.clear();
    gridPagos.SetRows(gridPagos.Rows() - 1);
    if (gridPagos.Rows() <= 1)
        return;
    PonerTotales();
}

void frmPagosATrabajadores::PonerTotales()
{
    // The sum of the amounts shown, paid and unpaid alike.
    gridPagos.AgregarFila({QString(), QString(), QString(), QStringLiteral("----------")});
    gridPagos.AgregarFila({QString(), QString(), QStringLiteral("Suma total"), FormatoDosDecimales(suma_)});
}

void frmPagosATrabajadores::gridPagos_DblClick(int fila)
{
    if (fila < 1 || fila >= gridPagos.Rows())
        return;
    gridPagos.Row = fila;
    const QString trabajador = gridPagos.TextMatrix(fila, 0);
    if (trabajador == QLatin1String("Trabaj.") || trabajador.isEmpty())
        return;
    const QString id = QString::number(qint64(Val(gridPagos.TextMatrix(fila, 5))));
    if (gridPagos.TextMatrix(fila, 4) == QLatin1String("NO")) {
        Bd().Ejecutar(QStringLiteral("update arreglos_detalles set pagadoatrabajador = 1 where "
                                     "arreglos_detalles.idarreglodetalle = ")
                      + id);
        gridPagos.SetTextMatrix(fila, 4, QStringLiteral("SI"));
        PintarFilaGrid(gridPagos, fila, ColorRecienPagado);
    } else {
        Bd().Ejecutar(QStringLiteral("update arreglos_detalles set pagadoatrabajador = 0 where "
                                     "arreglos_detalles.idarreglodetalle = ")
                      + id);
        gridPagos.SetTextMatrix(fila, 4, QStringLiteral("NO"));
        PintarFilaGrid(gridPagos, fila, ColorRecienDespagado);
    }
}

void frmPagosATrabajadores::cmdImprimir_Click()
{
    if (gridPagos.Rows() >= 2)
        ImprimirListado(gridPagos, QStringLiteral("Listado de pagos"), false);
}
