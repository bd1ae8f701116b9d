#pragma once

#include <QDialog>
#include <functional>

class GridModel;
class QLineEdit;
class QTableView;
class frmListaClientes;

class frmListaClientesVista : public QDialog
{
    Q_OBJECT
public:
    explicit frmListaClientesVista(frmListaClientes &modelo, QWidget *padre = nullptr);
    void Repintar();
    QTableView *tabla() const { return tabla_; }
    QLineEdit *txtNombre() const { return txtNombre_; }

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Ejecutar(const std::function<void()> &accion);
    frmListaClientes &modelo_;
    GridModel *gridModel_;
    QTableView *tabla_;
    QLineEdit *txtNombre_;
};
