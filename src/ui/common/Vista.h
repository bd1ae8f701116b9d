#pragma once

#include "ui/common/GridModel.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
struct Combo;

// The one base of every window of the program. Each button, touch or key runs one handler of the
// form model through Ejecutar(): what the user typed is read into the form model, the handler
// runs at the event boundary (a database or printer fault is shown, the program goes on), the
// window repaints from the form model and closes when the form model no longer has it open.
// Escape runs the view's Escape() the same way.
//
// A new screen derives from Vista, passes its form model's "open" flag, overrides Repintar(),
// Escape() and, if it has input boxes, Leer(); its opener in PantallasQt is one call of Abrir().
class Vista : public QDialog
{
    Q_OBJECT
public:
    // `abierto` is the form model's flag that its handlers clear when they close the screen.
    Vista(const bool &abierto, const QString &titulo, QWidget *padre);
    // For a window without a form model that closes it: only its own buttons and Escape do.
    static constexpr bool SinModelo = true;
    // For form models that say it another way.
    Vista(std::function<bool()> abierto, const QString &titulo, QWidget *padre);
    // Shows the form model's state.
    virtual void Repintar() {}

protected:
    void Ejecutar(const std::function<void()> &accion);
    // Copies what the user typed or chose into the form model.
    virtual void Leer() {}
    // What Escape does: the form model's own answer to the key.
    virtual void Escape() = 0;
    void keyPressEvent(QKeyEvent *e) override;

    // A touch button named for assistive technology; without an action the caller connects it.
    QPushButton *Boton(const QString &texto, const QString &nombre, const std::function<void()> &accion);
    QTableView *Tabla(GridModel *modelo, const QString &nombre);
    // A caption; with `de`, the caption of that box, which a screen reader reads as its name.
    QLabel *Etiqueta(const QString &texto, QWidget *de = nullptr);
    QComboBox *Desplegable(const Combo &combo, const QString &nombre, bool editable = false);
    // The combo's items, chosen item and text, as the form model has them.
    static void MostrarCombo(QComboBox *caja, const Combo &combo);
    static void LeerCombo(const QComboBox *caja, Combo &combo);

private:
    std::function<bool()> abierto_;
};
