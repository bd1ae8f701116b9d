#include "TablaImpresora.h"

namespace {

// Characters of the bytes 128 to 255.
const char16_t AltaMitad[] = u"ÇüéâäàåçêëèïîìÄÅ"
                             u"ÉæÆôöòûùÿÖÜ¢£¥₧ƒ"
                             u"áíóúñÑªº¿⌐¬½¼¡«»"
                             u"░▒▓│┤╡╢╖╕╣║╗╝╜╛┐"
                             u"└┴┬├─┼╞╟╚╔╩╦╠═╬╧"
                             u"╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀"
                             u"αßΓπΣσµτΦΘΩδ∞φε∩"
                             u"≡±≥≤⌠⌡÷≈°∙·√ⁿ²■\u00a0";

} // namespace

char ByteImpresora(QChar c)
{
    if (c.unicode() < 128)
        return char(c.unicode());
    for (int i = 0; i < 128; ++i) {
        if (AltaMitad[i] == c.unicode())
            return char(128 + i);
    }
    return '?';
}

QChar CaracterImpresora(unsigned char byte)
{
    return byte < 128 ? QChar(byte) : QChar(AltaMitad[byte - 128]);
}
