#include "frmPendientesPorTrabajador.h"

#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "printing/ImprimirListado.h"

QString frmPendientesPorTrabajador::SqlPendientes(int idcosturera)
{
    const QString cuerpo = QStringLiteral(
        "SELECT DISTINCT arreglos_detalles.fechaasignaciontrabajador, arreglos.IdArreglo, "
        "arreglos.fechaarreglo, arreglos.fechaprevistaentrega, arreglos_detalles.referenciaPrenda, "
        "arreglos_detalles.Nombreprenda, arreglos_detalles.listoparaentrega, costureras.Nombre as "
        "nombrecosturera FROM (arreglos INNER JOIN arreglos_detalles ON arreglos.IdArreglo = "
        "arreglos_detalles.idArreglo) LEFT JOIN costureras ON arreglos_detalles.IdCosturera = "
        "costureras.idCosturera Where (((arreglos_detalles.listoparaentrega) <> 1 Or "
        "(arreglos_detalles.listoparaentrega) Is Null) And ((costureras.Nombre) Is Not Null))");
    // The reference orders the garments of one order the same way on every backend.
    const QString orden = QStringLiteral(" ORDER BY arreglos.IdArreglo, arreglos_detalles.referenciaPrenda");
    if (idcosturera == Todos)
        return cuerpo + orden;
    return cuerpo + QStringLiteral(" and costureras.idcosturera = ") + QString::number(idcosturera) + orden;
}

ArregloParaVenta frmPendientesPorTrabajador::CargarFormulario(const std::function<void()> &mostrar)
{
    ArregloACargar = {};
    llenarListaTrabajadores();
    DarTamanosGrid();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
    return ArregloACargar;
}

void frmPendientesPorTrabajador::llenarListaTrabajadores()
{
    cmbTrabajadores.Clear();
    cmbTrabajadores.AddItem(QStringLiteral("Todos"), Todos);
    Recordset rs = AbrirRecordset(QStringLiteral("select * from costureras order by nombre"));
    for (; !rs.EOF_(); rs.MoveNext())
        cmbTrabajadores.AddItem(NuloABlanco(rs.Campo(QStringLiteral("nombre"))).trimmed(),
                                int(Val(NuloACero(rs.Campo(QStringLiteral("idcosturera"))))));
    cmbTrabajadores.Elegir(0);
}

void frmPendientesPorTrabajador::DarTamanosGrid()
{
    gridListaArreglos = Grid(1, 6);
    const QString cabeceras[] = {QStringLiteral("Trabaj."),  QStringLiteral("Ref."),
                                 QStringLiteral("Prenda"),   QStringLiteral("Asign."),
                                 QStringLiteral("Devuelta"), QString()};
    const int anchos[] = {1920, 1395, 3405, 1560, 1560, 1};
    for (int c = 0; c < 6; ++c) {
        gridListaArreglos.SetTextMatrix(0, c, cabeceras[c]);
        gridListaArreglos.SetColWidth(c, anchos[c]);
    }
}

void frmPendientesPorTrabajador::LlenarLista(int idcosturera)
{
    if (idcosturera == 0)
        return;
    Recordset rs = AbrirRecordset(SqlPendientes(idcosturera));
    for (; !rs.EOF_(); rs.MoveNext()) {
        // The worker must bring the garment back the day before it is promised to the customer.
        const QDateTime prevista =
            FechaDeTexto(TextoDeValor(rs.Campo(QStringLiteral("fechaprevistaentrega"))));
        gridListaArreglos.AgregarFila(
            {NuloABlanco(rs.Campo(QStringLiteral("nombrecosturera"))).trimmed(),
             NuloABlanco(rs.Campo(QStringLiteral("referenciaPrenda"))).trimmed(),
             NuloABlanco(rs.Campo(QStringLiteral("Nombreprenda"))).trimmed().remove(QLatin1Char('-')),
             FormatoFecha(rs.Campo(QStringLiteral("fechaasignaciontrabajador")), QStringLiteral("dd/MM/yy")),
             prevista.isValid() ? prevista.addDays(-1).toString(QStringLiteral("dd/MM/yy")) : QString(),
             NuloABlanco(rs.Campo(QStringLiteral("IdArreglo")))});
    }
    ColorearGrid(gridListaArreglos);
    gridListaArreglos.Row = gridListaArreglos.Rows() > 1 ? 1 : 0;
}

void frmPendientesPorTrabajador::gridListaArreglos_Click(int fila)
{
    if (fila >= 1 && fila < gridListaArreglos.Rows())
        gridListaArreglos.Row = fila;
}

void frmPendientesPorTrabajador::cmdAceptar_Click()
{
    // No worker chosen is read as all of them.
    const int i = cmbTrabajadores.ListIndex;
    DarTamanosGrid();
    LlenarLista(i >= 0 ? cmbTrabajadores.ItemData(i) : Todos);
}

void frmPendientesPorTrabajador::cmdVerEstado_Click()
{
    const int f = gridListaArreglos.Row;
    const QString trabajador = gridListaArreglos.TextMatrix(f, ColTrabajador);
    if (f < 1 || trabajador.isEmpty() || trabajador == QStringLiteral("Trabaj."))
        return;
    if (G().pantallas)
        ArregloACargar = G().pantallas->ListaEntregar(int(Val(gridListaArreglos.TextMatrix(f, ColArreglo))));
    // The delivery list may have sent the order on to the sale screen.
    if (ArregloACargar.idarreglo != 0)
        Abierto = false;
}

void frmPendientesPorTrabajador::cmdVisualizar_Click()
{
    const int f = gridListaArreglos.Row;
    const QString arreglo = f >= 1 ? gridListaArreglos.TextMatrix(f, ColArreglo) : QString();
    if (arreglo.isEmpty())
        return;
    ArregloACargar = {int(Val(arreglo))};
    Abierto = false;
}

void frmPendientesPorTrabajador::gridListaArreglos_DblClick(int fila)
{
    if (fila < 1 || fila >= gridListaArreglos.Rows())
        return;
    gridListaArreglos_Click(fila);
    cmdVisualizar_Click();
}

void frmPendientesPorTrabajador::cmdImprimir_Click()
{
    if (gridListaArreglos.Rows() >= 2)
        ImprimirListado(gridListaArreglos, QStringLiteral("Listado"), false);
}
