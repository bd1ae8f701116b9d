#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The text of a file exported by another program: UTF-8 (with or without its mark), UTF-16 with
// its mark, or else Windows-1252, as the shop's older tools write it.
QString DecodificarTexto(const QByteArray &bytes);

// One field of a row. A field written between quotes is text even when empty; an empty field
// without quotes is no value at all (Null), as the exporting tools write them.
struct CampoCsv {
    QString texto;
    bool entrecomillado = false;
};

// Reads rows of comma-, semicolon- or tab-separated values (the separator is the one the first
// row uses most), fields in double quotes with "" for a quote inside, line breaks within quotes.
class LectorCsv
{
public:
    explicit LectorCsv(const QString &texto);
    // The next row into `campos`; false at the end of the text.
    bool Siguiente(std::vector<CampoCsv> &campos);
    QChar Separador() const { return separador_; }
    double Leido() const { return texto_.isEmpty() ? 1.0 : double(pos_) / double(texto_.size()); }

private:
    const QString &texto_;
    qsizetype pos_ = 0;
    QChar separador_;
};

// A field for a file LectorCsv reads back: between quotes when it must be (or when `comillas`).
QString CampoEscrito(const QString &texto, QChar separador, bool comillas);
