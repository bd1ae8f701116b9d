#include "Fechas.h"

#include "Programa.h"
#include "Reloj.h"

#include <QRegularExpression>

namespace {

// A two-digit year is the one nearest to today: "30" is 2030 in 2026, "00" is 2100 at the end of 2099.
int SigloCercano(int dosCifras)
{
    const int hoy = RelojPrograma().Ahora().date().year();
    int a = hoy - hoy % 100 + dosCifras;
    if (a - hoy > 50)
        a -= 100;
    else if (hoy - a > 50)
        a += 100;
    return a;
}

} // namespace

QDateTime FechaDeTexto(const QString &texto)
{
    const QString t = texto.trimmed();
    static const QRegularExpression reProg(
        QStringLiteral(R"(^(\d{1,2})/(\d{1,2})/(\d{2}|\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?$)"));
    static const QRegularExpression reIso(
        QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2}))?(?:\.\d+)?)?$)"));
    int d, m, a, h = 0, mi = 0, s = 0;
    QRegularExpressionMatch r = reProg.match(t);
    if (r.hasMatch()) {
        d = r.captured(1).toInt();
        m = r.captured(2).toInt();
        a = r.captured(3).toInt();
        if (r.captured(3).size() == 2)
            a = SigloCercano(a);
    } else {
        r = reIso.match(t);
        if (!r.hasMatch())
            return {};
        a = r.captured(1).toInt();
        m = r.captured(2).toInt();
        d = r.captured(3).toInt();
    }
    if (!r.captured(4).isEmpty()) {
        h = r.captured(4).toInt();
        mi = r.captured(5).toInt();
        s = r.captured(6).toInt();
    }
    const QDate fecha(a, m, d);
    const QTime hora(h, mi, s);
    if (!fecha.isValid() || !hora.isValid())
        return {};
    return QDateTime(fecha, hora);
}

QString TextoDeFecha(const QDateTime &fecha)
{
    if (!fecha.isValid())
        return {};
    if (fecha.time() == QTime(0, 0))
        return fecha.toString(QStringLiteral("dd/MM/yyyy"));
    return fecha.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

QString FormatoFecha(const QVariant &valor, const QString &formato)
{
    if (valor.isNull() || !valor.isValid())
        return {};
    QDateTime f;
    if (valor.metaType().id() == QMetaType::QDateTime)
        f = valor.toDateTime();
    else if (valor.metaType().id() == QMetaType::QDate)
        f = QDateTime(valor.toDate(), QTime(0, 0));
    else
        f = FechaDeTexto(valor.toString());
    if (!f.isValid())
        return {};
    return f.toString(formato);
}
