#include "ui/cash/frmRegistroOperacionesVista.h"

#include "cash/frmRegistroOperaciones.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

frmRegistroOperacionesVista::frmRegistroOperacionesVista(frmRegistroOperaciones &modelo, QWidget *padre)
    : VistaListado(modelo.Abierto, QStringLiteral("Registro de operaciones"), padre), modelo_(modelo)
{
    resize(1000, 720);
    lblTitulo_ = AgregarTitulo(modelo_.lblTitulo);
    lblTitulo_->setAccessibleName(QStringLiteral("Registro de operaciones"));
    AgregarTabla(
        modelo_.gridOperaciones, QStringLiteral("Operaciones"), 1.0,
        [this](int f) { modelo_.gridOperaciones.Row = f; },
        [this](int f) { modelo_.gridOperaciones_DblClick(f); });
    AgregarBoton(QStringLiteral("Ver detalle"),
                 [this] { modelo_.gridOperaciones_DblClick(modelo_.gridOperaciones.Row); });
    AgregarBoton(QStringLiteral("Imprimir"), [this] { modelo_.cmdImprimir_Click(); });
    botones_->addStretch();
    AgregarBoton(QStringLiteral("Salir"), [this] { modelo_.cmdSalir_Click(); });
    capa_->addLayout(botones_);
    Repintar();
}

void frmRegistroOperacionesVista::Repintar()
{
    VistaListado::Repintar();
    lblTitulo_->setText(modelo_.lblTitulo);
}

void frmRegistroOperacionesVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
