#include "ui/cash/frmListaCierresVista.h"

#include "cash/frmListaCierres.h"
#include "ui/cash/GraficoRecaudacion.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

frmListaCierresVista::frmListaCierresVista(frmListaCierres &modelo, QWidget *padre)
    : VistaListado(modelo.Abierto, QString::fromUtf8("Histórico de cajas"), padre), modelo_(modelo)
{
    resize(980, 720);
    AgregarTitulo(QString::fromUtf8("Histórico de cajas"));
    auto *graficos = new QHBoxLayout;
    graficos->addWidget(GraficoRecaudacion(QString::fromUtf8("Recaudación de los últimos 30 días de caja"),
                                           modelo_.recaudacionDias, this),
                        3);
    graficos->addWidget(GraficoRecaudacion(QString::fromUtf8("Recaudación de los últimos 12 meses"),
                                           modelo_.recaudacionMeses, this),
                        2);
    capa_->addLayout(graficos);
    AgregarTabla(
        modelo_.gridCierres, QStringLiteral("Cajas"), 1.5, [this](int f) { modelo_.gridCierres_Click(f); },
        [this](int f) {
            modelo_.gridCierres_Click(f);
            modelo_.cmdVerDetalle_Click();
        });
    AgregarBoton(QStringLiteral("Ver detalle"), [this] { modelo_.cmdVerDetalle_Click(); });
    botones_->addStretch();
    AgregarBoton(QStringLiteral("Aceptar"), [this] { modelo_.cmdAceptar_Click(); });
    capa_->addLayout(botones_);
    Repintar();
}

void frmListaCierresVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
