#include "PrendasArreglo.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"

PrendasArreglo::PrendasArreglo(const Forma &forma)
    : Caption(forma.caption), lblTitulo(forma.titulo), cmdAceptarCaption(forma.aceptar), forma_(forma)
{
    DarTamanosGrid();
}

QString PrendasArreglo::MensajeSinAsignar()
{
    return QStringLiteral(
        "Todas o alguna de las prendas de este arreglo no han sido asignadas a un trabajador. "
        "Asigne las prendas a un trabajador.");
}

void PrendasArreglo::CargarFormulario(int idarreglo, const std::function<void()> &mostrar)
{
    DarTamanosGrid();
    LlenarPrendas(idarreglo);
    IdArreglo = idarreglo;
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void PrendasArreglo::DarTamanosGrid()
{
    gridPrendas = Grid(1, 5);
    const char *cabeceras[] = {"Ref.", "Nombre prenda", "Estado", "", "Trabajador"};
    for (int c = 0; c < 5; ++c) {
        gridPrendas.SetTextMatrix(0, c, QString::fromLatin1(cabeceras[c]));
        gridPrendas.SetColWidth(c, forma_.anchos[size_t(c)]);
    }
}

void PrendasArreglo::LlenarPrendas(int idarreglo)
{
    const QString n = QString::number(idarreglo);
    Recordset rs = AbrirRecordset(forma_.consulta + n + forma_.final);
    for (; !rs.EOF_(); rs.MoveNext()) {
        const bool enTienda = Val(NuloACero(rs.Campo(QStringLiteral("listoparaentrega")))) == 1;
        gridPrendas.AgregarFila({NuloABlanco(rs.Campo(QStringLiteral("referenciaprenda"))),
                                 NuloABlanco(rs.Campo(QStringLiteral("nombreprenda"))),
                                 enTienda ? QStringLiteral("En Tienda") : QStringLiteral("Pendiente"),
                                 QString(), NuloABlanco(rs.Campo(QStringLiteral("nombre"))).trimmed()});
    }
    // The customer and whether the order was handed over, in one read.
    Recordset c = AbrirRecordset(
        QStringLiteral(
            "select clientes.idcliente, clientes.nombre, clientes.telefono, arreglos.entregadoacliente "
            "from arreglos left outer join clientes on clientes.idcliente = arreglos.idcliente "
            "where arreglos.idarreglo = ")
        + n);
    const bool conCliente = !c.Campo(0).isNull();
    const QString cliente = conCliente ? NuloABlanco(c.Campo(1)) : QStringLiteral("??");
    const QString telefono = conCliente ? NuloABlanco(c.Campo(2)) : QStringLiteral("??");
    entregado_ = Val(NuloACero(c.Campo(3))) == 1;
    lblReferencia = QStringLiteral("Ref. ") + n;
    lblCliente = forma_.conPrefijos ? QStringLiteral("Cliente: ") + cliente : cliente;
    lblTelefono = forma_.conPrefijos ? QStringLiteral("Tel. ") + telefono : telefono;
    lblTrabajador.clear();
    lblAyuda = QStringLiteral("Toque dos veces una prenda para cambiarla entre Pendiente y En Tienda.");
    ColorearGrid(gridPrendas);
    gridPrendas.Row = gridPrendas.Rows() > 1 ? 1 : 0;
}

void PrendasArreglo::gridPrendas_DblClick(int fila)
{
    if (Bloqueado())
        return;
    if (fila >= 1 && fila < gridPrendas.Rows()) {
        const QString referencia = gridPrendas.TextMatrix(fila, 0).trimmed();
        if (DimeCosturera(referencia) == 0) {
            Dlg().Mensaje(forma_.sinTrabajador);
        } else {
            // Every line of the garment moves together: the workshop works by reference.
            // Only from the state the screen showed: another counter may have moved it meanwhile.
            const bool enTienda = gridPrendas.TextMatrix(fila, 2) == QLatin1String("En Tienda");
            Transaccion t(Bd());
            const int cambiadas =
                Bd().Ejecutar(QStringLiteral("update arreglos_detalles set listoparaentrega = ")
                              + (enTienda ? QStringLiteral("0") : QStringLiteral("1"))
                              + QStringLiteral(" where referenciaprenda = ") + ComillasSQL(referencia)
                              + (enTienda ? QStringLiteral(" and listoparaentrega = 1")
                                          : QStringLiteral(" and coalesce(listoparaentrega, 0) <> 1")));
            AnotarArregloListo(IdArreglo);
            t.Confirmar();
            if (cambiadas == 0)
                Dlg().Mensaje(QStringLiteral("Otro mostrador ya ha cambiado la prenda ") + referencia
                              + QStringLiteral("; se ha vuelto a leer."));
        }
    }
    DarTamanosGrid();
    LlenarPrendas(IdArreglo);
    if (fila >= 1 && fila < gridPrendas.Rows())
        gridPrendas.Row = fila;
}
