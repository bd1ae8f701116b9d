#pragma once

#include <QDialog>
#include <functional>

class GridModel;
class QTableView;
class frmColores;

// The colours screen: names 18 to a column, a touch picks one.
class frmColoresVista : public QDialog
{
    Q_OBJECT
public:
    explicit frmColoresVista(frmColores &modelo, QWidget *padre = nullptr);
    void Repintar();

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Atender(const std::function<void()> &manejador);
    frmColores &modelo_;
    GridModel *datos_;
    QTableView *gridColores_;
};
