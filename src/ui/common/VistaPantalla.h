#pragma once

#include "ui/common/GridModel.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
struct Combo;

// The window of a back-office screen: every button, touch or key runs one handler of the form
// model at the event boundary, then the window repaints from the form model, or closes when the
// form model says it is no longer open.
class VistaPantalla : public QDialog
{
    Q_OBJECT
public:
    VistaPantalla(const bool &abierto, const QString &titulo, QWidget *padre);

protected:
    void Ejecutar(const std::function<void()> &accion);
    // Copies what the user typed or chose into the form model.
    virtual void Leer() {}
    virtual void Repintar() = 0;
    virtual void Escape() = 0;
    void keyPressEvent(QKeyEvent *e) override;

    // A touch button named for assistive technology; without an action the caller connects it.
    QPushButton *Boton(const QString &texto, const QString &nombre, const std::function<void()> &accion);
    QTableView *Tabla(GridModel *modelo, const QString &nombre);
    QLabel *Etiqueta(const QString &texto);
    QComboBox *Desplegable(const Combo &combo, const QString &nombre, bool editable = false);
    // The combo's items, chosen item and text, as the form model has them.
    static void MostrarCombo(QComboBox *caja, const Combo &combo);
    static void LeerCombo(const QComboBox *caja, Combo &combo);

private:
    const bool &abierto_;
};
