#pragma once

#include <QByteArray>
#include <QString>

// The ticket channel: every ticket line is composed here and handed to the program's
// SalidaTickets (G().salidaTickets; with none set the lines go nowhere). A switch is on when
// it equals 1: normal size, red, double height, double width, double size.

// Sends one line: the sequences of its switches, the text (accents removed, Ñ as the
// printer's byte 165, any control character but CR LF printed as a blank) and CR LF.
void ImprimirLineaTicket(const QString &texto, int normal, int rojo, int dobleAlto, int dobleAncho,
                         int dobleTamano);
// The same for a body that already holds printer bytes (the barcode commands).
void ImprimirBytesTicket(const QByteArray &cuerpo, int normal, int rojo, int dobleAlto, int dobleAncho,
                         int dobleTamano);
// The bytes the printer gets for a text.
QByteArray BytesTicket(QString texto);

// Mode 0 left (never padded), 1 centre, 2 right; width 0 is the ticket width.
QString AlinearTexto(const QString &texto, int modo, int anchura = 0);
// Breaks a text into lines of fewer than 32 characters at blanks, joined with CR LF.
QString PartirLineas(const QString &texto);

void ImprimirCabeceraTicket();
// The footer ends with the paper cut.
void ImprimirPieTicket();
void CortarTicket();
void AbrirCajon();
