#pragma once

#include "printing/DecodificadorTicket.h"

#include <QWidget>

// A ticket drawn as the receipt printer prints it: a paper column as wide as the ticket,
// double sizes, red lines, the EAN-13 bars and the cut.
class VistaPreviaTicket : public QWidget
{
public:
    explicit VistaPreviaTicket(QWidget *padre = nullptr);
    // The bytes sent to the printer; columnas is the paper's width in characters.
    void MostrarTicket(const QByteArray &bytes, int columnas);
    // What is drawn, line by line.
    const QList<LineaImpresa> &Lineas() const { return lineas_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    int AltoLinea(const LineaImpresa &linea) const;
    int AnchoPapel() const;

    QList<LineaImpresa> lineas_;
    int columnas_ = 40;
};
