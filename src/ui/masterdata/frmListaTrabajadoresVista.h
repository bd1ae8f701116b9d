#pragma once

#include <QDialog>
#include <functional>

class GridModel;
class QPushButton;
class QTableView;
class frmListaTrabajadores;

class frmListaTrabajadoresVista : public QDialog
{
    Q_OBJECT
public:
    explicit frmListaTrabajadoresVista(frmListaTrabajadores &modelo, QWidget *padre = nullptr);
    void Repintar();
    QTableView *gridFamilias;
    QPushButton *cmdNuevo, *cmdEditarFamilia, *cmdSalir;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Ejecutar(const std::function<void()> &accion);
    frmListaTrabajadores &modelo_;
    GridModel *datos_;
};
