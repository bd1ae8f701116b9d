#include "ui/printing/TextoPlano.h"

#include <QAbstractButton>

Etiqueta::Etiqueta(QWidget *padre) : QLabel(padre)
{
    setTextFormat(Qt::PlainText);
}

Etiqueta::Etiqueta(const QString &texto, QWidget *padre) : Etiqueta(padre)
{
    setText(texto);
}

QString TextoBoton(const QString &texto)
{
    return QString(texto).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void PonerTextoBoton(QAbstractButton *boton, const QString &texto)
{
    boton->setText(TextoBoton(texto));
}

void PonerTitulo(QWidget *ventana, const QString &titulo)
{
    // Qt drops a lone "[*]" from a title and shows "[*][*]" as "[*]".
    ventana->setWindowTitle(QString(titulo).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}
