#include "LiteralesSQL.h"

#include "Fechas.h"

QString ComillasSQL(const QString &texto)
{
    QString t = texto;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

QString PatronContiene(const QString &texto)
{
    QString literal;
    literal.reserve(texto.size() + 4);
    for (QChar c : texto) {
        if (c == u'!' || c == u'%' || c == u'_')
            literal += u'!';
        literal += c;
    }
    return ComillasSQL(QLatin1Char('%') + literal + QLatin1Char('%')) + QStringLiteral(" escape '!'");
}

QString LiteralFechaSQL(const QDateTime &fecha)
{
    if (!fecha.isValid())
        return QStringLiteral("Null");
    return QLatin1Char('\'') + fecha.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('\'');
}

QString LiteralFechaSQL(const QString &texto)
{
    if (texto.isEmpty())
        return QStringLiteral("Null");
    const QDateTime f = FechaDeTexto(texto);
    if (!f.isValid())
        return ComillasSQL(texto); // let the database refuse what is not a date
    return LiteralFechaSQL(f);
}

QString FechaSQL(const QString &valor, int esSqlServer)
{
    if (valor.isEmpty())
        return QStringLiteral("Null");
    if (esSqlServer == 1)
        return QStringLiteral("convert(datetime,'") + valor + QStringLiteral("')");
    return LiteralFechaSQL(valor);
}
