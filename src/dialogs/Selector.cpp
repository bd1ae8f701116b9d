#include "Selector.h"

#include "core/Consultas.h"
#include "core/Formato.h"

void Selector::LlenarGrid(const QString &cabecera, const QString &sql, const QString &campoId)
{
    gridTrabajadores.Dimensionar(1, 2);
    gridTrabajadores.SetColWidth(0, 1);
    gridTrabajadores.SetColWidth(1, 6015);
    gridTrabajadores.SetTextMatrix(0, 0, QString());
    gridTrabajadores.SetTextMatrix(0, 1, cabecera);

    Recordset rs = AbrirRecordset(sql);
    while (!rs.EOF_()) {
        gridTrabajadores.AgregarFila(
            {TextoDeValor(rs.Campo(campoId)), NuloABlanco(rs.Campo(QStringLiteral("nombre")))});
        rs.MoveNext();
    }
    ColorearGrid(gridTrabajadores);
    gridTrabajadores.Row = gridTrabajadores.Rows() > 1 ? 1 : 0;
    gridTrabajadores.Col = 1;
}

void Selector::gridTrabajadores_Click(int fila)
{
    if (fila >= 1 && fila < gridTrabajadores.Rows())
        gridTrabajadores.Row = fila;
}

bool Selector::HayFilaActual() const
{
    return gridTrabajadores.Row >= 1 && gridTrabajadores.Row < gridTrabajadores.Rows();
}

QString Selector::TextoFilaActual(int columna) const
{
    return gridTrabajadores.TextMatrix(gridTrabajadores.Row, columna).trimmed();
}
