#include "Csv.h"

#include <QStringDecoder>

namespace {

// The characters Windows-1252 puts where Latin-1 has control codes (0x80 to 0x9F); the five
// unused places stay as they are.
constexpr char16_t Windows1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString DecodificarTexto(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                      : QStringConverter::Utf16BE);
        return QString(d(bytes.mid(2)));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString texto = utf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    if (!utf8.hasError())
        return texto;
    texto.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = uchar(bytes[i]);
        texto[i] = QChar(b >= 0x80 && b < 0xA0 ? Windows1252[b - 0x80] : char16_t(b));
    }
    return texto;
}

LectorCsv::LectorCsv(const QString &texto) : texto_(texto)
{
    int comas = 0, puntoycomas = 0, tabuladores = 0;
    bool comillas = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c == QLatin1Char('"'))
            comillas = !comillas;
        else if (!comillas && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!comillas)
            comas += c == QLatin1Char(','), puntoycomas += c == QLatin1Char(';'),
                tabuladores += c == QLatin1Char('\t');
    }
    separador_ = tabuladores > comas && tabuladores > puntoycomas ? QLatin1Char('\t')
                 : puntoycomas > comas                            ? QLatin1Char(';')
                                                                  : QLatin1Char(',');
}

bool LectorCsv::Siguiente(std::vector<CampoCsv> &campos)
{
    campos.clear();
    const qsizetype n = texto_.size();
    // Blank lines between rows (a file ending in several line breaks) are no rows.
    while (pos_ < n && (texto_[pos_] == QLatin1Char('\n') || texto_[pos_] == QLatin1Char('\r')))
        ++pos_;
    if (pos_ >= n)
        return false;
    CampoCsv campo;
    while (true) {
        if (pos_ < n && texto_[pos_] == QLatin1Char('"')) {
            campo.entrecomillado = true;
            ++pos_;
            while (pos_ < n) {
                qsizetype cierre = texto_.indexOf(QLatin1Char('"'), pos_);
                if (cierre < 0)
                    cierre = n;
                campo.texto += QStringView(texto_).mid(pos_, cierre - pos_);
                pos_ = cierre + 1;
                if (pos_ < n && texto_[pos_] == QLatin1Char('"')) {
                    campo.texto += QLatin1Char('"');
                    ++pos_;
                } else {
                    break;
                }
            }
        }
        // Unquoted text, or what follows a closing quote up to the separator.
        const qsizetype inicio = pos_;
        while (pos_ < n && texto_[pos_] != separador_ && texto_[pos_] != QLatin1Char('\n')
               && texto_[pos_] != QLatin1Char('\r'))
            ++pos_;
        campo.texto += QStringView(texto_).mid(inicio, pos_ - inicio);
        campos.push_back(std::move(campo));
        campo = CampoCsv();
        if (pos_ < n && texto_[pos_] == separador_) {
            ++pos_;
            continue;
        }
        if (pos_ < n && texto_[pos_] == QLatin1Char('\r'))
            ++pos_;
        if (pos_ < n && texto_[pos_] == QLatin1Char('\n'))
            ++pos_;
        return true;
    }
}

QString CampoEscrito(const QString &texto, QChar separador, bool comillas)
{
    if (!comillas && !texto.contains(separador) && !texto.contains(QLatin1Char('"'))
        && !texto.contains(QLatin1Char('\n')) && !texto.contains(QLatin1Char('\r')))
        return texto;
    QString r = texto;
    r.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + r + QLatin1Char('"');
}
