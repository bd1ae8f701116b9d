#pragma once

#include <QWidget>

class QLabel;
class frmInicio;

// The splash window: the shop's name and a status line while the program starts.
class frmInicioVista : public QWidget
{
    Q_OBJECT
public:
    explicit frmInicioVista(frmInicio &modelo, QWidget *padre = nullptr);
    void Repintar();

protected:
    bool eventFilter(QObject *objeto, QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    frmInicio &modelo_;
    QLabel *lblEstado_;
    bool apartada_ = false; // hidden while a start-up question is on screen
};
