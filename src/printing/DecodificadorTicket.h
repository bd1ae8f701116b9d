#pragma once

#include <QList>
#include <QString>

// What the receipt printer does with the bytes of a ticket, one entry per printed line, barcode,
// cut or drawer pulse: the on-screen preview draws from it.
struct LineaImpresa {
    enum Tipo { Texto, CodigoBarras, Corte, Cajon };
    Tipo tipo = Texto;
    QString texto; // the characters printed, or the barcode's digits
    bool dobleAlto = false;
    bool dobleAncho = false;
    bool rojo = false;
    int altoBarras = 0;  // dots
    int anchoModulo = 0; // dots to the narrowest bar
};

QList<LineaImpresa> DecodificarTicket(const QByteArray &bytes);

// The 95 modules of an EAN-13 symbol from its 13 digits, '1' for a bar and '0' for a space;
// empty when the text is not 13 digits.
QString ModulosEAN13(const QString &digitos);
