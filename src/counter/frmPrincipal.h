#pragma once

#include "core/Dialogos.h"
#include "core/Grid.h"
#include "core/Pantallas.h"
#include "frmInicio.h"

#include <QDateTime>
#include <QString>
#include <memory>

class Conexion;
class CopiaDelDiaAparte;
class Recordset;

// Thrown inside the finish's transaction when the order on screen is no longer what the database
// holds (another counter changed, handed over or annulled it): nothing is written.
struct ArregloCambiado {
};

// The sale screen: always open, everything else is opened from it. The left side shows the
// families and, beside them, the products of the family touched last; the right side is the
// order being taken, one separator row per garment followed by its alterations.
class frmPrincipal
{
public:
    frmPrincipal();
    ~frmPrincipal();

    // Start-up: configuration, connection, shop parameters, the sale screen, the cash day. False
    // when the program cannot go on (the user has been told why).
    bool CargarFormulario(const QString &rutaConfiguracion);
    // Asks before ending; true when the user confirmed and the connection is closed.
    bool salirformulario();

    frmInicio inicio;
    QString lblVersion;
    // The backups' warning line (AvisoCopias), shown until it is solved; empty when all is well.
    QString lblAvisoCopias;
    void RevisarCopias();
    // The day's copy, once made aside: its warning line replaces lblAvisoCopias.
    void VerCopiaDelDia();
    // The server gone and back, told on the screen while staff carry on ("" when all is well).
    QString lblConexion;
    bool lblConexionPerdida = false;
    QString Caption = QStringLiteral("Hilván - Arreglos de ropa");

    // Sale state of the order on screen.
    int IdClienteVenta = 0;
    int IdArregloVenta = 0;
    int ClienteEsTienda = 0;
    bool ArregloCargado = false;
    int IdUsuarioVenta = 0;
    int IdFormaPagoVenta = 1;
    bool EntregarAlAcabar = false;
    // The order on screen came to be handed over (from the garment list or a scanned ticket): its
    // lines are back in the shop by definition, and the rest is paid now.
    bool EntregandoArreglo = false;

    // gridTPV columns. A garment's date shows as "dd/mm/yy"; the full date behind it is kept hidden.
    enum {
        ColIdProducto,
        ColIdFamilia,
        ColBorrar,
        ColNombre,
        ColImporte,
        ColFecha,
        ColPrenda,
        ColIdDetalle,
        ColFechaCompleta
    };
    Grid gridFamilias;
    Grid gridProductos;
    Grid gridTPV;

    QString txtTotal = QStringLiteral("0.00");
    QString txtSenal = QStringLiteral("0.00");
    QString txtEntregado = QStringLiteral("0.00");
    QString txtPendiente = QStringLiteral("0.00");
    QString txtCambio = QStringLiteral("0.00");
    QString txtFechaEntrega;
    // The order's delivery date behind txtFechaEntrega, "dd/mm/yyyy"; what is saved.
    QString FechaEntregaVenta;
    // A delivery date chosen with "Fecha entrega" stays until a garment's date changes.
    bool FechaEntregaAMano = false;
    QString lblNumReferencia;
    QString txtTelefono;
    QString txtNombreCliente;
    QString lblAtendidopor;
    QString cmdFormasPagoCaption = QStringLiteral("Efectivo");

    bool cmdTelefonoEnabled = true;
    bool cmdBuscarClienteEnabled = true;
    bool cmdFechaEntregaEnabled = true;
    bool gridFamiliasEnabled = true;
    bool gridProductosEnabled = true;

    // Row height of the three grids, in twips: a finger's height (48 px).
    static constexpr int AltoFila = 720;
    // A name wider than this (in the screen's grid font) gets a row twice as high, on two lines.
    static constexpr int AnchoMaximoNombre = 2600;
    // The families and the products side by side, in twips: short family names, products on two
    // lines at most.
    static constexpr int AnchoFamilias = 2100;
    static constexpr int AnchoProductos = 2850;

    // The sale grid.
    void DarTamanosGridTPV();
    void DarTamanosGridFamilias();
    void DarTamanosGridProductos();
    void LlenarFamilias();
    void LlenarProductos(int idfamilia);
    void MeterSeparadorPrenda(int idfamilia, const QString &nombreprenda);
    void MeterProductoEnGridTPV(int idproducto);
    double DimePrecio(int idproducto);
    double DimePrecioTienda(int idproducto);
    void VolverAFamilias();
    void ReiniciarVenta();
    bool EsSeparador(int fila) const;

    // Touches: each acts on the grid's current cell (Row, Col).
    void gridFamilias_Click();
    void gridProductos_Click();
    void gridTPV_Click();
    // Leaves the product list empty, dropping a garment given no alteration.
    void cmdVerFamilias_Click() { VolverAFamilias(); }
    void cmdComenzar_Click() { ReiniciarVenta(); }

    // The figures of the order.
    void CalcularCifrasTPV();
    void cmdPendiente_Click();
    void cmdFechaEntrega_Click();
    // A delivery date chosen by hand (invalid: back to the last garment's date).
    void FijarFechaEntrega(const QDateTime &fecha);
    void cmdFormasPago_Click();

    // "Fin arreglo": checks the order, saves it, books the money kept in the till, prints the
    // tickets asked for and empties the screen for the next customer.
    void cmdAcabarEncargo_Click();
    // Writes the order on screen: idarreglo 0 for a new order, which gets the next number;
    // nuevoid receives the order's number. New lines of a reopened order get their id in column 7.
    // guardado: what the reopened order holds, as SqlHuellaArreglo read it in this transaction
    // (read here when not given).
    void GuardarArreglo(int idarreglo, int &nuevoid, Recordset *guardado = nullptr);

    // A stored order back on screen; paraEntregar leaves only the payment open. The caller empties
    // the screen (ReiniciarVenta) first.
    void CargarArreglo(int idarreglo, bool paraEntregar);
    // The customer with that telephone becomes the sale's customer and the lines take its prices;
    // an unknown telephone opens a new customer card. Returns the telephone found, empty for none.
    // abrirFicha false looks again without offering the card a second time.
    QString BuscarClienteTel(const QString &telefono, bool abrirFicha = true);
    // The customer chosen by id (from the list) becomes the sale's customer, as above.
    void ElegirCliente(int idcliente);
    static QString DimeTelefonoCliente(int idcliente);
    static QString DimeNombreCliente(int idcliente);
    void cmdTelefono_Click();
    // The customers whose telephone holds the digits typed so far, the first few by name.
    static std::vector<ClienteSugerido> ClientesConTelefono(const QString &cifras);
    static constexpr int ClientesSugeridos = 5;
    void cmdBuscarCliente_Click();
    // Counter actions outside the order on screen.
    void cmdMerceria_Click();
    void Command1_Click();
    void cmdCalculadora_Click();
    // The back office and the hand-over: each may give back an order, which the screen then loads
    // in place of the one on it.
    void cmdVerOpciones_Click();
    // Every two seconds: the server's connection is watched and, once lost, opened again as soon as
    // the server is back, whatever the screen holds (it stays as it is).
    void tmrConexion_Timer();
    void cmdEntregaarreglos_Click();
    void CargarArregloACargar(const ArregloParaVenta &arreglo);
    // A key typed on the sale screen: a scanner types a garment ticket's code and Enter, and
    // on an empty screen that order opens for hand-over.
    void Form_KeyPress(QChar tecla);
    void CodigoLeido(const QString &leido);

private:
    int ticksRecuperada_ = 0;
    bool EncargoCompleto();
    void GuardarYCobrar();
    void ImprimirTicketsAcabado(int idarreglo);
    // The order changed under the screen: it comes back as the database holds it, or goes.
    void VolverACargarCambiado(int idarreglo);
    // The order as it was when loaded (DimeHuellaArreglo).
    QString huellaCargada_;
    void CargarParametros(const Recordset &leido);
    void AjustarAltoFila(Grid &grid, int fila, const QString &texto);
    void QuitarUltimaFilaTPV();
    void NumerarPrendas();
    // A garment touched but given no alteration is left out before the order is numbered.
    void QuitarPrendasVacias();
    void PonerFechaPrenda(int fila, const QDateTime &fecha);
    void FijarFechaPedido(const QDateTime &fecha);
    // The separator row of the garment picked in the grid (0: new alterations go to the last one)
    // and the row before which its next alteration goes.
    int prendaActiva_ = 0;
    int FinPrendaActiva() const;
    // The last garment's date, "dd/mm/yyyy"; empty while no garment is dated.
    QString FechaUltimaPrenda() const;
    QString fechaPrendasAlElegir_;
    // The first date chosen for a garment, "dd/mm/yyyy": the other garments of the order take it.
    QString fechaPedido_;
    QString lectura_;
    void MeterLineaGuardada(int idproducto, const QString &importe, const QString &iddetalle);
    std::unique_ptr<Conexion> conexion_;
    std::unique_ptr<CopiaDelDiaAparte> copiaDelDia_; // declared last: dropped first, while the rest stands
};
