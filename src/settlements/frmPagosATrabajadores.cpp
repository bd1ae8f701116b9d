#include "frmPagosATrabajadores.h"

#include "cash/RegistroOperaciones.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/LecturaAparte.h"
#include "core/Programa.h"
#include "printing/ImprimirListado.h"

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

// Only what the grid shows and the pay already made by the engine: a full listing reads hundreds
// of thousands of lines. The pay is the worker's piece rate, or a third of what the line was
// charged when the product has none.
const char *const CamposLista =
    " arreglos_detalles.idarreglodetalle, arreglos_detalles.referenciaPrenda, %1, "
    "case when coalesce(Productos.Precio3, 0) <> 0 then Productos.Precio3 "
    "else coalesce(arreglos_detalles.precio, 0) / 3.0 end as pago, "
    "arreglos_detalles.pagadoatrabajador, costureras.Nombre";

// The garment's text (its name and the alteration, without dashes): the server makes it while the
// screen is busy with the rows before; the embedded engine makes strings slower than the screen.
const char *const TextoEnServidor =
    "trim(replace(coalesce(arreglos_detalles.Nombreprenda, ''), '-', '')) || ' ' || "
    "trim(replace(coalesce(Productos.Nombre, ''), '-', '')) as prendaarreglo";
const char *const TextoEnPantalla =
    "arreglos_detalles.Nombreprenda as prendaarreglo, Productos.Nombre as nombrearreglo";

// Appends the text without its dashes and without the blanks around it, as the server's
// trim(replace(...)) makes it, in the one string being built.
void AnadirSinGuiones(QString &destino, const QString &texto)
{
    auto sobra = [](QChar c) { return c == QLatin1Char('-') || c.isSpace(); };
    qsizetype desde = 0;
    qsizetype hasta = texto.size();
    while (desde < hasta && sobra(texto[desde]))
        ++desde;
    while (hasta > desde && sobra(texto[hasta - 1]))
        --hasta;
    for (qsizetype i = desde; i < hasta; ++i)
        if (texto[i] != QLatin1Char('-'))
            destino += texto[i];
}

} // namespace

frmPagosATrabajadores::frmPagosATrabajadores() = default;
frmPagosATrabajadores::~frmPagosATrabajadores() = default;

void frmPagosATrabajadores::CargarFormulario(const std::function<void()> &mostrar)
{
    llenarListaTrabajadores();
    cmbEstado.Clear();
    cmbEstado.AddItem(QStringLiteral("Todos"), 0);
    cmbEstado.AddItem(QStringLiteral("No pagado"), 1);
    cmbEstado.AddItem(QStringLiteral("Pagado"), 2);
    cmbEstado.Elegir(1);
    DarTamanosGrid();
    if (Bd().motor() == Motor::PostgreSQL && !preparada_)
        preparada_ = std::make_unique<LecturaAparte>(Bd());
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
    resto_.reset();
    campos_.clear();
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
    return SqlPagina(idcosturera, estado, limite, QString());
}

QString frmPagosATrabajadores::SqlPagina(int idcosturera, int estado, int filas, const QString &hasta,
                                         qint64 desde)
{
    QString filtro = estado == 2 ? QStringLiteral(" pagadoatrabajador = 1 and ")
                     : estado == 1
                         ? QStringLiteral(" (pagadoatrabajador = 0 or pagadoatrabajador is null ) and ")
                         : QStringLiteral(" ");
    // The range on both sides of the join: the server does not carry it across, and would read
    // every order for each page.
    if (!hasta.isNull())
        filtro += QStringLiteral(" arreglos_detalles.idarreglo <= ") + N(qint64(Val(hasta)))
                  + QStringLiteral(" and arreglos.idarreglo <= ") + N(qint64(Val(hasta)))
                  + QStringLiteral(" and ");
    if (desde >= 0)
        filtro += QStringLiteral(" arreglos_detalles.idarreglo > ") + N(desde)
                  + QStringLiteral(" and arreglos.idarreglo > ") + N(desde) + QStringLiteral(" and ");
    const QString top = filas != 0 ? QStringLiteral("top ") + N(filas) : QString();
    // Newest work first, by order number and then garment number as numbers: as text "99.1"
    // would come before "2950.1" and the limited lists would miss the latest lines. Within one
    // order the references share "N.", so the longer one is the higher garment.
    const QString orden = QStringLiteral(" ORDER BY arreglos_detalles.idarreglo DESC, "
                                         "length(arreglos_detalles.referenciaprenda) DESC, "
                                         "arreglos_detalles.referenciaprenda DESC");
    const QString cabeza =
        QStringLiteral("SELECT ") + top
        + QString::fromLatin1(CamposLista)
              .arg(QLatin1String(G().EsSqlServer ? TextoEnServidor : TextoEnPantalla))
        + QStringLiteral(
            " FROM (((clientes INNER JOIN arreglos ON clientes.IdCliente = arreglos.idcliente) INNER "
            "JOIN arreglos_detalles ON arreglos.IdArreglo = arreglos_detalles.idArreglo) INNER "
            "JOIN Productos ON arreglos_detalles.idProducto = Productos.IdProducto) INNER JOIN "
            "costureras ON arreglos_detalles.IdCosturera = costureras.idCosturera WHERE ");
    if (idcosturera == TodosLosTrabajadores)
        return cabeza
               + QStringLiteral(
                   " clientes.idcliente = arreglos.idcliente and (costureras.Nombre IS NOT NULL) AND ")
               + filtro + QStringLiteral("    (arreglos_detalles.listoparaentrega = 1)") + orden;
    return cabeza
           + QStringLiteral(
               " clientes.idcliente = arreglos.idcliente and  (costureras.Nombre IS NOT NULL) AND  ")
           + filtro
           + QStringLiteral("   (arreglos_detalles.listoparaentrega = 1) and costureras.idcosturera = ")
           + N(idcosturera) + orden;
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
    textos_.Vaciar();
    suma_ = 0;
    gridPagos.SetRows(1);
    if (limite != 0) {
        Leer(SqlLista(idcosturera, estado, limite));
        TerminarLista();
        return;
    }
    // On a server the whole list is read aside from its first row: even a small first page would
    // keep the screen waiting for the server's answer, a round trip away.
    if (Bd().motor() == Motor::PostgreSQL) {
        resto_ = LecturaAparte::Lanzar(preparada_, Bd(), {SqlPagina(idcosturera, estado, 0, QString())});
        ListaIncompleta = true;
        return;
    }
    // The first page small, so that it shows at once.
    const Leidas l = Leer(SqlPagina(idcosturera, estado, PrimeraPagina, QString()));
    if (l.filas < PrimeraPagina) {
        TerminarLista();
        return;
    }
    // The lines of the page's last order may go on beyond it: the rest of the listing reads
    // them all, from that order down.
    gridPagos.SetRows(gridPagos.Rows() - l.deUltima);
    suma_ -= l.pagoDeUltima;
    resto_ = std::make_unique<LecturaAparte>(Bd(), SqlPagina(idcosturera, estado, 0, l.ultima));
    ListaIncompleta = true;
}

void frmPagosATrabajadores::ContinuarLista()
{
    if (!ListaIncompleta)
        return;
    bool quedan = false;
    try {
        Leidas l;
        quedan = resto_->Leer(FilasPorParte, [&](const FilaLeida &q) { Agregar(q, l); });
    } catch (...) { // a fault halfway: the list stays as far as it got, without totals
        ListaIncompleta = false;
        resto_.reset();
        throw;
    }
    if (!quedan)
        TerminarLista();
}

void frmPagosATrabajadores::CompletarLista()
{
    while (ListaIncompleta)
        ContinuarLista();
}

frmPagosATrabajadores::Leidas frmPagosATrabajadores::Leer(const QString &sql)
{
    Leidas l;
    // Read row by row straight into the grid: a full listing has hundreds of thousands of lines.
    Bd().Recorrer(sql, [&](const FilaLeida &q) { Agregar(q, l); });
    return l;
}

void frmPagosATrabajadores::Agregar(const FilaLeida &q, Leidas &l)
{
    enum { Trabajador, Referencia, Texto, Arreglo, Pago, Pagado, Id, Campos };
    static const char *const nombres[Campos] = {
        "Nombre", "referenciaPrenda",  "prendaarreglo",   "nombrearreglo",
        "pago",   "pagadoatrabajador", "idarreglodetalle"};
    if (campos_.empty())
        for (const char *nombre : nombres)
            campos_.push_back(q.Indice(QString::fromLatin1(nombre)));
    const int *campo = campos_.data();
    const QString referencia = q.Texto(campo[Referencia]).trimmed();
    const double pago = RedondearImporte(NumeroDeValor(q.Valor(campo[Pago])));
    suma_ += pago;
    Grid &g = gridPagos;
    const int r = g.AgregarFila();
    g.SetTextMatrix(r, 0, q.Texto(campo[Trabajador]).trimmed());
    g.SetTextMatrix(r, 1, referencia);
    if (campo[Arreglo] < 0) {
        g.SetTextMatrix(r, 2, q.Texto(campo[Texto]));
    } else {
        const QString prenda = q.Texto(campo[Texto]);
        const QString arreglo = q.Texto(campo[Arreglo]);
        QString texto;
        texto.reserve(prenda.size() + 1 + arreglo.size());
        AnadirSinGuiones(texto, prenda);
        texto += QLatin1Char(' ');
        AnadirSinGuiones(texto, arreglo);
        g.SetTextMatrix(r, 2, texto);
    }
    g.SetTextoCompartido(r, 3, textos_.Importe(pago));
    if (NumeroDeValor(q.Valor(campo[Pagado])) == 1) {
        g.SetTextoCompartido(r, 4, QStringLiteral("SI"));
        PintarFilaGrid(g, r, ColorPagado);
    } else {
        g.SetTextoCompartido(r, 4, QStringLiteral("NO"));
    }
    g.SetTextMatrix(r, 5, q.Texto(campo[Id]));
    const QString orden = referencia.section(QLatin1Char('.'), 0, 0);
    if (orden != l.ultima) {
        l.ultima = orden;
        l.deUltima = 0;
        l.pagoDeUltima = 0;
    }
    ++l.deUltima;
    l.pagoDeUltima += pago;
    ++l.filas;
}

void frmPagosATrabajadores::TerminarLista()
{
    ListaIncompleta = false;
    resto_.reset();
    textos_.Vaciar();
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
    // The rest of the list first: the line is marked in the whole list, which then gets its totals.
    CompletarLista();
    gridPagos.Row = fila;
    const QString trabajador = gridPagos.TextMatrix(fila, 0);
    if (trabajador == QLatin1String("Trabaj.") || trabajador.isEmpty())
        return;
    const QString id = QString::number(qint64(Val(gridPagos.TextMatrix(fila, 5))));
    // Marked only from what the row showed: a line another counter paid meanwhile is not paid
    // twice, nor one it took back un-paid.
    const bool pagar = gridPagos.TextMatrix(fila, 4) == QLatin1String("NO");
    Transaccion t(Bd());
    const int cambiadas = Bd().Ejecutar(QStringLiteral("update arreglos_detalles set pagadoatrabajador = ")
                                        + (pagar ? QStringLiteral("1") : QStringLiteral("0"))
                                        + QStringLiteral(" where arreglos_detalles.idarreglodetalle = ") + id
                                        + (pagar ? QStringLiteral(" and coalesce(pagadoatrabajador, 0) <> 1")
                                                 : QStringLiteral(" and pagadoatrabajador = 1")));
    if (cambiadas == 1)
        AnotarOperacion(pagar ? Operacion::LineaPagada : Operacion::LineaSinPagar,
                        trabajador + QStringLiteral(": ") + gridPagos.TextMatrix(fila, 1) + QLatin1Char(' ')
                            + gridPagos.TextMatrix(fila, 2),
                        qint64(Val(gridPagos.TextMatrix(fila, 1).section(QLatin1Char('.'), 0, 0))),
                        Val(gridPagos.TextMatrix(fila, 3)));
    t.Confirmar();
    // Either way the line now is what the touch asked for.
    gridPagos.SetTextMatrix(fila, 4, pagar ? QStringLiteral("SI") : QStringLiteral("NO"));
    PintarFilaGrid(gridPagos, fila, pagar ? ColorRecienPagado : ColorRecienDespagado);
    if (cambiadas != 1)
        Dlg().Mensaje(
            QString::fromUtf8("Otro mostrador ya había cambiado esta línea: ")
            + (pagar ? QStringLiteral("ya estaba pagada.") : QStringLiteral("ya no estaba pagada.")));
}

void frmPagosATrabajadores::Cerrar()
{
    ListaIncompleta = false;
    resto_.reset();
    Abierto = false;
}

void frmPagosATrabajadores::cmdImprimir_Click()
{
    CompletarLista();
    if (gridPagos.Rows() >= 2)
        ImprimirListado(gridPagos, QStringLiteral("Listado de pagos"), false);
}
