#include "Formato.h"

#include "Fechas.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>

QString ReemplazarCaracter(const QString &texto, QChar caracter, const QString &reemplazo)
{
    QString salida;
    salida.reserve(texto.size());
    for (QChar c : texto) {
        if (c == caracter)
            salida += reemplazo;
        else
            salida += c;
    }
    return salida;
}

double RedondearImporte(double valor)
{
    // A tiny nudge so that 2.675 (stored as 2.67499...) rounds up like the cash register does.
    const double c = valor * 100.0;
    return std::round(c + (c >= 0 ? 1e-7 : -1e-7)) / 100.0;
}

namespace {

// A value the driver hands over as a number rather than as text.
bool EsNumerico(const QVariant &valor)
{
    switch (valor.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

QString FormatoImporte(double valor)
{
    const double r = RedondearImporte(valor);
    // Beyond what cents in a 64-bit integer hold, the figure is written whole rather than wrapped.
    const bool enorme = !(std::fabs(r) < 1e15);
    const long long centimos = enorme ? 0 : std::llround(std::fabs(r) * 100.0);
    QString enteros = enorme ? QString::number(std::fabs(r), 'f', 0) : QString::number(centimos / 100);
    for (int i = enteros.size() - 3; i > 0; i -= 3)
        enteros.insert(i, QLatin1Char(','));
    const QString decimales = QStringLiteral("%1").arg(centimos % 100, 2, 10, QLatin1Char('0'));
    return (r < 0 ? QStringLiteral("-") : QString()) + enteros + QLatin1Char('.') + decimales;
}

QString FormatoImporte(const QString &valor)
{
    if (valor.trimmed().isEmpty())
        return valor;
    if (!EsNumero(valor))
        return valor;
    return FormatoImporte(Val(valor));
}

QString FormatoImporte(const QVariant &valor)
{
    if (valor.isNull() || !valor.isValid())
        return {};
    return EsNumerico(valor) ? FormatoImporte(valor.toDouble()) : FormatoImporte(valor.toString());
}

QString FormatoDosDecimales(double valor)
{
    const double r = RedondearImporte(valor);
    return QString::number(r == 0 ? 0.0 : r, 'f', 2);
}

QString TextoNumero(double valor)
{
    if (valor == 0)
        return QStringLiteral("0");
    QString t = QString::number(valor, 'f', 10);
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    if (t == QStringLiteral("-0"))
        t = QStringLiteral("0");
    return t;
}

QString TextoDeValor(const QVariant &valor)
{
    if (valor.isNull() || !valor.isValid())
        return {};
    switch (valor.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return TextoNumero(valor.toDouble());
    case QMetaType::QDateTime:
        return TextoDeFecha(valor.toDateTime());
    case QMetaType::QDate:
        return TextoDeFecha(QDateTime(valor.toDate(), QTime(0, 0)));
    case QMetaType::Bool:
        return valor.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return valor.toString();
    }
}

QString NuloABlanco(const QVariant &valor)
{
    return TextoDeValor(valor);
}

QString NuloACero(const QVariant &valor)
{
    if (valor.isNull() || !valor.isValid())
        return QStringLiteral("0");
    return TextoDeValor(valor);
}

void QuitarAcentos(QString &texto)
{
    static const QString con = QStringLiteral("áéíóúÁÉÍÓÚ");
    static const QString sin = QStringLiteral("aeiouAEIOU");
    for (int i = 0; i < con.size(); ++i)
        texto.replace(con[i], sin[i]);
}

double Val(const QString &texto)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*([+-]?)\s*(\d*)(?:\.(\d*))?)"));
    QString t = texto;
    t.remove(QLatin1Char(','));
    const auto m = re.match(t);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return 0;
    const QString numero = (m.captured(2).isEmpty() ? QStringLiteral("0") : m.captured(2)) + QLatin1Char('.')
                           + (m.captured(3).isEmpty() ? QStringLiteral("0") : m.captured(3));
    const double v = numero.toDouble();
    return m.captured(1) == QLatin1String("-") ? -v : v;
}

double NumeroDeValor(const QVariant &valor)
{
    if (valor.isNull() || !valor.isValid())
        return 0;
    if (EsNumerico(valor))
        return valor.toDouble();
    bool ok = false;
    const double v = valor.toString().toDouble(&ok);
    return ok ? v : Val(valor.toString());
}

bool EsNumero(const QString &texto)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*[+-]?\s*(\d{1,3}(,\d{3})+|\d+)?(\.\d*)?\s*$)"));
    const QString t = texto.trimmed();
    if (t.isEmpty() || t == QLatin1String(".") || t == QLatin1String("-") || t == QLatin1String("+"))
        return false;
    const auto m = re.match(t);
    if (!m.hasMatch())
        return false;
    // a lone sign or point is not a number
    return t.contains(QRegularExpression(QStringLiteral("\\d")));
}

std::optional<double> LeerImporte(const QString &texto, QString *motivo)
{
    const QString t = texto.trimmed();
    const QString citado = QString::fromUtf8("«") + (t.size() > 20 ? t.left(20) + QString::fromUtf8("…") : t)
                           + QString::fromUtf8("»");
    auto Rechazar = [motivo](const QString &m) -> std::optional<double> {
        if (motivo)
            *motivo = m;
        return std::nullopt;
    };
    if (t.isEmpty())
        return Rechazar(QStringLiteral("Escriba un importe."));

    static const QRegularExpression forma(QStringLiteral(R"(^(\d{1,3}(?:,\d{3})+|\d*)(?:\.(\d*))?$)"));
    const bool negativo = t.startsWith(u'-');
    const auto m = forma.match(negativo ? t.mid(1).trimmed() : t);
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty()))
        return Rechazar(citado + QString::fromUtf8(" no es un importe válido."));
    if (negativo)
        return Rechazar(QString::fromUtf8("El importe no puede ser negativo: ") + citado + QLatin1Char('.'));

    QString decimales = m.captured(2);
    while (decimales.size() > 2 && decimales.endsWith(u'0'))
        decimales.chop(1);
    if (decimales.size() > 2)
        return Rechazar(QString::fromUtf8("Un importe lleva como mucho dos decimales: ") + citado
                        + QLatin1Char('.'));

    // Counted in digits, before any conversion, so that no length of figure can overflow.
    QString enteros = m.captured(1);
    enteros.remove(u',');
    while (enteros.startsWith(u'0'))
        enteros.remove(0, 1);
    const double valor = (enteros.isEmpty() ? QStringLiteral("0") : enteros).toDouble()
                         + (decimales.isEmpty() ? 0.0 : (QStringLiteral("0.") + decimales).toDouble());
    if (enteros.size() > 5 || valor > ImporteMaximo)
        return Rechazar(QString::fromUtf8("El importe ") + citado + QString::fromUtf8(" pasa del máximo de ")
                        + FormatoImporte(ImporteMaximo) + QString::fromUtf8(" €."));
    return RedondearImporte(valor);
}

QString MotivoTextoNoAdmitido(const QString &texto, const QString &campo)
{
    qsizetype caracteres = 0;
    for (qsizetype i = 0; i < texto.size(); ++i, ++caracteres) {
        char32_t c = texto[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(texto[i], texto[i + 1]); // one character in two halves
            ++i;
        }
        // A lone half or a non-character has no form the database gives back; a control character
        // would break the ticket line or the cell it is printed in (and the server refuses a NUL
        // outright); a byte-order mark at the start of a name is dropped by the drivers on reading.
        if (QChar::isSurrogate(c) || QChar::isNonCharacter(c) || QChar::category(c) == QChar::Other_Control
            || c == QChar::ByteOrderMark)
            return QString::fromUtf8("«") + campo
                   + QString::fromUtf8("» lleva caracteres invisibles o incompletos (saltos de línea, "
                                       "tabuladores, caracteres de control) que no se pueden guardar. "
                                       "Escríbalo de nuevo.");
    }
    if (caracteres > LargoMaximoTexto)
        return QString::fromUtf8("«") + campo + QString::fromUtf8("» admite como mucho ")
               + QString::number(LargoMaximoTexto) + QString::fromUtf8(" caracteres; tiene ")
               + QString::number(caracteres) + QLatin1Char('.');
    return {};
}

std::optional<qint64> LeerNumeroArreglo(const QString &texto)
{
    static const QRegularExpression digitos(QStringLiteral("^[0-9]{1,9}$"));
    const QString t = texto.trimmed();
    if (!digitos.match(t).hasMatch())
        return std::nullopt;
    return t.toLongLong();
}
