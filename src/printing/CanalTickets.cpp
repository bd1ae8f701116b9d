#include "CanalTickets.h"

#include "TablaImpresora.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "core/SalidaTickets.h"

#include <QStringList>

namespace {

const char ESC = 27;
const QString Guiones32(32, QLatin1Char('-'));

void Enviar(const QByteArray &bytes)
{
    if (G().salidaTickets)
        G().salidaTickets->Enviar(bytes);
}

QByteArray Secuencia(char orden, char valor)
{
    return QByteArray(1, ESC) + orden + valor;
}

void LineaNormal(const QString &texto)
{
    ImprimirLineaTicket(texto, 1, 0, 0, 0, 0);
}

void LineaEnBlanco(int normal)
{
    ImprimirLineaTicket(AlinearTexto(QStringLiteral(" "), 1), normal, 0, 0, 0, 0);
}

} // namespace

QByteArray BytesTicket(QString texto)
{
    // A name, address or garment may hold control characters as typed; an ESC or GS among them
    // would be a printer command (print mode, cut, drawer). Each prints as a blank, so only the
    // channel's own switches speak to the printer; CR LF stays the line break it is.
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        const bool control = c < 32 || (c >= 127 && c < 160);
        if (!control)
            continue;
        if (c == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n') {
            ++i;
            continue;
        }
        texto[i] = u' ';
    }
    QuitarAcentos(texto);
    texto.replace(QStringLiteral("ñ"), QStringLiteral("Ñ"));
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (QChar c : texto)
        bytes += ByteImpresora(c);
    return bytes;
}

void ImprimirBytesTicket(const QByteArray &cuerpo, int normal, int rojo, int dobleAlto, int dobleAncho,
                         int dobleTamano)
{
    // Each sequence goes in front of the previous ones, so the last switch is the first on the wire.
    QByteArray linea = cuerpo;
    if (normal == 1)
        linea.prepend(Secuencia('!', 0));
    linea.prepend(Secuencia('r', rojo == 1 ? '1' : '0'));
    if (dobleAlto == 1)
        linea.prepend(Secuencia('!', 16));
    if (dobleAncho == 1)
        linea.prepend(Secuencia('!', 32));
    if (dobleTamano == 1)
        linea.prepend(Secuencia('!', 48));
    Enviar(linea + "\r\n");
}

void ImprimirLineaTicket(const QString &texto, int normal, int rojo, int dobleAlto, int dobleAncho,
                         int dobleTamano)
{
    ImprimirBytesTicket(BytesTicket(texto), normal, rojo, dobleAlto, dobleAncho, dobleTamano);
}

QString AlinearTexto(const QString &texto, int modo, int anchura)
{
    if (anchura == 0)
        anchura = G().AnchuraTicket;
    if (texto.size() >= G().AnchuraTicket || modo == 0)
        return texto;
    const int d = anchura - int(texto.size());
    if (modo == 1) {
        // A text wider than its column (a long shop name in double size) goes out unpadded.
        if (d < 0)
            return texto;
        // Half of an odd gap goes to the even neighbour: 2.5 gives 2, 3.5 gives 4.
        const int mitad = d / 2 + ((d % 2 == 1 && (d / 2) % 2 == 1) ? 1 : 0);
        const QString blancos(mitad, QLatin1Char(' '));
        return blancos + texto + blancos;
    }
    if (modo == 2)
        return QString(qMax(d, 0), QLatin1Char(' ')) + texto;
    return {};
}

QString PartirLineas(const QString &texto)
{
    const int limite = 32;
    QString resto = texto;
    QString partido;
    while (resto.size() >= limite) {
        int corte = int(resto.left(limite).lastIndexOf(QLatin1Char(' '))) + 1;
        if (corte == 0)
            corte = limite; // a word of 32 letters or more is cut where the line ends
        partido += resto.left(corte) + QStringLiteral("\r\n");
        resto = resto.mid(corte);
    }
    return partido + resto;
}

void ImprimirCabeceraTicket()
{
    const ValoresPrograma &g = G();
    ImprimirLineaTicket(AlinearTexto(g.nombre, 1, 16), 0, 1, 0, 0, 1);
    const QStringList lineas = {Guiones32,
                                g.nombretienda,
                                QStringLiteral("N.I.F.: ") + g.nif,
                                g.direccion,
                                QStringLiteral("Tel:. ") + g.telefono,
                                g.cp + QStringLiteral(" ") + g.localidad,
                                Guiones32};
    for (const QString &t : lineas)
        LineaNormal(AlinearTexto(t, 1));
}

void ImprimirPieTicket()
{
    const ValoresPrograma &g = G();
    LineaEnBlanco(1);
    LineaEnBlanco(1);
    for (const QString &pie : QStringList{g.pie1, g.pie2, g.pie3, g.pie4, g.pie5, g.pie6})
        LineaNormal(AlinearTexto(pie, 1));
    LineaEnBlanco(1);
    ImprimirLineaTicket(AlinearTexto(QStringLiteral("Hilván, programa de arreglos"), 2), 1, 1, 0, 0, 0);
    CortarTicket();
}

void CortarTicket()
{
    for (int i = 0; i < 9; ++i)
        LineaEnBlanco(0);
    Enviar(Secuencia('i', '\r'));
}

void AbrirCajon()
{
    // Pulse on the drawer pin for 50 ms, then 500 ms off: the drawer springs open at once.
    Enviar(QByteArray(1, ESC) + 'p' + char(0) + char(25) + char(250));
}
