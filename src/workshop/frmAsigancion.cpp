#include "frmAsigancion.h"

#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/LecturaAparte.h"
#include "core/LiteralesSQL.h"
#include "core/Pantallas.h"
#include "core/Programa.h"

#include <QElapsedTimer>
#include <algorithm>
#include <array>

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

const char *const SinAsignar = "Mostrando arreglos no asigandos a trabajador";

} // namespace

frmAsigancion::frmAsigancion() = default;
frmAsigancion::~frmAsigancion() = default;

QString frmAsigancion::SqlListaArreglos()
{
    return QStringLiteral(
        "SELECT clientes.Nombre as nombrecliente, clientes.Telefono, clientes.estienda, arreglos.IdArreglo, "
        "arreglos.fechaarreglo, arreglos.fechaprevistaentrega, arreglos.fecharealentrega, "
        "arreglos_detalles.referenciaPrenda, arreglos_detalles.Nombreprenda, arreglos_detalles.fechaentrega, "
        "Productos.Nombre as nombrearreglo, usuarios.Nombre, costureras.Nombre as nombrecosturera ,sum( "
        "arreglos_detalles.precio) as precio FROM ((clientes INNER JOIN (arreglos INNER JOIN "
        "(arreglos_detalles LEFT JOIN costureras ON arreglos_detalles.IdCosturera = costureras.idCosturera) "
        "ON arreglos.IdArreglo = arreglos_detalles.idArreglo) ON clientes.IdCliente = arreglos.idcliente) "
        "INNER JOIN usuarios ON arreglos.idUsuario = usuarios.idUsuario) INNER JOIN Productos ON "
        "arreglos_detalles.idProducto = Productos.IdProducto WHERE arreglos_detalles.idcosturera is null "
        "GROUP BY arreglos_detalles.referenciaPrenda, arreglos.IdArreglo, arreglos.fechaarreglo, "
        "usuarios.Nombre, arreglos_detalles.Nombreprenda, clientes.Nombre, clientes.Telefono, "
        "costureras.Nombre, arreglos.fechaprevistaentrega, arreglos.fecharealentrega, "
        "arreglos_detalles.fechaentrega, clientes.estienda, clientes.nombre, Productos.Nombre ORDER BY "
        "arreglos.IdArreglo DESC ");
}

QString frmAsigancion::SqlTodasLasLineas(qint64 desde, qint64 hasta)
{
    // Grouping ten years of lines by fifteen columns made the engine sort them all twice before
    // the first row. One row per line, read in the order of the lines' order-number index, lets
    // it stream: only the few lines of one order are sorted among themselves, and the screen adds
    // up the neighbours the grouping would have put together. The customer and the user are
    // joined only to leave out orders without them, as the list always has.
    const QString pagina =
        desde != 0 || hasta != 0
            ? QStringLiteral("WHERE ") + CondicionPaginaArreglos(desde, hasta) + QLatin1Char(' ')
            : QString();
    // The days come as text: the list shows only the day, and the server's driver would otherwise
    // make a date-time of each one, which cost more than the rest of the row.
    return QStringLiteral(
               "SELECT arreglos.IdArreglo, arreglos_detalles.referenciaPrenda, "
               "arreglos_detalles.Nombreprenda, "
               "costureras.Nombre as nombrecosturera, CAST(arreglos_detalles.fechaentrega AS varchar) AS "
               "fechaentrega, Productos.Nombre as "
               "nombrearreglo, arreglos_detalles.precio, CAST(arreglos.fechaarreglo AS varchar) AS "
               "fechaarreglo, "
               "CAST(arreglos.fechaprevistaentrega AS varchar) AS fechaprevistaentrega "
               "FROM arreglos_detalles INNER JOIN arreglos ON arreglos.IdArreglo = "
               "arreglos_detalles.idArreglo "
               "INNER JOIN clientes ON clientes.IdCliente = arreglos.idcliente INNER JOIN usuarios ON "
               "usuarios.idUsuario = arreglos.idUsuario INNER JOIN Productos ON Productos.IdProducto = "
               "arreglos_detalles.idProducto LEFT JOIN costureras ON costureras.idCosturera = "
               "arreglos_detalles.IdCosturera ")
           + pagina
           + QStringLiteral(
               "ORDER BY arreglos_detalles.idArreglo DESC, arreglos_detalles.referenciaPrenda, "
               "arreglos_detalles.Nombreprenda, costureras.Nombre, arreglos_detalles.fechaentrega, "
               "Productos.Nombre");
}

QString frmAsigancion::SqlArreglosPorTrabajador(int costurera, bool pendiente)
{
    // Only the columns the list shows, its days as text (the server's driver would make a
    // date-time of each); grouped and ordered as ever, so the rows and their order are the same.
    const QString cabeza =
        QStringLiteral(
            "SELECT SUM(arreglos_detalles.precio) AS precio, arreglos.IdArreglo, CAST(arreglos.fechaarreglo "
            "AS varchar) AS fechaarreglo, arreglos_detalles.Nombreprenda, "
            "arreglos_detalles.referenciaPrenda, "
            "costureras.Nombre AS nombrecosturera, CAST(arreglos.fechaprevistaentrega AS varchar) AS "
            "fechaprevistaentrega, CAST(arreglos_detalles.fechaentrega AS varchar) AS fechaentrega, "
            "Productos.Nombre AS nombrearreglo FROM "
            "arreglos INNER JOIN     arreglos_detalles ON     arreglos.IdArreglo = "
            "arreglos_detalles.idArreglo INNER JOIN     clientes ON arreglos.idcliente = clientes.IdCliente "
            "INNER JOIN     Productos ON     arreglos_detalles.idProducto = Productos.IdProducto LEFT OUTER  "
            "    Join     costureras ON     arreglos_detalles.IdCosturera = costureras.idCosturera LEFT "
            "OUTER      Join ")
        + QStringLiteral(
            " usuarios ON arreglos.idUsuario = usuarios.idUsuario where arreglos_detalles.idcosturera = ")
        + N(costurera);
    const QString agrupar = QStringLiteral(
        " GROUP BY arreglos_detalles.referenciaPrenda, arreglos.IdArreglo,      arreglos.fechaarreglo, "
        "usuarios.Nombre,    arreglos_detalles.Nombreprenda, clientes.Nombre,     clientes.Telefono, "
        "costureras.Nombre,     arreglos.fechaprevistaentrega, arreglos.fecharealentrega,     "
        "arreglos_detalles.fechaentrega, clientes.estienda,     Productos.Nombre ORDER BY arreglos.IdArreglo "
        "DESC");
    if (pendiente)
        return cabeza + QStringLiteral(" AND     (listoparaentrega IS NULL OR     LISTOPARAENTREGA = 0)")
               + agrupar;
    return cabeza + agrupar;
}

ArregloParaVenta frmAsigancion::CargarFormulario(const std::function<void()> &mostrar)
{
    ArregloACargar = {};
    DarTamanosGridArreglos();
    LlenarListaArreglos(250);
    ColorearGrid(gridListaArreglos);
    gridListaArreglos.Row = gridListaArreglos.Rows() > 1 ? 1 : 0;
    lblViendo = QString::fromUtf8(SinAsignar);
    if (Bd().motor() == Motor::PostgreSQL && !preparada_)
        preparada_ = std::make_unique<LecturaAparte>(Bd());
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
    return ArregloACargar;
}

void frmAsigancion::DarTamanosGridArreglos()
{
    resto_.reset();
    filasPendientes_ = 0;
    Grid &g = gridListaArreglos;
    g = Grid(2, 8);
    const int anchos[] = {30, 1440, 6345, 1560, 1515, 1305, 1440, 15};
    const char *const cabeceras[] = {"Ref.",    "Ref.",    "Persona", "Recibido",
                                     "Entrega", "Importe", "Trabaj.", ""};
    for (int c = 0; c < 8; ++c) {
        g.SetColWidth(c, anchos[c]);
        g.SetTextMatrix(0, c, QString::fromUtf8(cabeceras[c]));
        g.SetColAlignment(c, Alineacion::Centro);
    }
    g.SetColAlignment(ColPersona, Alineacion::Izquierda);
}

void frmAsigancion::LlenarListaArreglos(int cuantos)
{
    DarTamanosGridArreglos();
    if (cuantos <= 20000) {
        Llenar(SqlListaArreglos());
        lblCuantos = QStringLiteral("Mostrando las ") + N(gridListaArreglos.Rows() - 1)
                     + QString::fromUtf8(" últimas referencias");
        return;
    }
    gridListaArreglos.SetRows(1);
    const LimitesArreglos limites = DimeLimitesArreglos();
    const qint64 desde = std::max(limites.minimo, limites.maximo - OrdenesPrimeraPagina);
    filasPendientes_ = cuantos;
    campos_.clear();
    ultima_ = {};
    // On a server the first orders are read aside too, just before the rest and on the same worker:
    // the touch waits only for the range of numbers, and the rows come in the next turns.
    if (Bd().motor() == Motor::PostgreSQL) {
        QStringList paginas = {SqlTodasLasLineas(desde, limites.maximo)};
        if (desde > limites.minimo)
            paginas.append(SqlTodasLasLineas(limites.minimo, desde));
        resto_ = LecturaAparte::Lanzar(preparada_, Bd(), paginas);
        AcabarPagina(1);
        return;
    }
    // The worker opens its connection and starts on the rest while the first orders are read here
    // and go on screen.
    if (desde > limites.minimo)
        resto_ = std::make_unique<LecturaAparte>(Bd(), SqlTodasLasLineas(limites.minimo, desde));
    try {
        Bd().Recorrer(SqlTodasLasLineas(desde, limites.maximo),
                      [this](const FilaLeida &q) { AnadirFila(q, true); });
    } catch (...) {
        resto_.reset();
        throw;
    }
    AcabarPagina(1);
}

void frmAsigancion::LlenarSiguientePagina()
{
    if (!QuedanPaginas())
        return;
    const int antes = gridListaArreglos.Rows();
    QElapsedTimer reloj;
    reloj.start();
    bool quedan = true;
    try {
        // A few hundred rows at a time: the turn ends soon after its time is up.
        do
            quedan = resto_->Leer(500, [this](const FilaLeida &q) { AnadirFila(q, true); });
        while (quedan && filasPendientes_ != 0 && reloj.elapsed() < MsPorPagina);
    } catch (...) { // a fault halfway: the list stays as far as it got
        resto_.reset();
        throw;
    }
    if (!quedan || filasPendientes_ == 0)
        resto_.reset();
    AcabarPagina(antes);
}

void frmAsigancion::AcabarPagina(int antes)
{
    // Striping only the new rows keeps a long list linear; the chosen row stays where it was.
    const int elegida = antes == 1 ? 1 : gridListaArreglos.Row;
    for (int f = antes; f < gridListaArreglos.Rows(); ++f)
        PintarFilaGrid(gridListaArreglos, f, f % 2 == 1 ? ColorFilaImpar : ColorFilaPar);
    gridListaArreglos.Row = gridListaArreglos.Rows() > 1 ? elegida : 0;
    lblCuantos = QStringLiteral("Mostrando las ") + N(gridListaArreglos.Rows() - 1)
                 + QString::fromUtf8(" últimas referencias");
}

void frmAsigancion::Llenar(const QString &sql)
{
    gridListaArreglos.Visible = false;
    gridListaArreglos.SetRows(1);
    filasPendientes_ = -1;
    campos_.clear();
    ultima_ = {};
    Bd().Recorrer(sql, [this](const FilaLeida &q) { AnadirFila(q, false); });
    filasPendientes_ = 0;
    gridListaArreglos.Visible = true;
}

void frmAsigancion::AnadirFila(const FilaLeida &q, bool sumarIguales)
{
    enum { Id, Referencia, Prenda, Arreglo, Recibido, Entrega, Precio, Costurera, EntregaPrenda, Campos };
    static const char *const nombres[Campos] = {"IdArreglo",     "referenciaPrenda", "Nombreprenda",
                                                "nombrearreglo", "fechaarreglo",     "fechaprevistaentrega",
                                                "precio",        "nombrecosturera",  "fechaentrega"};
    if (campos_.empty())
        for (const char *nombre : nombres)
            campos_.push_back(q.Indice(QString::fromLatin1(nombre)));
    static const QString cero = QStringLiteral("0");
    const auto valor = [&](int i) { return campos_[i] < 0 ? QVariant() : q.Valor(campos_[i]); };
    const auto fecha = [&](const QVariant &v) { return v.isNull() ? cero : textos_.Fecha(v); };
    Grid &g = gridListaArreglos;
    Ultima &u = ultima_;
    // The lines that share order, garment, worker, date and alteration are one row with their sum.
    // The alteration first: it is what tells most neighbours apart, in one comparison.
    static constexpr int clave[] = {Arreglo, Referencia, Prenda, Costurera, EntregaPrenda};
    enum { ClaveArreglo, ClaveReferencia, ClavePrenda, ClaveCosturera, ClaveEntrega };
    const QVariant id = valor(Id);
    const bool otroArreglo = g.Rows() == 1 || id.toLongLong() != u.id || id.isNull();
    std::array<QVariant, std::size(clave)> linea;
    for (size_t i = 0; i < linea.size(); ++i)
        linea[i] = valor(clave[i]);
    const QVariant precio = valor(Precio);
    if (sumarIguales && !otroArreglo && linea == u.clave) {
        if (!precio.isNull()) {
            u.suma += NumeroDeValor(precio);
            g.SetTextoCompartido(g.Rows() - 1, ColImporte, textos_.Importe(RedondearImporte(u.suma)));
        }
        return;
    }
    if (filasPendientes_ == 0)
        return;
    --filasPendientes_;
    const bool otroTrabajador = g.Rows() == 1 || u.clave[ClaveCosturera] != linea[ClaveCosturera];
    u.clave = std::move(linea);
    if (otroArreglo) {
        u.id = id.toLongLong();
        u.idTexto = NuloACero(id);
        u.recibido = fecha(valor(Recibido));
        u.entrega = fecha(valor(Entrega));
    }
    QString persona = NuloABlanco(u.clave[ClavePrenda]).trimmed() + QLatin1Char('*')
                      + NuloABlanco(u.clave[ClaveArreglo]).trimmed();
    persona.remove(QStringLiteral("--"));
    const int f = g.AgregarFila();
    g.SetTextMatrix(f, ColIdArreglo, u.idTexto);
    g.SetTextMatrix(f, ColReferencia, NuloACero(u.clave[ClaveReferencia]));
    g.SetTextoCompartido(f, ColPersona, textos_.Compartido(persona));
    g.SetTextoCompartido(f, ColRecibido, u.recibido);
    g.SetTextoCompartido(f, ColEntrega, u.entrega);
    u.suma = NumeroDeValor(precio);
    g.SetTextoCompartido(f, ColImporte, precio.isNull() ? cero : textos_.Importe(RedondearImporte(u.suma)));
    // A garment's lines mostly share their worker: the last one's text is taken again.
    if (otroTrabajador || otroArreglo)
        u.trabajador = textos_.Compartido(NuloABlanco(u.clave[ClaveCosturera]));
    g.SetTextoCompartido(f, ColTrabajador, u.trabajador);
    g.SetRowHeight(f, 2 * Grid::AltoFilaPorDefecto);
}

bool frmAsigancion::HayFilaElegida() const
{
    const Grid &g = gridListaArreglos;
    return g.Rows() > 1 && g.Row >= 1 && g.Row < g.Rows()
           && !g.TextMatrix(g.Row, ColIdArreglo).trimmed().isEmpty();
}

QString frmAsigancion::DimeIdProductoPorReferencia(const QString &referencia)
{
    Recordset rs = AbrirRecordset(
        QStringLiteral(
            "SELECT Productos.Nombre FROM arreglos_detalles INNER JOIN Productos ON "
            "arreglos_detalles.idProducto = Productos.IdProducto WHERE arreglos_detalles.referenciaprenda = ")
        + ComillasSQL(referencia) + QStringLiteral(" ORDER BY arreglos_detalles.idarreglodetalle"));
    return rs.HayFilas() ? NuloABlanco(rs.Campo(0)).trimmed() : QStringLiteral("0");
}

void frmAsigancion::PonerTrabajador(const QString &referencia, const QString &id, const QString &nombre)
{
    Grid &g = gridListaArreglos;
    g.SetTextMatrix(g.Row, ColIdCosturera, id);
    for (int f = 1; f < g.Rows(); ++f)
        if (g.TextMatrix(f, ColReferencia).trimmed() == referencia)
            g.SetTextMatrix(f, ColTrabajador, nombre);
}

void frmAsigancion::cmdAsignar_Click()
{
    if (!HayFilaElegida())
        return;
    Grid &g = gridListaArreglos;
    const qint64 idarreglo = qint64(Val(g.TextMatrix(g.Row, ColIdArreglo)));
    if (ArregloEntregado(idarreglo)
        && Dlg().MensajeSiNo(
               QString::fromUtf8("Ese arreglo ya ha sido entregado al cliente\r\n ¿Desea continuar?"))
               != Dialogos::Si)
        return;
    const QString referencia = g.TextMatrix(g.Row, ColReferencia).trimmed();
    if (DimeIdProductoPorReferencia(referencia) == QString::fromUtf8("Productos mercería")) {
        Dlg().Mensaje(QStringLiteral("Esta referencia se trata de un producto de merceria.\r\n"
                                     "No se puede asignar a un trabajador"));
        return;
    }
    const int costurera = Dlg().Trabajador();
    if (costurera == Dialogos::TrabajadorSinElegir)
        return; // the picker was closed: nothing changes
    // Only from the worker the row showed: another counter may have given the garment to someone
    // else meanwhile, and this screen would take it away from them.
    const QString mostrado = ComillasSQL(g.TextMatrix(g.Row, ColTrabajador).trimmed());
    const QString donde =
        QStringLiteral(" where referenciaprenda = ") + ComillasSQL(referencia)
        + QStringLiteral(" and not exists (select 1 from arreglos_detalles d left join costureras c on "
                         "c.idcosturera = d.idcosturera where d.referenciaprenda = ")
        + ComillasSQL(referencia)
        + QStringLiteral(" and coalesce(d.idcosturera, 0) <> 0 and coalesce(trim(c.nombre), '') <> ")
        + mostrado + QStringLiteral(")");
    // "Cancelar" on the picker is how a garment is taken away from its worker.
    const int cambiadas =
        costurera == 0 ? Bd().Ejecutar(QStringLiteral("update arreglos_detalles set idcosturera = null, "
                                                      "fechaasignaciontrabajador = null")
                                       + donde)
                       : Bd().Ejecutar(QStringLiteral("update arreglos_detalles set idcosturera = ")
                                       + N(costurera) + QStringLiteral(", fechaasignaciontrabajador = ")
                                       + LiteralFechaSQL(DimeFechaServidor()) + donde);
    if (cambiadas == 0) {
        const int actual = DimeCosturera(referencia);
        PonerTrabajador(referencia, N(actual), actual ? DimeNombreCosturera(actual).trimmed() : QString());
        Dlg().Mensaje(QStringLiteral("Otro mostrador ya ha cambiado la prenda ") + referencia
                      + QStringLiteral("; se ha vuelto a leer."));
        return;
    }
    PonerTrabajador(referencia, N(costurera),
                    costurera ? DimeNombreCosturera(costurera).trimmed() : QString());
}

void frmAsigancion::cmdArreglosSinAsignar_Click()
{
    DarTamanosGridArreglos();
    Llenar(SqlListaArreglos());
    lblCuantos =
        QStringLiteral("Mostrando las ") + N(gridListaArreglos.Rows() - 1) + QStringLiteral(" referencias");
    ColorearGrid(gridListaArreglos);
    gridListaArreglos.Row = gridListaArreglos.Rows() > 1 ? 1 : 0;
    lblViendo = QString::fromUtf8(SinAsignar);
}

void frmAsigancion::cmdVerTodos_Click()
{
    LlenarListaArreglos(5000000);
    lblViendo = QStringLiteral("Mostrando todos los arreglos");
}

void frmAsigancion::ListaPorTrabajador(bool pendiente)
{
    const int costurera = Dlg().Trabajador();
    if (costurera <= 0)
        return;
    DarTamanosGridArreglos();
    Llenar(SqlArreglosPorTrabajador(costurera, pendiente));
    lblCuantos =
        QStringLiteral("Mostrando las ") + N(gridListaArreglos.Rows() - 1) + QStringLiteral(" referencias");
    ColorearGrid(gridListaArreglos);
    gridListaArreglos.Row = gridListaArreglos.Rows() > 1 ? 1 : 0;
}

void frmAsigancion::cmdBuscarPorNumero_Click()
{
    const std::optional<qint64> leido =
        LeerNumeroArreglo(Dlg().PadNumerico(QStringLiteral("Seleccione arrego a visualizar"), false));
    if (!leido)
        return;
    const qint64 numero = *leido;
    // While the list of every line is still being read, read on until it is past the order (or,
    // read aside from the start, until its first rows are there).
    while (QuedanPaginas() && (ultima_.id < 0 || ultima_.id >= numero))
        LlenarSiguientePagina();
    Grid &g = gridListaArreglos;
    for (int f = 1; f < g.Rows(); ++f) {
        if (qint64(Val(g.TextMatrix(f, ColIdArreglo).trimmed())) == numero) {
            g.Row = f;
            FilaSuperior = f;
            return;
        }
    }
}

void frmAsigancion::cmdVerArreglo_Click()
{
    if (!HayFilaElegida())
        return;
    ArregloACargar = {int(Val(gridListaArreglos.TextMatrix(gridListaArreglos.Row, ColIdArreglo)))};
    salirformulario();
}

void frmAsigancion::cmdAsignarBarras_Click()
{
    if (G().pantallas)
        G().pantallas->AsignarBarras();
    LlenarListaArreglos(250);
    ColorearGrid(gridListaArreglos);
    gridListaArreglos.Row = gridListaArreglos.Rows() > 1 ? 1 : 0;
    lblViendo = QString::fromUtf8(SinAsignar);
}

void frmAsigancion::cmdEntradaBarras_Click()
{
    if (G().pantallas)
        G().pantallas->EntradaBarras();
}

void frmAsigancion::gridListaArreglos_Click(int fila)
{
    if (fila >= 1 && fila < gridListaArreglos.Rows())
        gridListaArreglos.Row = fila;
}

void frmAsigancion::gridListaArreglos_DblClick()
{
    if (gridListaArreglos.Rows() < 2 || gridListaArreglos.Row < 1)
        return;
    const QString referencia = gridListaArreglos.TextMatrix(gridListaArreglos.Row, ColReferencia).trimmed();
    if (G().pantallas && !referencia.isEmpty())
        G().pantallas->DetalleReferencia(referencia);
}

void frmAsigancion::salirformulario()
{
    resto_.reset();
    filasPendientes_ = 0;
    Abierto = false;
}
