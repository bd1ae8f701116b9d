#include "Dialecto.h"

#include "Fechas.h"

#include <QRegularExpression>

namespace {

struct Trozo {
    QString texto;
    bool literal;
};

// Splits the statement into code and quoted literals ('' inside a literal stays in it).
QList<Trozo> Trocear(const QString &sql)
{
    QList<Trozo> trozos;
    QString actual;
    bool enLiteral = false;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!enLiteral) {
            if (c == u'\'') {
                if (!actual.isEmpty())
                    trozos.append({actual, false});
                actual = c;
                enLiteral = true;
            } else {
                actual += c;
            }
        } else {
            actual += c;
            if (c == u'\'') {
                if (i + 1 < sql.size() && sql[i + 1] == u'\'') {
                    actual += sql[++i];
                } else {
                    trozos.append({actual, true});
                    actual.clear();
                    enLiteral = false;
                }
            }
        }
    }
    if (!actual.isEmpty())
        trozos.append({actual, enLiteral});
    return trozos;
}

QString LiteralFecha(const QDateTime &f, Motor motor)
{
    const QString iso =
        QLatin1Char('\'') + f.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('\'');
    return motor == Motor::PostgreSQL ? QStringLiteral("CAST(%1 AS timestamp)").arg(iso) : iso;
}

// convert(datetime,'d/m/yyyy') becomes the backend's own date literal. The date is a literal of
// its own between two pieces of code, so text the user typed can never be taken for one.
void ResolverConvert(QList<Trozo> &trozos, Motor motor)
{
    static const QRegularExpression reAbre(QStringLiteral(R"(convert\s*\(\s*datetime\s*,\s*$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression reCierra(QStringLiteral(R"(^\s*\))"));
    for (qsizetype i = 0; i + 2 < trozos.size(); ++i) {
        Trozo &antes = trozos[i];
        Trozo &fecha = trozos[i + 1];
        Trozo &despues = trozos[i + 2];
        if (antes.literal || !fecha.literal || despues.literal)
            continue;
        const auto abre = reAbre.match(antes.texto);
        const auto cierra = reCierra.match(despues.texto);
        if (!abre.hasMatch() || !cierra.hasMatch())
            continue;
        const QString texto =
            fecha.texto.mid(1, fecha.texto.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
        const QDateTime f = FechaDeTexto(texto);
        // What is not a date goes to the server as it came, for the server to refuse.
        if (f.isValid())
            fecha.texto = LiteralFecha(f, motor);
        else if (motor == Motor::PostgreSQL)
            fecha.texto = QStringLiteral("CAST(%1 AS timestamp)").arg(fecha.texto);
        antes.texto.truncate(abre.capturedStart());
        despues.texto.remove(0, cierra.capturedLength());
        ++i; // what follows the date may open the next convert(), as in "between ... and ..."
    }
}

} // namespace

QString Dialecto::Traducir(const QString &sql, Motor motor, const QDateTime &ahora)
{
    static const QRegularExpression reTop(QStringLiteral(R"(^(\s*select\s+(?:distinct\s+)?)top\s+(\d+)\s+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression reCorchetes(QStringLiteral(R"(\[([A-Za-z_][A-Za-z0-9_]*)\])"));
    static const QRegularExpression reAhora(QStringLiteral(R"(\b(?:now|getdate)\s*\(\s*\))"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression reLike(QStringLiteral(R"(\blike\b)"),
                                           QRegularExpression::CaseInsensitiveOption);

    QList<Trozo> trozos = Trocear(sql);
    ResolverConvert(trozos, motor);
    QString limite;
    bool primero = true;
    for (Trozo &t : trozos) {
        if (t.literal)
            continue;
        if (primero) {
            const auto m = reTop.match(t.texto);
            if (m.hasMatch()) {
                limite = m.captured(2);
                t.texto.replace(0, m.capturedLength(), m.captured(1));
            }
            primero = false;
        }
        t.texto.replace(reCorchetes, QStringLiteral("\\1"));
        if (t.texto.contains(QStringLiteral("now"), Qt::CaseInsensitive)
            || t.texto.contains(QStringLiteral("getdate"), Qt::CaseInsensitive))
            t.texto.replace(reAhora, ahora.isValid() ? LiteralFecha(ahora, motor)
                                     : motor == Motor::PostgreSQL
                                         ? QStringLiteral("LOCALTIMESTAMP(0)")
                                         : QStringLiteral("datetime('now','localtime')"));
        if (motor == Motor::PostgreSQL)
            t.texto.replace(reLike, QStringLiteral("ilike"));
    }
    QString salida;
    for (const Trozo &t : trozos)
        salida += t.texto;
    if (!limite.isEmpty()) {
        while (salida.endsWith(u' ') || salida.endsWith(u';') || salida.endsWith(u'\n'))
            salida.chop(1);
        salida += QStringLiteral(" LIMIT ") + limite;
    }
    return salida;
}
