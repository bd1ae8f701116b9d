#include "PantallaBarras.h"

#include "core/CodigoBarras.h"
#include "core/Conexion.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/Programa.h"

void PantallaBarras::CargarFormulario(const std::function<void()> &mostrar)
{
    DarTamanosGridAsignacion();
    Preparar();
    txtBarras.clear();
    lblAviso.clear();
    EscaneoRechazado = false;
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void PantallaBarras::DarTamanosGridAsignacion()
{
    gridAsignacion = Grid(1, 3);
    gridAsignacion.SetTextMatrix(0, ColReferencia, QStringLiteral("Ref."));
    gridAsignacion.SetTextMatrix(0, ColPrenda, QStringLiteral("Prenda"));
    gridAsignacion.SetTextMatrix(0, ColTrabajador, QStringLiteral("Trabajador"));
    gridAsignacion.SetColWidth(ColReferencia, 1560);
    gridAsignacion.SetColWidth(ColPrenda, anchoPrenda_);
    gridAsignacion.SetColWidth(ColTrabajador, anchoTrabajador_);
}

void PantallaBarras::Command1_Click()
{
    const QString leido = txtBarras.trimmed();
    txtBarras.clear();
    EscaneoRechazado = false;
    lblAviso.clear();
    if (leido.isEmpty())
        return; // "OK" on an empty box is no scan
    const QString referencia = ReferenciaDeCodigo(leido);
    if (referencia.isEmpty()) {
        // What was read, shortened, helps to tell a misread from another article's code.
        Rechazar(QString::fromUtf8("Código no válido: ")
                 + (leido.size() > 30 ? leido.left(30) + QString::fromUtf8("…") : leido));
        return;
    }
    for (int f = 1; f < gridAsignacion.Rows(); ++f)
        if (gridAsignacion.TextMatrix(f, ColReferencia) == referencia) {
            // A garment scanned twice is listed and written once.
            Rechazar(QStringLiteral("La prenda ") + referencia + QString::fromUtf8(" ya está leída"));
            return;
        }
    Escanear(referencia);
}

void PantallaBarras::Rechazar(const QString &aviso)
{
    lblAviso = aviso;
    EscaneoRechazado = true;
}

void PantallaBarras::AnadirFila(const Recordset &rs, const QString &trabajador, bool yaEstaba)
{
    const int f = gridAsignacion.AgregarFila(
        {NuloABlanco(rs.Campo(QStringLiteral("referenciaPrenda"))).trimmed(),
         NuloABlanco(rs.Campo(QStringLiteral("nombreprenda"))).trimmed() + QLatin1Char('/')
             + NuloABlanco(rs.Campo(QStringLiteral("Nombre"))).trimmed(),
         trabajador});
    gridAsignacion.Row = f;
    if (yaEstaba)
        PintarFilaGrid(gridAsignacion, f, Verde);
}

void PantallaBarras::gridAsignacion_Click(int fila)
{
    if (fila >= 1 && fila < gridAsignacion.Rows())
        gridAsignacion.Row = fila;
}

void PantallaBarras::cmdBorrarFila_Click()
{
    const int f = gridAsignacion.Row;
    if (f < 1 || f >= gridAsignacion.Rows())
        return;
    const QString referencia = gridAsignacion.TextMatrix(f, ColReferencia);
    if (Dlg().MensajeSiNo(QStringLiteral("Se va a eliminar de la lista la referencia ") + referencia
                          + QStringLiteral("\r\n") + gridAsignacion.TextMatrix(f, ColPrenda)
                          + QStringLiteral("\r\n Asignada a : ")
                          + gridAsignacion.TextMatrix(f, ColTrabajador))
        != Dialogos::Si)
        return;
    Deshacer(referencia);
    gridAsignacion.QuitarFila(f);
}
