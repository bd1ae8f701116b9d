#pragma once

#include <QWidget>

class QLabel;
class frmPrincipal;

// The sale screen.
class frmPrincipalVista : public QWidget
{
    Q_OBJECT
public:
    explicit frmPrincipalVista(frmPrincipal &modelo, QWidget *padre = nullptr);
    void Repintar();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    frmPrincipal &modelo_;
    QLabel *lblVersion_;
    bool saliendo_ = false;
};
