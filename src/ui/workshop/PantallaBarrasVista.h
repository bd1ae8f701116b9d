#pragma once

#include "ui/common/Vista.h"

#include <functional>

class GridModel;
class PantallaBarras;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class frmAsignarBArras;

// Both scanning screens: the scan box keeps the keyboard the whole time the screen is open, so
// a reader's "$" + 13 digits + Enter always lands there; touching a list gives it back.
// A refused scan is told in red under the box, with a beep, and the next scan goes on at once.
// The assignment screen also shows the active workers to choose from.
class PantallaBarrasVista : public Vista
{
    Q_OBJECT
public:
    // `asignar` is the assignment screen's form model, null on the reception screen.
    PantallaBarrasVista(PantallaBarras &modelo, frmAsignarBArras *asignar, QWidget *padre = nullptr);

    QLineEdit *txtBarras() const { return txtBarras_; }
    QLabel *lblAviso() const { return lblAviso_; }
    QTableView *gridAsignacion() const { return tabla_; }
    QTableView *gridTrabajadores() const { return trabajadores_; }
    QPushButton *cmdBorrarFila() const { return cmdBorrarFila_; }
    QPushButton *cmdAceptar() const { return cmdAceptar_; }

protected:
    void Escape() override;
    void Leer() override;
    void showEvent(QShowEvent *e) override;

private:
    void Repintar() override;
    PantallaBarras &modelo_;
    frmAsignarBArras *asignar_;
    GridModel *gridModel_;
    GridModel *trabajadoresModel_ = nullptr;
    QLineEdit *txtBarras_;
    QLabel *lblAviso_;
    QTableView *tabla_;
    QTableView *trabajadores_ = nullptr;
    QPushButton *cmdBorrarFila_;
    QPushButton *cmdAceptar_;
};
