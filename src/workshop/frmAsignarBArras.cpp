#include "frmAsignarBArras.h"

#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"

namespace {

QString SqlPrenda(const QString &referencia, bool soloSinAsignar)
{
    return QStringLiteral(
               "SELECT Productos.Nombre, arreglos_detalles.referenciaPrenda,     "
               "arreglos_detalles.nombreprenda  FROM arreglos_detalles INNER JOIN     Productos ON     "
               "arreglos_detalles.idProducto = Productos.IdProducto INNER JOIN     Familias ON "
               "Productos.IdFamilia = Familias.idFamilia where aRREGLOS_DEtalles.referenciaprenda = ")
           + ComillasSQL(referencia)
           + (soloSinAsignar ? QStringLiteral(" And idcosturera Is Null") : QString());
}

} // namespace

void frmAsignarBArras::Preparar()
{
    DarTamanosGridTrabajadores();
    CargarTrabajadores();
}

void frmAsignarBArras::DarTamanosGridTrabajadores()
{
    gridTrabajadores = Grid(1, 2);
    gridTrabajadores.SetTextMatrix(0, 1, QStringLiteral("Trabajador"));
    gridTrabajadores.SetColWidth(0, 1);
    gridTrabajadores.SetColWidth(1, 3000);
}

void frmAsignarBArras::CargarTrabajadores()
{
    Recordset rs = AbrirRecordset(QStringLiteral(
        "select * from costureras where desactivado =0  or desactivado is null order by nombre"));
    for (; !rs.EOF_(); rs.MoveNext())
        gridTrabajadores.AgregarFila({NuloABlanco(rs.Campo(QStringLiteral("idcosturera"))),
                                      NuloABlanco(rs.Campo(QStringLiteral("nombre")))});
    gridTrabajadores.Row = gridTrabajadores.Rows() > 1 ? 1 : 0;
}

void frmAsignarBArras::gridTrabajadores_Click(int fila)
{
    if (fila >= 1 && fila < gridTrabajadores.Rows())
        gridTrabajadores.Row = fila;
}

void frmAsignarBArras::Escanear(const QString &referencia)
{
    const int elegido = gridTrabajadores.Row;
    if (elegido < 1 || elegido >= gridTrabajadores.Rows()) {
        Rechazar(QString::fromUtf8("No hay ningún trabajador a quien asignarla"));
        return;
    }
    const bool asignada = !AbrirRecordset(SqlPrenda(referencia, true)).HayFilas();
    Recordset prenda = AbrirRecordset(SqlPrenda(referencia, false));
    if (!prenda.HayFilas()) {
        Rechazar(QStringLiteral("La prenda ") + referencia + QStringLiteral(" no existe"));
        return;
    }
    if (asignada) {
        AnadirFila(prenda, QStringLiteral("ASIGNADA"), true);
        return;
    }
    const qint64 costurera = qint64(Val(gridTrabajadores.TextMatrix(elegido, 0)));
    // Two scanners may read the same ticket at once: the second finds it given already.
    const int cambiadas = Bd().Ejecutar(
        QStringLiteral("update arreglos_detalles set idcosturera = ") + QString::number(costurera)
        + QStringLiteral(", fechaasignaciontrabajador = ") + LiteralFechaSQL(DimeFechaServidor())
        + QStringLiteral(" where referenciaprenda = ") + ComillasSQL(referencia)
        + QStringLiteral(" and (idcosturera is null or idcosturera = 0)"));
    AnadirFila(prenda, cambiadas == 0 ? QStringLiteral("ASIGNADA") : gridTrabajadores.TextMatrix(elegido, 1),
               cambiadas == 0);
}

// Also clears a garment listed as "ASIGNADA", given to its worker before this screen opened.
void frmAsignarBArras::Deshacer(const QString &referencia)
{
    Bd().Ejecutar(
        QStringLiteral("update arreglos_detalles set idcosturera = null, fechaasignaciontrabajador = "
                       "null where referenciaprenda = ")
        + ComillasSQL(referencia));
}
