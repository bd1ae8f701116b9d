#include "ui/workshop/frmPendientesPorTrabajadorVista.h"

#include "workshop/frmPendientesPorTrabajador.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

frmPendientesPorTrabajadorVista::frmPendientesPorTrabajadorVista(frmPendientesPorTrabajador &modelo,
                                                                 QWidget *padre)
    : VistaListado(modelo.Abierto, QStringLiteral("Pendiente por trabajador"), padre), modelo_(modelo)
{
    resize(1000, 720);
    auto *fila = new QHBoxLayout;
    cmbTrabajadores_ = DesplegableGrande(modelo_.cmbTrabajadores, QStringLiteral("Trabajador"));
    fila->addWidget(Rotulo(QStringLiteral("Seleccione trabajador"), cmbTrabajadores_));
    fila->addWidget(cmbTrabajadores_);
    AgregarBoton(
        QStringLiteral("Ver"), [this] { modelo_.cmdAceptar_Click(); }, fila);
    fila->addStretch();
    capa_->addLayout(fila);
    AgregarTabla(
        modelo_.gridListaArreglos, QStringLiteral("Prendas pendientes"), 1.2,
        [this](int f) { modelo_.gridListaArreglos_Click(f); },
        [this](int f) { modelo_.gridListaArreglos_DblClick(f); });
    AgregarBoton(QStringLiteral("Ver estado"), [this] { modelo_.cmdVerEstado_Click(); });
    AgregarBoton(QStringLiteral("Visualizar arreglo"), [this] { modelo_.cmdVisualizar_Click(); });
    AgregarBoton(QStringLiteral("Imprimir"), [this] { modelo_.cmdImprimir_Click(); });
    botones_->addStretch();
    AgregarBoton(QStringLiteral("Salir"), [this] { modelo_.cmdSalir_Click(); });
    capa_->addLayout(botones_);
    Repintar();
}

void frmPendientesPorTrabajadorVista::Leer()
{
    modelo_.cmbTrabajadores.Elegir(cmbTrabajadores_->currentIndex());
}

void frmPendientesPorTrabajadorVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
