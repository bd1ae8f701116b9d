#include "capturas/CapturasTaller.h"

#include "core/Consultas.h"
#include "core/Programa.h"
#include "printing/TicketsArreglo.h"
#include "ui/workshop/PantallaBarrasVista.h"
#include "ui/workshop/frmAsigancionVista.h"
#include "ui/workshop/frmDetalleReferenciaVista.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmDetalleReferencia.h"
#include "workshop/frmEntradaPrendasBarras.h"

namespace {

// Demo garments in one state, as the reader would type their tickets.
QStringList Escaneos(const QString &condicion, int cuantas)
{
    Recordset rs = AbrirRecordset(
        QStringLiteral(
            "select distinct arreglos_detalles.idarreglo, referenciaprenda from arreglos_detalles inner "
            "join productos on arreglos_detalles.idproducto = productos.idproducto where ")
        + condicion
        + QStringLiteral(" and productos.nombre <> 'Productos mercería' order by referenciaprenda"));
    QStringList r;
    for (; !rs.EOF_() && r.size() < cuantas; rs.MoveNext())
        r.append(QLatin1Char('$') + CodigoBarrasPrenda(rs.Campo(0).toLongLong(), rs.Campo(1).toString()));
    return r;
}

void Escanear(PantallaBarras &s, const QStringList &escaneos)
{
    for (const QString &e : escaneos) {
        s.txtBarras = e;
        s.Command1_Click();
    }
}

} // namespace

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasTaller()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;

    static frmAsigancion asignacion;
    asignacion.CargarFormulario({});
    asignacion.cmdVerTodos_Click();
    while (asignacion.QuedanPaginas())
        asignacion.LlenarSiguientePagina();
    asignacion.gridListaArreglos_Click(3);
    v.emplace_back(QStringLiteral("frmAsigancion"), std::make_unique<frmAsigancionVista>(asignacion));
    // As it opens: the list of garments not given to anybody, under its long name.
    static frmAsigancion sinAsignarNadie;
    sinAsignarNadie.CargarFormulario({});
    v.emplace_back(QStringLiteral("frmAsigancion_sin_asignar"),
                   std::make_unique<frmAsigancionVista>(sinAsignarNadie));

    // The scans write to the demo shop; the pictures must not change what other captures show.
    Transaccion t(Bd());
    const QStringList sinAsignar = Escaneos(QStringLiteral("idcosturera is null"), 2);
    const QStringList conTrabajador = Escaneos(
        QStringLiteral("idcosturera is not null and (listoparaentrega = 0 or listoparaentrega is null)"), 3);
    const QStringList enTienda = Escaneos(QStringLiteral("listoparaentrega = 1"), 1);

    static frmAsignarBArras asignar;
    asignar.CargarFormulario({});
    Escanear(asignar, {sinAsignar.value(0), conTrabajador.value(0)});
    asignar.gridTrabajadores_Click(2);
    // The last read is a misread: the picture shows how the screen tells it.
    Escanear(asignar, {sinAsignar.value(1), sinAsignar.value(1).chopped(1)});
    v.emplace_back(QStringLiteral("frmAsignarBArras"),
                   std::make_unique<PantallaBarrasVista>(asignar, &asignar));

    static frmEntradaPrendasBarras entrada;
    entrada.CargarFormulario({});
    Escanear(entrada, {conTrabajador.value(1), enTienda.value(0), conTrabajador.value(2)});
    v.emplace_back(QStringLiteral("frmEntradaPrendasBarras"),
                   std::make_unique<PantallaBarrasVista>(entrada, nullptr));

    static frmDetalleReferencia detalle;
    detalle.CargarFormulario(asignacion.gridListaArreglos.TextMatrix(1, frmAsigancion::ColReferencia), {});
    v.emplace_back(QStringLiteral("frmDetalleReferencia"),
                   std::make_unique<frmDetalleReferenciaVista>(detalle));
    return v;
}
