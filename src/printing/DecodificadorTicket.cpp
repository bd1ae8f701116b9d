#include "DecodificadorTicket.h"

#include "TablaImpresora.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

const unsigned char ESC = 27, GS = 29, LF = 10;
// The printer's defaults until the ticket says otherwise.
const int AltoBarrasInicial = 162, AnchoModuloInicial = 3;

struct Estado {
    int modo = 0; // ESC ! n: 16 double height, 32 double width
    bool rojo = false;
    int altoBarras = AltoBarrasInicial;
    int anchoModulo = AnchoModuloInicial;
};

LineaImpresa Linea(LineaImpresa::Tipo tipo, const QString &texto, const Estado &e)
{
    LineaImpresa l;
    l.tipo = tipo;
    l.texto = texto;
    l.dobleAlto = e.modo & 16;
    l.dobleAncho = e.modo & 32;
    l.rojo = e.rojo;
    l.altoBarras = e.altoBarras;
    l.anchoModulo = e.anchoModulo;
    return l;
}

} // namespace

QList<LineaImpresa> DecodificarTicket(const QByteArray &bytes)
{
    QList<LineaImpresa> lineas;
    Estado e;
    QString texto;
    const int n = int(bytes.size());
    auto Byte = [&](int i) { return i < n ? (unsigned char)bytes[i] : 0; };
    auto Vaciar = [&] {
        if (!texto.isEmpty())
            lineas.append(Linea(LineaImpresa::Texto, texto, e));
        texto.clear();
    };

    for (int i = 0; i < n; ++i) {
        const unsigned char b = Byte(i);
        if (b == ESC) {
            const unsigned char orden = Byte(++i);
            if (orden == '!') {
                e.modo = Byte(++i);
            } else if (orden == 'r') {
                const unsigned char v = Byte(++i);
                e.rojo = v == 1 || v == '1';
            } else if (orden == 'i' || orden == 'm') {
                Vaciar();
                lineas.append(Linea(LineaImpresa::Corte, {}, e));
            } else if (orden == 'p') {
                lineas.append(Linea(LineaImpresa::Cajon, {}, e));
                i += 3;
            } else if (orden == '@') {
                e = Estado();
            }
        } else if (b == GS) {
            const unsigned char orden = Byte(++i);
            if (orden == 'h') {
                e.altoBarras = Byte(++i);
            } else if (orden == 'w') {
                e.anchoModulo = Byte(++i);
            } else if (orden == 'k') {
                // Symbologies 0 to 6 end their data with NUL; 65 and up give its length first.
                const unsigned char sistema = Byte(++i);
                QString datos;
                if (sistema <= 6) {
                    while (i + 1 < n && Byte(i + 1) != 0)
                        datos += QChar(Byte(++i));
                    ++i;
                } else {
                    const int largo = Byte(++i);
                    for (int k = 0; k < largo && i + 1 < n; ++k)
                        datos += QChar(Byte(++i));
                }
                Vaciar();
                lineas.append(Linea(LineaImpresa::CodigoBarras, datos, e));
            }
        } else if (b == LF) {
            lineas.append(Linea(LineaImpresa::Texto, texto, e));
            texto.clear();
        } else if (b >= 32) {
            texto += CaracterImpresora(b); // CR and the other control bytes print nothing
        }
    }
    Vaciar();
    return lineas;
}

QString ModulosEAN13(const QString &digitos)
{
    static const QRegularExpression trece(QStringLiteral("^\\d{13}$"));
    if (!trece.match(digitos).hasMatch())
        return {};
    // Set A of each digit; set C is its complement and set B set C reversed.
    static const char *const A[] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                    "0110001", "0101111", "0111011", "0110111", "0001011"};
    // The first digit is not drawn: it chooses set A or B for each digit of the left half.
    static const char *const Paridad[] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                          "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
    auto C = [](int d) {
        QString m = QString::fromLatin1(A[d]);
        for (QChar &c : m)
            c = c == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
        return m;
    };
    const char *paridad = Paridad[digitos[0].digitValue()];
    QString modulos = QStringLiteral("101");
    for (int i = 1; i <= 6; ++i) {
        const int d = digitos[i].digitValue();
        if (paridad[i - 1] == 'A') {
            modulos += QString::fromLatin1(A[d]);
        } else {
            QString b = C(d);
            std::reverse(b.begin(), b.end());
            modulos += b;
        }
    }
    modulos += QStringLiteral("01010");
    for (int i = 7; i <= 12; ++i)
        modulos += C(digitos[i].digitValue());
    return modulos + QStringLiteral("101");
}
