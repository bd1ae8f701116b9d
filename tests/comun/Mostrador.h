#pragma once

#include "BaseDePrueba.h"
#include "PantallasPrueba.h"
#include "core/Formato.h"
#include "counter/frmPrincipal.h"
#include "printing/SalidaMemoria.h"

#include <QStringList>
#include <deque>
#include <functional>

// The screens the sale screen opens, played by the test: the colour picker and the customer list
// answer from what the test set; the customer card is the real form model, saved when the test
// gave a name and closed untouched otherwise. Every letter is 100 twips wide, so names of more
// than 26 letters take two lines.
class PantallasMostrador : public PantallasPrueba
{
public:
    QString Colores() override;
    int ListaClientes() override { return elegido; }
    void FichaCliente(const QString &telefono, int idcliente) override;
    int AnchoTextoTwips(const QString &texto) const override;

    std::deque<QString> colores;
    int aperturasColores = 0;
    int elegido = 0;
    QString nombreNuevo;
    QStringList fichas; // "telephone/idcliente" of every card opened
    // Run once, before the next text is measured.
    mutable std::function<void()> alMedir;
};

// Everything a sale screen shows and keeps about its order.
QString PantallaDe(const frmPrincipal &p);

// The demo shop of 5 December 2026 without its orders and cash, the sale screen reset, tickets
// into memory. Pantalón is family 1 (Bajo 8/6, Meter cintura 12/9, Cambiar cremallera 10/8), Falda
// family 2 (Bajo 9/7); "Productos mercería" is product 28; customer 1 is María (600111222),
// customer 3 the partner shop Boutique Lola (915556677).
struct Mostrador {
    BaseDePrueba b;
    PantallasMostrador pantallas;
    SalidaMemoria impresora;
    frmPrincipal p;
    DialogosGuion &dialogos = b.dialogos;

    Mostrador();

    void Familia(const QString &nombre);
    void Producto(const QString &nombre);
    void Tocar(int fila, int columna);
    // A garment of a family with its alterations, due on the given day ("d/m/yyyy", empty for none).
    void Prenda(const QString &familia, const QStringList &productos, const QString &fecha);
    // Pantalón (Bajo, Meter cintura) due 10/12/2026 and Falda (Bajo) due 12/12/2026, 29.00, customer 1.
    void PedidoDeDosPrendas();
    void Cliente(int idcliente, bool tienda = false);
    void Entregado(const QString &cantidad);
    int Guardar(int idarreglo);
    // As the back office hands a stored order to the sale screen. `alLeer` runs once the screen
    // has read the order, as it lays out the order's lines: another counter commits there.
    void Reabrir(int idarreglo, bool paraEntregar = false, const std::function<void()> &alLeer = {});
    // Finishes the order on screen: the staff member, then the answers to the questions asked.
    void Acabar(int idusuario, std::initializer_list<int> respuestas);

    QStringList Columna(int columna) const;
    QStringList Lineas() const { return Columna(frmPrincipal::ColNombre); }
    QStringList Columna(const QString &sql) { return b.Columna(sql); }
    // Every row of the order tables and the cash journal, to prove that nothing changed.
    QString Volcado();
    QString Pantalla() const { return PantallaDe(p); }
    bool PantallaVacia() const;
    double Importe(const QString &sql) { return Val(b.Valor(sql)); }
    QString Valor(const QString &sql) { return b.Valor(sql); }
};
