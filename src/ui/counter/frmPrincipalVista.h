#pragma once

#include <QWidget>
#include <functional>

class GridModel;
class QLabel;
class QPushButton;
class QTableView;
class frmPrincipal;

// The sale screen: families and products side by side on the left, the order and its figures on the right,
// the counter's buttons along the bottom. Every touch goes to the form model, then the whole
// screen is repainted from it.
class frmPrincipalVista : public QWidget
{
    Q_OBJECT
public:
    explicit frmPrincipalVista(frmPrincipal &modelo, QWidget *padre = nullptr);
    void Repintar();
    // The grids' font: the sale screen measures names in it to decide which rows need two lines.
    static QFont FuenteGrid();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *objeto, QEvent *e) override;

private:
    void Atender(const std::function<void()> &manejador);
    // The two lines that come on their own: the server's connection and the backups' warning.
    void PintarConexion();
    QTableView *NuevaTabla(const QString &nombre, GridModel *datos);
    QLabel *NuevaCaja(const QString &nombre, int puntos = 18);
    QWidget *ZonaIzquierda();
    QWidget *ZonaCliente();
    QWidget *ZonaCifras();
    QWidget *ZonaAcciones();
    QWidget *BarraInferior();

    frmPrincipal &modelo_;
    GridModel *familias_;
    GridModel *productos_;
    GridModel *tpv_;
    QTableView *gridFamilias_ = nullptr;
    QTableView *gridProductos_ = nullptr;
    QTableView *gridTPV_ = nullptr;
    QPushButton *cmdTelefono_ = nullptr;
    QPushButton *cmdBuscarCliente_ = nullptr;
    QPushButton *cmdFechaEntrega_ = nullptr;
    QPushButton *cmdFormasPago_ = nullptr;
    QPushButton *cmdPendiente_ = nullptr;
    QLabel *txtTotal_ = nullptr;
    QLabel *txtSenal_ = nullptr;
    QLabel *txtEntregado_ = nullptr;
    QLabel *txtPendiente_ = nullptr;
    QLabel *txtCambio_ = nullptr;
    QLabel *txtFechaEntrega_ = nullptr;
    QLabel *lblNumReferencia_ = nullptr;
    QLabel *lblAtendidopor_ = nullptr;
    QLabel *txtTelefono_ = nullptr;
    QLabel *txtNombreCliente_ = nullptr;
    QLabel *lblVersion_ = nullptr;
    QLabel *lblAvisoCopias_ = nullptr;
    QLabel *lblConexion_ = nullptr;
    bool saliendo_ = false;
};
