#include "frmRegistroOperaciones.h"

#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "printing/ImprimirListado.h"

QString frmRegistroOperaciones::SqlOperaciones()
{
    return QStringLiteral(
               "select top %1 fecha, puesto, usuario, tipo, idarreglo, importe, detalle from operaciones "
               "order by idoperacion desc")
        .arg(Maximo);
}

void frmRegistroOperaciones::CargarFormulario(const std::function<void()> &mostrar)
{
    Llenar();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmRegistroOperaciones::Llenar()
{
    gridOperaciones = Grid(1, 7);
    const QString cabeceras[] = {QStringLiteral("Fecha"),   QStringLiteral("Puesto"),
                                 QStringLiteral("Usuario"), QString::fromUtf8("Operación"),
                                 QStringLiteral("Arreglo"), QStringLiteral("Importe"),
                                 QStringLiteral("Detalle")};
    const int anchos[] = {2700, 1000, 1150, 2700, 1150, 1250, 6000};
    for (int c = 0; c < 7; ++c) {
        gridOperaciones.SetTextMatrix(0, c, cabeceras[c]);
        gridOperaciones.SetColWidth(c, anchos[c]);
    }
    gridOperaciones.SetColAlignment(ColArreglo, Alineacion::Derecha);
    gridOperaciones.SetColAlignment(ColImporte, Alineacion::Derecha);
    Recordset rs = AbrirRecordset(SqlOperaciones());
    for (; !rs.EOF_(); rs.MoveNext())
        gridOperaciones.AgregarFila(
            {FormatoFecha(rs.Campo(0), QStringLiteral("dd/MM/yy hh:mm")), NuloABlanco(rs.Campo(1)),
             NuloABlanco(rs.Campo(2)), NuloABlanco(rs.Campo(3)), NuloABlanco(rs.Campo(4)),
             rs.Campo(5).isNull() ? QString() : FormatoImporte(rs.Campo(5)), NuloABlanco(rs.Campo(6))});
    const int filas = gridOperaciones.Rows() - 1;
    lblTitulo = QStringLiteral("Registro de operaciones")
                + (filas >= Maximo ? QString::fromUtf8(": las %1 más recientes").arg(Maximo) : QString());
}

void frmRegistroOperaciones::gridOperaciones_DblClick(int fila)
{
    if (fila < 1 || fila >= gridOperaciones.Rows())
        return;
    gridOperaciones.Row = fila;
    Dlg().Mensaje(gridOperaciones.TextMatrix(fila, ColFecha) + QStringLiteral(" - ")
                  + gridOperaciones.TextMatrix(fila, ColTipo) + QStringLiteral("\r\n")
                  + gridOperaciones.TextMatrix(fila, ColDetalle));
}

void frmRegistroOperaciones::cmdImprimir_Click()
{
    ImprimirListado(gridOperaciones, QStringLiteral("Registro de operaciones"), true);
}
