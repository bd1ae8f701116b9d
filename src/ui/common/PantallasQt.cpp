#include "ui/common/PantallasQt.h"

#include <QGuiApplication>
#include <QScreen>

QSize PantallasQt::TamanoPantalla() const
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(1024, 768);
}
