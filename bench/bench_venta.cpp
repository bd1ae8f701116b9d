// bench_venta: what one touch costs on the sale screen with a 100-garment order on it.
// Each touch is timed twice: the form model's handler alone, and the handler followed by the
// view's repaint from the form model and the drawing of what changed (offscreen). Prints the
// median, the 90th percentile and the worst, in ms.
#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "Medida.h"
#include "core/BaseDatos.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "demo/Demo.h"
#include "ui/common/Estilo.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmPrincipalVista.h"

#include <QApplication>
#include <QLocale>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Prendas = 100;
constexpr int Repeticiones = 200;

class PantallasBanco : public PantallasQt
{
public:
    QString Colores() override { return QStringLiteral("Rojo"); }
};

struct Banco {
    frmPrincipal &p;
    frmPrincipalVista &v;
    bool conPintado = false;

    void Familia(const QString &nombre)
    {
        p.gridFamilias.Row = FilaDeTexto(p.gridFamilias, 1, nombre);
        p.gridFamilias_Click();
    }
    void Producto(const QString &nombre)
    {
        p.gridProductos.Row = FilaDeTexto(p.gridProductos, 1, nombre);
        p.gridProductos_Click();
    }
    void Tocar(int fila, int columna)
    {
        p.gridTPV.Row = fila;
        p.gridTPV.Col = columna;
        p.gridTPV_Click();
    }
    int Separador(int prenda) const
    {
        for (int f = 1; f < p.gridTPV.Rows(); ++f)
            if (p.gridTPV.TextMatrix(f, frmPrincipal::ColPrenda) == QString::number(prenda))
                return f;
        return 1;
    }
    // A touch as the user feels it: the handler, then what changed drawn again.
    double Medir(const std::function<void()> &toque)
    {
        return Medida::Ms([&] {
            toque();
            if (conPintado) {
                v.Repintar();
                QApplication::processEvents();
            }
        });
    }
};

void Informe(const char *operacion, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("  %-38s %8.3f %8.3f %8.3f\n", operacion, Medida::Mediana(ms), ms[ms.size() * 9 / 10],
                ms.back());
}

void Medir(Banco &b)
{
    DialogosGuion &d = *static_cast<DialogosGuion *>(G().dialogos);
    std::vector<double> familia, volver, producto, borrarLinea, precio, fecha, color, entregado, cifras;
    for (int i = 0; i < Repeticiones; ++i) {
        // A new garment, then back to the families, which drops it again.
        familia.push_back(b.Medir([&] { b.Familia(QString::fromUtf8("Pantalón")); }));
        volver.push_back(b.Medir([&] { b.p.cmdVerFamilias_Click(); }));
    }
    b.Familia(QStringLiteral("Camisa"));
    for (int i = 0; i < Repeticiones; ++i) {
        producto.push_back(b.Medir([&] { b.Producto(QStringLiteral("Entallar")); }));
        b.Tocar(b.p.gridTPV.Rows() - 1, frmPrincipal::ColBorrar);
    }
    b.p.cmdVerFamilias_Click();
    for (int i = 0; i < Repeticiones; ++i) {
        // A line of a garment inside the order; a copy goes back at the end, untimed.
        const int fila = b.Separador(i % (Prendas - 1) + 1) + 1;
        std::vector<QString> copia;
        for (int c = 0; c < b.p.gridTPV.Cols(); ++c)
            copia.push_back(b.p.gridTPV.TextMatrix(fila, c));
        borrarLinea.push_back(b.Medir([&] { b.Tocar(fila, frmPrincipal::ColBorrar); }));
        b.p.gridTPV.AgregarFila(copia);
    }
    for (int i = 0; i < Repeticiones; ++i) {
        d.pad.push_back(QStringLiteral("12.5"));
        const int separador = b.Separador(i % Prendas + 1);
        precio.push_back(b.Medir([&] { b.Tocar(separador + 1, frmPrincipal::ColImporte); }));
        d.calendario.push_back(QStringLiteral("%1/3/2027").arg(i % 28 + 1));
        fecha.push_back(b.Medir([&] { b.Tocar(separador, frmPrincipal::ColFecha); }));
        color.push_back(b.Medir([&] { b.Tocar(separador, frmPrincipal::ColNombre); }));
        d.pad.push_back(QStringLiteral("100"));
        entregado.push_back(b.Medir([&] { b.p.cmdPendiente_Click(); }));
        cifras.push_back(b.Medir([&] { b.p.CalcularCifrasTPV(); }));
    }
    Informe("Tocar una familia (prenda nueva)", familia);
    Informe("Volver a Familias", volver);
    Informe("Tocar un producto (línea nueva)", producto);
    Informe("X de una línea en medio", borrarLinea);
    Informe("Precio tecleado", precio);
    Informe("Fecha de una prenda", fecha);
    Informe("Color de una prenda", color);
    Informe("Entregado (teclado)", entregado);
    Informe("CalcularCifrasTPV", cifras);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Estilo::Aplicar();

    BaseDePrueba base;
    LlenarDemo(base.conexion, QDate::currentDate());
    PantallasBanco pantallas;
    G().pantallas = &pantallas;

    frmPrincipal p;
    p.ReiniciarVenta();
    frmPrincipalVista v(p);
    Banco b{p, v};
    const char *familias[][4] = {
        {"Pantalón", "Bajo", "Meter cintura", "Cambiar cremallera"},
        {"Chaqueta", "Acortar mangas", "Meter costados", "Cambiar botones"},
        {"Vestido", "Bajo", "Entallar", "Acortar tirantes"},
        {"Varios", "Coser descosido", "Poner parche", "Urgente (entrega en el día)"}};
    for (int g = 0; g < Prendas; ++g) {
        const auto &f = familias[g % 4];
        b.Familia(QString::fromUtf8(f[0]));
        for (int i = 1; i < 4; ++i)
            b.Producto(QString::fromUtf8(f[i]));
    }
    v.show();
    v.Repintar();
    QApplication::processEvents();

    std::printf("Pedido de %d prendas, %d filas; motor %s; %d repeticiones\n", Prendas, p.gridTPV.Rows() - 1,
                base.conexion.motor() == Motor::PostgreSQL ? "PostgreSQL" : "SQLite", Repeticiones);
    std::printf("  %-38s %8s %8s %8s  (ms)\n", "", "mediana", "p90", "peor");
    std::printf("Solo el manejador:\n");
    const int filas = p.gridTPV.Rows();
    Medir(b);
    if (p.gridTPV.Rows() != filas) {
        std::printf("el pedido ha cambiado durante la medida\n");
        return 1;
    }
    b.conPintado = true;
    std::printf("Manejador y pantalla repintada:\n");
    Medir(b);
    G().pantallas = nullptr;
    return 0;
}
