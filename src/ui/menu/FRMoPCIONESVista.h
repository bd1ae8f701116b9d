#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class FRMoPCIONES;
class QPushButton;

// The back-office menu, full screen: three columns of large buttons under their headings and
// "Menu principal" at the bottom right. Escape returns to the sale screen.
class FRMoPCIONESVista : public QDialog
{
    Q_OBJECT
public:
    explicit FRMoPCIONESVista(FRMoPCIONES &modelo, QWidget *padre = nullptr);
    void Repintar();
    // The button with this caption, for tests.
    QPushButton *Boton(const QString &caption) const;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Atender(const std::function<void()> &manejador);
    FRMoPCIONES &modelo_;
    std::vector<QPushButton *> botones_;
};
