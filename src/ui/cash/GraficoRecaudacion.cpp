#include "ui/cash/GraficoRecaudacion.h"

#include "cash/frmListaCierres.h"
#include "ui/common/Estilo.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <algorithm>

QWidget *GraficoRecaudacion(const QString &titulo, const std::vector<Recaudacion> &barras, QWidget *padre)
{
    auto *serie = new QBarSeries;
    auto *conjunto = new QBarSet(QString::fromUtf8("Recaudación"));
    conjunto->setColor(QColor(0x2e, 0x6d, 0xb4));
    QStringList etiquetas;
    double maximo = 0;
    for (const auto &b : barras) {
        conjunto->append(b.importe);
        etiquetas.append(b.etiqueta);
        maximo = std::max(maximo, b.importe);
    }
    serie->append(conjunto);
    serie->setBarWidth(0.8);

    auto *grafico = new QChart;
    grafico->addSeries(serie);
    grafico->setTitle(titulo);
    grafico->setTitleFont(Estilo::Fuente(12, true));
    grafico->legend()->hide();
    grafico->setMargins(QMargins(4, 4, 4, 4));
    grafico->setBackgroundRoundness(0);

    auto *ejeX = new QBarCategoryAxis;
    ejeX->append(etiquetas);
    ejeX->setLabelsFont(Estilo::Fuente(9));
    // Thirty days or twelve months of labels only fit standing up.
    if (etiquetas.size() > 8)
        ejeX->setLabelsAngle(-90);
    grafico->addAxis(ejeX, Qt::AlignBottom);
    serie->attachAxis(ejeX);

    auto *ejeY = new QValueAxis;
    ejeY->setRange(0, maximo > 0 ? maximo * 1.1 : 1);
    ejeY->setLabelFormat(QStringLiteral("%.0f"));
    ejeY->setLabelsFont(Estilo::Fuente(9));
    ejeY->setTitleText(QStringLiteral("Euros"));
    ejeY->setTitleFont(Estilo::Fuente(9));
    ejeY->applyNiceNumbers();
    grafico->addAxis(ejeY, Qt::AlignLeft);
    serie->attachAxis(ejeY);

    auto *vista = new QChartView(grafico, padre);
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setAccessibleName(titulo);
    vista->setAccessibleDescription(etiquetas.isEmpty()
                                        ? QStringLiteral("Sin movimientos")
                                        : QString::fromUtf8("Gráfico de barras de la recaudación"));
    vista->setMinimumHeight(250);
    vista->setFocusPolicy(Qt::NoFocus);
    return vista;
}
