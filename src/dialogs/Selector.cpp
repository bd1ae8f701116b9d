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

void Selector::gridTrabajadores_Toque(int fila)
{
    gridTrabajadores_Click(fila);
    if (AceptarAlTocar && HayFilaActual() && gridTrabajadores.Row == fila)
        cmdAceptar_Click();
}

void Selector::HacerActual(const QString &id)
{
    for (int f = 1; f < gridTrabajadores.Rows(); ++f)
        if (gridTrabajadores.TextMatrix(f, 0).trimmed() == id)
            gridTrabajadores.Row = f;
}

bool Selector::HayFilaActual() const
{
    return gridTrabajadores.Row >= 1 && gridTrabajadores.Row < gridTrabajadores.Rows();
}

QString Selector::TextoFilaActual(int columna) const
{
    return gridTrabajadores.TextMatrix(gridTrabajadores.Row, columna).trimmed();
}
