#pragma once

#include <QDateTime>

// The shop's clock. Tests fix it so that cash days and late orders fall on known dates.
class Reloj
{
public:
    virtual ~Reloj() = default;
    virtual QDateTime Ahora() const = 0;
};

class RelojSistema : public Reloj
{
public:
    QDateTime Ahora() const override { return QDateTime::currentDateTime(); }
};

class RelojFijo : public Reloj
{
public:
    explicit RelojFijo(QDateTime ahora) : ahora_(std::move(ahora)) {}
    QDateTime Ahora() const override { return ahora_; }
    void Fijar(const QDateTime &ahora) { ahora_ = ahora; }
    void AvanzarDias(int dias) { ahora_ = ahora_.addDays(dias); }

private:
    QDateTime ahora_;
};
