#pragma once

#include <QDialog>
#include <functional>

class GridModel;
class QPushButton;
class QTableView;
class frmListaArreglosCliente;

class frmListaArreglosClienteVista : public QDialog
{
    Q_OBJECT
public:
    explicit frmListaArreglosClienteVista(frmListaArreglosCliente &modelo, QWidget *padre = nullptr);
    void Repintar();
    QTableView *gridListaArreglos;
    QPushButton *cmdCancelar;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Ejecutar(const std::function<void()> &accion);
    frmListaArreglosCliente &modelo_;
    GridModel *datos_;
};
