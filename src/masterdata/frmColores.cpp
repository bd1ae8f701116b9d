#include "frmColores.h"

#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"

namespace {

// A row a finger can pick out, with 18 names still fitting on a 768-pixel screen.
constexpr int AltoFila = 495;

const QString ConsultaColores = QStringLiteral("select * from colores order by nombre collate espanol");

// The colours run down in pairs of columns, a hidden id and a name: every name column says what
// it lists, however many pairs the colours fill.
void RotularColumnas(Grid &grid)
{
    for (int c = 0; c < grid.Cols(); ++c) {
        grid.SetTextMatrix(0, c, c % 2 == 0 ? QString() : QStringLiteral("Color"));
        grid.SetColWidth(c, c % 2 == 0 ? 1 : 3000);
    }
}

} // namespace

QString frmColores::CargarFormulario(const std::function<void()> &mostrar)
{
    DarTamanosGridColores();
    CargarColores();
    ColorearGrid(gridColores);
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
    return Resultado;
}

void frmColores::DarTamanosGridColores()
{
    gridColores.Dimensionar(1, 8);
    RotularColumnas(gridColores);
}

void frmColores::CargarColores()
{
    gridColores.Dimensionar(1, 1);
    DarTamanosGridColores();
    ColorearGrid(gridColores);

    const int n = AbrirRecordset(ConsultaColores).Cuantos();
    // n / 18 rounded to the nearest whole number, halves to even, plus one spare pair.
    int pares = n / FilasPorColumna;
    const int resto = n % FilasPorColumna;
    if (2 * resto > FilasPorColumna || (2 * resto == FilasPorColumna && pares % 2 == 1))
        ++pares;
    gridColores.SetCols((pares + 1) * 2);
    RotularColumnas(gridColores);
    gridColores.SetRows(FilasPorColumna + 1);
    for (int f = 1; f < gridColores.Rows(); ++f)
        gridColores.SetRowHeight(f, AltoFila);

    Recordset rs = AbrirRecordset(ConsultaColores);
    int k = 0;
    int c = 0;
    for (; !rs.EOF_(); rs.MoveNext()) {
        if (k % FilasPorColumna == 0 && k != 0) {
            k = 0;
            c += 2;
        }
        ++k;
        gridColores.SetTextMatrix(k, c, NuloABlanco(rs.Campo(QStringLiteral("idcolor"))));
        gridColores.SetTextMatrix(k, c + 1, NuloABlanco(rs.Campo(QStringLiteral("nombre"))));
    }
    gridColores.Row = 1;
    gridColores.Col = 1;
}

void frmColores::BorrarColor(int idcolor)
{
    Bd().Ejecutar(QStringLiteral("delete from colores where idcolor = ") + QString::number(idcolor));
}

void frmColores::cmdAceptar_Click()
{
    Resultado = gridColores.TextMatrix(gridColores.Row, gridColores.Col).trimmed();
    Abierto = false;
}

void frmColores::cmdCancelar_Click()
{
    Resultado.clear();
    Abierto = false;
}

void frmColores::cmdBorrar_Click()
{
    const QString nombre = gridColores.TextMatrix(gridColores.Row, gridColores.Col);
    if (nombre.isEmpty())
        return;
    if (Dlg().MensajeSiNo(QStringLiteral("Se va a eliminar el color ") + nombre.toUpper().trimmed()
                          + QStringLiteral(" de la lista de colores.\r\n¿Desea continuar?"))
        != Dialogos::Si)
        return;
    BorrarColor(int(Val(gridColores.TextMatrix(gridColores.Row, gridColores.Col - 1))));
    CargarColores();
    ColorearGrid(gridColores);
}

void frmColores::cmdNuevo_Click()
{
    if (G().pantallas)
        G().pantallas->NuevoColor();
    DarTamanosGridColores();
    CargarColores();
    ColorearGrid(gridColores);
}

void frmColores::Form_KeyPress(int tecla)
{
    if (tecla == 27)
        Abierto = false;
}
