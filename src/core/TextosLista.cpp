#include "TextosLista.h"

#include "Fechas.h"
#include "Formato.h"

#include <QDate>

QString TextosLista::Compartido(const QString &texto)
{
    auto it = textos_.constFind(texto);
    if (it != textos_.constEnd())
        return *it;
    if (textos_.size() > 200000) // a list of unique texts would only grow the table
        textos_.clear();
    textos_.insert(texto, texto);
    return texto;
}

QString TextosLista::Fecha(const QVariant &valor)
{
    // The embedded engine hands dates as ISO text, the server as date-times: either way one
    // text per day, made once.
    int dia = 0;
    if (valor.metaType().id() == QMetaType::QString) {
        const QString t = valor.toString();
        const QStringView v(t);
        if (t.size() >= 10 && t[4] == u'-' && t[7] == u'-')
            dia = v.left(4).toInt() * 10000 + v.mid(5, 2).toInt() * 100 + v.mid(8, 2).toInt();
    } else if (valor.metaType().id() == QMetaType::QDateTime || valor.metaType().id() == QMetaType::QDate) {
        const QDate d = valor.toDate();
        dia = d.year() * 10000 + d.month() * 100 + d.day();
    }
    const QDate d(dia / 10000, dia / 100 % 100, dia % 100);
    if (!d.isValid())
        return FormatoFecha(valor, QStringLiteral("dd/MM/yy"));
    auto it = fechas_.constFind(dia);
    if (it != fechas_.constEnd())
        return *it;
    return *fechas_.insert(dia, d.toString(QStringLiteral("dd/MM/yy")));
}

QString TextosLista::Importe(double importe)
{
    auto it = importes_.constFind(importe);
    if (it != importes_.constEnd())
        return *it;
    return *importes_.insert(importe, FormatoDosDecimales(importe));
}

QString TextosLista::ImporteConMiles(double importe)
{
    auto it = conMiles_.constFind(importe);
    if (it != conMiles_.constEnd())
        return *it;
    return *conMiles_.insert(importe, FormatoImporte(importe));
}

void TextosLista::Vaciar()
{
    textos_.clear();
    fechas_.clear();
    importes_.clear();
    conMiles_.clear();
}
