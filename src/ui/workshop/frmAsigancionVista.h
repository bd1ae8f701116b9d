#pragma once

#include "ui/common/Vista.h"

#include <functional>

class GridModelCreciente;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;
class frmAsigancion;

// The assignment screen. "Ver todos los arreglos" shows its first rows at once and reads the
// rest behind them, a page at a time between the user's touches, under a wait cursor.
class frmAsigancionVista : public Vista
{
    Q_OBJECT
public:
    explicit frmAsigancionVista(frmAsigancion &modelo, QWidget *padre = nullptr);
    ~frmAsigancionVista() override;

    QTableView *tabla() const { return tabla_; }
    QPushButton *Boton(const QString &texto) const;
    QLabel *lblCuantos() const { return lblCuantos_; }
    QLabel *lblViendo() const { return lblViendo_; }
    bool Cargando() const;

Q_SIGNALS:
    // The list of every line has been read to its end (or was stopped).
    void ListaCompleta();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *objeto, QEvent *e) override;
    void Repintar() override;
    void Escape() override;

private:
    static bool CierraLaPantalla(const QKeyEvent *e);
    // Runs a handler; `nuevaLista` when it builds the grid again, `espera` when it reads a list.
    void Ejecutar(const std::function<void()> &accion, bool nuevaLista, bool espera = false);
    void SeguirCargando();
    void TerminarCarga();
    frmAsigancion &modelo_;
    GridModelCreciente *gridModel_;
    QTableView *tabla_;
    QLabel *lblViendo_;
    QLabel *lblCuantos_;
    QTimer *carga_;
    bool cursorEspera_ = false;
    bool nuevaLista_ = true;
};
