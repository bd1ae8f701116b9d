#pragma once

#include <QLabel>
#include <QString>

class QAbstractButton;
class QWidget;

// What the shop stores or staff type (names, addresses, garments, colours, products, messages that
// quote them) is shown exactly as it is: Qt would otherwise read "<b>", "&amp;" or "<script>" in a
// label as markup, "&" in a button as a shortcut key and "[*]" in a title as its modified mark.
// Every view takes its labels, button captions and window titles from here; rich text is only for
// markup the program writes itself, and then on a plain QLabel set to Qt::RichText on purpose.

// A label that never reads its text as markup.
class Etiqueta : public QLabel
{
    Q_OBJECT
public:
    explicit Etiqueta(QWidget *padre = nullptr);
    explicit Etiqueta(const QString &texto, QWidget *padre = nullptr);
};

// The caption a button needs to show the text as it is ("&" doubled).
QString TextoBoton(const QString &texto);
void PonerTextoBoton(QAbstractButton *boton, const QString &texto);
// A window title shown as it is ("[*]" kept).
void PonerTitulo(QWidget *ventana, const QString &titulo);
