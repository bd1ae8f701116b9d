#include "ui/cash/frmHojaVentaVista.h"

#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "ui/cash/GraficoRecaudacion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

frmHojaVentaVista::frmHojaVentaVista(frmHojaVenta &modelo, QWidget *padre)
    : VistaListado(QStringLiteral("Hoja de venta"), padre), modelo_(modelo)
{
    resize(900, 700);
    lblVenta_ = AgregarTitulo(modelo_.lblVenta);
    lblVenta_->setAccessibleName(QStringLiteral("Caja"));
    AgregarTabla(modelo_.gridHojaVenta, QStringLiteral("Movimientos de la caja"), 1.3,
                 [this](int f) { modelo_.gridHojaVenta.Row = f; });
    AgregarBoton(QStringLiteral("Imprimir"), [this] { modelo_.Command1_Click(); });
    botones_->addStretch();
    AgregarBoton(QStringLiteral("Salir"), [this] { modelo_.cmdSalir_Click(); });
    capa_->addLayout(botones_);
    Repintar();
}

void frmHojaVentaVista::Repintar()
{
    VistaListado::Repintar();
    lblVenta_->setText(modelo_.lblVenta);
}

bool frmHojaVentaVista::SigueAbierto() const
{
    return modelo_.Abierto;
}

void frmHojaVentaVista::Escape()
{
    modelo_.Form_KeyPress(27);
}

frmListaCierresVista::frmListaCierresVista(frmListaCierres &modelo, QWidget *padre)
    : VistaListado(QString::fromUtf8("Histórico de cajas"), padre), modelo_(modelo)
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

bool frmListaCierresVista::SigueAbierto() const
{
    return modelo_.Abierto;
}

void frmListaCierresVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
