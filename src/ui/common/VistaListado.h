#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class Grid;
class GridModel;
class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;

// What the read-only list screens share: a title, one or more grids, a row of touch buttons,
// every handler run at the event boundary and the screen repainted from its form model.
class VistaListado : public QDialog
{
    Q_OBJECT
public:
    QTableView *Tabla(size_t i = 0) const { return tablas_.at(i).second; }
    QPushButton *Boton(const QString &texto) const;

protected:
    VistaListado(const QString &titulo, QWidget *padre);
    QLabel *AgregarTitulo(const QString &texto);
    // `toque` and `dobleToque` get the grid row (1 = first data row).
    QTableView *AgregarTabla(const Grid &grid, const QString &nombre, double escala,
                             const std::function<void(int)> &toque,
                             const std::function<void(int)> &dobleToque = {});
    // A touch button in the bottom row, or in the given row.
    QPushButton *AgregarBoton(const QString &texto, const std::function<void()> &accion,
                              QBoxLayout *fila = nullptr);
    void Ejecutar(const std::function<void()> &accion);
    virtual void Repintar();
    // Copies what the user typed into the form model before a handler runs.
    virtual void LeerControles() {}
    virtual bool SigueAbierto() const = 0;
    virtual void Escape() = 0;
    void keyPressEvent(QKeyEvent *e) override;

    QVBoxLayout *capa_;
    QHBoxLayout *botones_;

private:
    struct Tabla_ {
        GridModel *modelo;
        const Grid *grid;
        double escala;
    };
    std::vector<std::pair<Tabla_, QTableView *>> tablas_;
};
