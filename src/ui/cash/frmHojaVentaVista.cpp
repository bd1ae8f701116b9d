#include "ui/cash/frmHojaVentaVista.h"

#include "cash/frmHojaVenta.h"

#include <QLabel>
#include <QVBoxLayout>

frmHojaVentaVista::frmHojaVentaVista(frmHojaVenta &modelo, QWidget *padre)
    : VistaListado(modelo.Abierto, QStringLiteral("Hoja de venta"), padre), modelo_(modelo)
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

void frmHojaVentaVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
