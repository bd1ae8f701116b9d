#include "ValoresOrigen.h"

#include "core/Fechas.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

const QRegularExpression &ReBarras()
{
    static const QRegularExpression re(QStringLiteral(R"(^(\d{1,2})/(\d{1,2})/(\d{2}|\d{4})(\s.*)?$)"));
    return re;
}

} // namespace

std::optional<qint64> EnteroOrigen(const QString &texto, QString &motivo)
{
    const QString t = texto.trimmed();
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (ok && n >= INT32_MIN && n <= INT32_MAX)
        return n;
    static const QStringList si = {QStringLiteral("true"), QStringLiteral("verdadero"), QStringLiteral("sí"),
                                   QStringLiteral("si"), QStringLiteral("yes")};
    static const QStringList no = {QStringLiteral("false"), QStringLiteral("falso"), QStringLiteral("no")};
    if (si.contains(t.toLower()))
        return 1;
    if (no.contains(t.toLower()))
        return 0;
    motivo = QStringLiteral("«%1» no es un número entero").arg(t);
    return std::nullopt;
}

std::optional<qint64> CentimosOrigen(const QString &texto, QString &motivo)
{
    QString t = texto.trimmed();
    // Most amounts are already written as the database keeps them ("12.50", "-3").
    bool sencillo = !t.isEmpty() && t.size() < 12;
    int puntos = 0;
    for (qsizetype i = 0; sencillo && i < t.size(); ++i) {
        const QChar c = t[i];
        puntos += c == QLatin1Char('.');
        sencillo =
            (c.isDigit() && c.unicode() < 128) || (c == QLatin1Char('-') && i == 0) || c == QLatin1Char('.');
    }
    if (sencillo && puntos <= 1 && t != QLatin1String("-") && t != QLatin1String(".")) {
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (ok)
            return qint64(std::llround(v * 100));
    }
    t.remove(QChar(0x20AC)).remove(QLatin1Char(' ')).remove(QChar(0xA0));
    // The last point or comma is the decimal one; the other, if any, only groups thousands.
    const qsizetype punto = t.lastIndexOf(QLatin1Char('.'));
    const qsizetype coma = t.lastIndexOf(QLatin1Char(','));
    const QChar agrupa = punto > coma ? QLatin1Char(',') : QLatin1Char('.');
    t.remove(agrupa).replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression re(QStringLiteral(R"(^[-+]?(\d+(\.\d*)?|\.\d+)([eE][-+]?\d+)?$)"));
    bool ok = re.match(t).hasMatch();
    const double v = ok ? t.toDouble(&ok) : 0;
    if (!ok || std::fabs(v) >= 1e10) {
        motivo = QString::fromUtf8("«%1» no es un importe").arg(texto.trimmed());
        return std::nullopt;
    }
    return qint64(std::llround(v * 100));
}

QString TextoCentimos(qint64 c)
{
    const qint64 a = c < 0 ? -c : c;
    return QLatin1String(c < 0 ? "-" : "") + QString::number(a / 100) + QLatin1Char('.')
           + QString::number(a % 100).rightJustified(2, QLatin1Char('0'));
}

QString TextoOrigen(const QString &texto)
{
    if (std::none_of(texto.begin(), texto.end(),
                     [](QChar c) { return c.category() == QChar::Other_Control || c == QChar(0xFEFF); }))
        return texto.trimmed();
    // A line break or a tab kept two words apart ("3" and "2º izqda." of an address): a run of them,
    // with the spaces around it, becomes one space.
    auto separa = [](QChar c) {
        return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') || c == QChar(0x0B)
               || c == QChar(0x0C);
    };
    QString r;
    r.reserve(texto.size());
    bool hueco = false;
    for (const QChar c : texto) {
        if (separa(c)) {
            hueco = true;
            while (r.endsWith(QLatin1Char(' ')))
                r.chop(1);
        } else if (c.category() != QChar::Other_Control && c != QChar(0xFEFF)) {
            if (hueco && c == QLatin1Char(' '))
                continue;
            if (hueco && !r.isEmpty())
                r += QLatin1Char(' ');
            hueco = false;
            r += c;
        }
    }
    return r.trimmed();
}

bool LectorFechas::IsoCompleta(const QString &t)
{
    if (t.size() != 19 || t[4] != QLatin1Char('-') || t[7] != QLatin1Char('-') || t[10] != QLatin1Char(' ')
        || t[13] != QLatin1Char(':') || t[16] != QLatin1Char(':'))
        return false;
    auto numero = [&](int desde, int cifras) {
        int n = 0;
        for (int i = desde; i < desde + cifras; ++i) {
            if (!t[i].isDigit())
                return -1;
            n = n * 10 + t[i].digitValue();
        }
        return n;
    };
    return QDate::isValid(numero(0, 4), numero(5, 2), numero(8, 2))
           && QTime::isValid(numero(11, 2), numero(14, 2), numero(17, 2));
}

void LectorFechas::Observar(const QString &texto)
{
    const auto m = ReBarras().match(texto.trimmed());
    if (!m.hasMatch())
        return;
    diaDelante_ |= m.captured(1).toInt() > 12;
    mesDelante_ |= m.captured(2).toInt() > 12;
}

QString LectorFechas::Decidir()
{
    if (diaDelante_ && mesDelante_)
        return QString::fromUtf8(
            "unas fechas llevan el día delante y otras el mes: no se puede saber cuál es cuál");
    return {};
}

std::optional<QDateTime> LectorFechas::Leer(const QString &texto, QString &motivo) const
{
    QString t = texto.trimmed();
    if (const auto m = ReBarras().match(t); m.hasMatch()) {
        const bool mesDelante = mesDelante_ || (!diaDelante_ && m.captured(3).size() == 2);
        if (mesDelante)
            t = m.captured(2) + QLatin1Char('/') + m.captured(1) + QLatin1Char('/') + m.captured(3)
                + m.captured(4);
    }
    const QDateTime f = FechaDeTexto(t);
    if (!f.isValid()) {
        motivo = QString::fromUtf8("«%1» no es una fecha").arg(texto.trimmed());
        return std::nullopt;
    }
    return f;
}
