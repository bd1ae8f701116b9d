#include "ui/dialogs/frmCalendarVista.h"

#include "dialogs/frmCalendar.h"
#include "ui/common/Estilo.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

frmCalendarVista::frmCalendarVista(frmCalendar &modelo, QWidget *padre)
    : VistaDialogo(modelo, QStringLiteral("Fecha de entrega"), padre), modelo_(modelo)
{
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(18, 18, 18, 18);
    capa->setSpacing(18);

    Cal1_ = new QCalendarWidget(this);
    Cal1_->setObjectName(QStringLiteral("Cal1"));
    Cal1_->setFont(Estilo::Fuente(18));
    Cal1_->setMinimumSize(620, 470);
    Cal1_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Cal1_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    Cal1_->setGridVisible(true);
    Cal1_->setAccessibleName(QStringLiteral("Calendario"));
    const std::pair<const char *, const char *> partes[] = {
        {"qt_calendar_prevmonth", "Mes anterior"}, {"qt_calendar_nextmonth", "Mes siguiente"},
        {"qt_calendar_monthbutton", "Elegir mes"}, {"qt_calendar_yearbutton", "Elegir año"},
        {"qt_calendar_yearedit", "Año"},           {"qt_calendar_calendarview", "Días del mes"}};
    for (const auto &[objeto, nombre] : partes)
        if (auto *w = Cal1_->findChild<QWidget *>(QLatin1String(objeto)))
            w->setAccessibleName(QString::fromUtf8(nombre));
    // The month and year buttons are reached with Tab too, not only with a finger.
    for (auto *b : Cal1_->findChildren<QToolButton *>())
        b->setFocusPolicy(Qt::TabFocus);
    Cal1_->setStyleSheet(QStringLiteral(
        "QCalendarWidget QWidget#qt_calendar_navigationbar { background: #8a7b66; min-height: 60px; }"
        "QCalendarWidget QToolButton { color: white; font-size: 20pt; font-weight: bold; min-height: 52px;"
        " padding: 0 14px; border: none; background: transparent; }"
        "QCalendarWidget QToolButton#qt_calendar_prevmonth, QCalendarWidget QToolButton#qt_calendar_nextmonth"
        " { min-width: 64px; qproperty-iconSize: 40px; }"
        "QCalendarWidget QSpinBox { font-size: 20pt; min-height: 48px; }"
        "QCalendarWidget QMenu { font-size: 18pt; }"
        "QCalendarWidget QAbstractItemView { selection-background-color: #6b3e2e;"
        " selection-color: white; }"));
    QTextCharFormat cabecera;
    cabecera.setFont(Estilo::Fuente(15, true));
    Cal1_->setHeaderTextFormat(cabecera);
    connect(Cal1_, &QCalendarWidget::selectionChanged, this,
            [this] { modelo_.Cal1 = Cal1_->selectedDate(); });
    // The usual promises beside the month, one touch each.
    auto *centro = new QHBoxLayout;
    centro->setSpacing(18);
    centro->addWidget(Cal1_, 1);
    auto *rapidos = new QVBoxLayout;
    rapidos->setSpacing(14);
    const struct {
        const char *texto, *nombre;
        int dias;
    } atajos[] = {{"Mañana", "cmdManana", 1},
                  {"2 días", "cmdDosDias", 2},
                  {"3 días", "cmdTresDias", 3},
                  {"1 semana", "cmdSemana", 7}};
    for (const auto &a : atajos) {
        const int dias = a.dias;
        auto *b = Boton(QString::fromUtf8(a.texto), QString::fromLatin1(a.nombre),
                        [this, dias] { modelo_.cmdDias_Click(dias); });
        b->setMinimumSize(170, 86);
        b->setAccessibleName(dias == 1 ? b->text() : QStringLiteral("Dentro de ") + b->text());
        rapidos->addWidget(b);
    }
    rapidos->addStretch();
    centro->addLayout(rapidos);
    capa->addLayout(centro, 1);

    auto *botones = new QHBoxLayout;
    botones->setSpacing(24);
    botones->addStretch();
    botones->addWidget(Boton(QStringLiteral("Aceptar"), QStringLiteral("cmdAceptar"),
                             [this] { modelo_.cmdAceptar_Click(); }));
    botones->addWidget(Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdCancelar"),
                             [this] { modelo_.cmdCancelar_Click(); }));
    botones->addStretch();
    capa->addLayout(botones);
}

void frmCalendarVista::Repintar()
{
    const QSignalBlocker bloqueo(Cal1_);
    Cal1_->setSelectedDate(modelo_.Cal1);
}

void frmCalendarVista::Escape()
{
    modelo_.cmdCancelar_Click();
}
