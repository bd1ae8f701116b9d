#include "Formato.h"

#include "Fechas.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>

QString ComillasSQL(const QString &texto)
{
    QString t = texto;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

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

QString FechaSQL(const QString &valor, int esSqlServer)
{
    if (valor.isEmpty())
        return QStringLiteral("Null");
    if (esSqlServer == 1)
        return QStringLiteral("convert(datetime,'") + valor + QStringLiteral("')");
    return LiteralFechaSQL(valor);
}

double RedondearImporte(double valor)
{
    // A tiny nudge so that 2.675 (stored as 2.67499...) rounds up like the cash register does.
    const double c = valor * 100.0;
    return std::round(c + (c >= 0 ? 1e-7 : -1e-7)) / 100.0;
}

QString FormatoImporte(double valor)
{
    const double r = RedondearImporte(valor);
    const long long centimos = std::llround(std::fabs(r) * 100.0);
    QString enteros = QString::number(centimos / 100);
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
    switch (valor.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return FormatoImporte(valor.toDouble());
    default:
        return FormatoImporte(valor.toString());
    }
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
    switch (valor.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return valor.toDouble();
    default: {
        bool ok = false;
        const double v = valor.toString().toDouble(&ok);
        return ok ? v : Val(valor.toString());
    }
    }
}

bool EsNumero(const QString &texto)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*[+-]?\s*(\d{1,3}(,\d{3})+|\d+)?(\.\d*)?\s*$)"));
    const QString t = texto.trimmed();
    if (t.isEmpty() || t == QLatin1String(".") || t == QLatin1String("-") || t == QLatin1String("+"))
        return false;
    const auto m = re.match(t);
    if (!m.hasMatch())
        return false;
    // a lone sign or point is not a number
    return t.contains(QRegularExpression(QStringLiteral("\\d")));
}
