#pragma once

#include "core/Dialogos.h"

class QWidget;

// The real dialogs: touch-sized modal Qt windows over the dialogs' form models.
class DialogosQt : public Dialogos
{
public:
    explicit DialogosQt(QWidget *padre = nullptr) : padre_(padre) {}
    void FijarPadre(QWidget *padre) { padre_ = padre; }

    void Mensaje(const QString &texto) override;
    int MensajeSiNo(const QString &texto) override;
    QString PadNumerico(const QString &titulo, bool letraGrande) override;
    QString PadClave(const QString &titulo) override;
    QString PadImporte(const QString &titulo, const QString &exacto) override;
    QString PadTelefono(const QString &titulo, const BuscarClientes &buscar, int &idcliente) override;
    int ElegirImpresion(const QString &ref, bool reimpresion, int porDefecto) override;
    QString Calendario() override;
    int Usuario() override;
    void FormaPago(QString &nombre, int &idformapago) override;
    int Trabajador() override;

private:
    QWidget *Padre() const;
    QWidget *padre_;
};
