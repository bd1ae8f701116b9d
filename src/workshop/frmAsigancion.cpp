#include "frmAsigancion.h"

#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
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

void frmAsigancion::CargarFormulario(const std::function<void()> &mostrar)
{
    DarTamanosGridArreglos();
    LlenarListaArreglos(250);
    ColorearGrid(gridListaArreglos);
    gridListaArreglos.Row = gridListaArreglos.Rows() > 1 ? 1 : 0;
    lblViendo = QString::fromUtf8(SinAsignar);
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmAsigancion::DarTamanosGridArreglos()
{
    paginaHasta_ = paginaMinimo_ = filasPendientes_ = 0;
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
    paginaMinimo_ = limites.minimo;
    paginaHasta_ = limites.maximo;
    filasPendientes_ = cuantos;
    LlenarSiguientePagina();
}

void frmAsigancion::LlenarSiguientePagina()
{
    if (!QuedanPaginas())
        return;
    const bool primera = gridListaArreglos.Rows() == 1;
    // Pages grow from a small first one, rows on screen at once, to as many orders as are read
    // in MsPorPagina on this machine and this day: few statements, and the user never waits
    // long between two of them.
    if (primera)
        ordenesPagina_ = OrdenesPrimeraPagina;
    else
        ordenesPagina_ = std::max<qint64>(
            OrdenesMinimas,
            std::clamp<qint64>(ordenesPagina_ * MsPorPagina / std::max<qint64>(1, msPagina_),
                               ordenesPagina_ / 2, std::min<qint64>(2 * ordenesPagina_, OrdenesPorPagina)));
    const qint64 desde = std::max(paginaMinimo_, paginaHasta_ - ordenesPagina_);
    const QString sql = SqlTodasLasLineas(desde, paginaHasta_);
    paginaHasta_ = desde;
    const int antes = gridListaArreglos.Rows();
    QElapsedTimer reloj;
    reloj.start();
    AnadirFilas(sql, filasPendientes_, true);
    msPagina_ = reloj.elapsed();
    filasPendientes_ -= gridListaArreglos.Rows() - antes;
    // Striping only the new rows keeps a long list linear; the chosen row stays where it was.
    const int elegida = primera ? 1 : gridListaArreglos.Row;
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
    AnadirFilas(sql, -1);
    gridListaArreglos.Visible = true;
}

void frmAsigancion::AnadirFilas(const QString &sql, qint64 limite, bool sumarIguales)
{
    enum { Id, Referencia, Prenda, Arreglo, Recibido, Entrega, Precio, Costurera, EntregaPrenda, Campos };
    const char *const nombres[Campos] = {"IdArreglo",     "referenciaPrenda", "Nombreprenda",
                                         "nombrearreglo", "fechaarreglo",     "fechaprevistaentrega",
                                         "precio",        "nombrecosturera",  "fechaentrega"};
    int campo[Campos] = {};
    bool hallados = false;
    const QString guiones = QStringLiteral("--");
    const QString cero = QStringLiteral("0");
    const auto fecha = [&](const QVariant &v) { return v.isNull() ? cero : textos_.Fecha(v); };
    Grid &g = gridListaArreglos;
    // The lines that share order, garment, worker, date and alteration are one row with their sum.
    // The alteration first: it is what tells most neighbours apart, in one comparison.
    const int clave[] = {Arreglo, Referencia, Prenda, Costurera, EntregaPrenda};
    enum { ClaveArreglo, ClaveReferencia, ClavePrenda, ClaveCosturera, ClaveEntrega };
    std::array<QVariant, std::size(clave)> linea, anterior;
    qint64 idAnterior = -1;
    // What is the order's own (its number and days) is made once per order, not once per line.
    QString idTexto, recibido, entrega, trabajador;
    double suma = 0;
    Bd().Recorrer(sql, [&](const FilaLeida &q) {
        if (!hallados) {
            for (int i = 0; i < Campos; ++i)
                campo[i] = q.Indice(QString::fromLatin1(nombres[i]));
            hallados = true;
        }
        const auto valor = [&](int i) { return campo[i] < 0 ? QVariant() : q.Valor(campo[i]); };
        const QVariant id = valor(Id);
        const bool otroArreglo = g.Rows() == 1 || id.toLongLong() != idAnterior || id.isNull();
        for (size_t i = 0; i < linea.size(); ++i)
            linea[i] = valor(clave[i]);
        const QVariant precio = valor(Precio);
        if (sumarIguales && !otroArreglo && linea == anterior) {
            if (!precio.isNull()) {
                suma += NumeroDeValor(precio);
                g.SetTextoCompartido(g.Rows() - 1, ColImporte, textos_.Importe(RedondearImporte(suma)));
            }
            return;
        }
        if (limite == 0)
            return;
        --limite;
        std::swap(linea, anterior);
        if (otroArreglo) {
            idAnterior = id.toLongLong();
            idTexto = NuloACero(id);
            recibido = fecha(valor(Recibido));
            entrega = fecha(valor(Entrega));
        }
        QString persona = NuloABlanco(anterior[ClavePrenda]).trimmed() + QLatin1Char('*')
                          + NuloABlanco(anterior[ClaveArreglo]).trimmed();
        persona.remove(guiones);
        const int f = g.AgregarFila();
        g.SetTextMatrix(f, ColIdArreglo, idTexto);
        g.SetTextMatrix(f, ColReferencia, NuloACero(anterior[ClaveReferencia]));
        g.SetTextoCompartido(f, ColPersona, textos_.Compartido(persona));
        g.SetTextoCompartido(f, ColRecibido, recibido);
        g.SetTextoCompartido(f, ColEntrega, entrega);
        suma = NumeroDeValor(precio);
        g.SetTextoCompartido(f, ColImporte, precio.isNull() ? cero : textos_.Importe(RedondearImporte(suma)));
        // A garment's lines mostly share their worker: the last one's text is taken again.
        if (f == 1 || anterior[ClaveCosturera] != linea[ClaveCosturera] || otroArreglo)
            trabajador = textos_.Compartido(NuloABlanco(anterior[ClaveCosturera]));
        g.SetTextoCompartido(f, ColTrabajador, trabajador);
        g.SetRowHeight(f, 2 * Grid::AltoFilaPorDefecto);
    });
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
    // While the list of every line is still being read, read on until the pages reach the order.
    while (QuedanPaginas() && paginaHasta_ >= numero)
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
    G().ArregloACargar = int(Val(gridListaArreglos.TextMatrix(gridListaArreglos.Row, ColIdArreglo)));
    G().ArregloACargarParaEntregar = false;
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
    paginaHasta_ = paginaMinimo_ = filasPendientes_ = 0;
    Abierto = false;
}
