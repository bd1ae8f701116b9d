#include "ui/workshop/frmSeguimientoVista.h"

#include "ui/common/Estilo.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox *ComboDe(const Combo &combo, const QString &nombre, QWidget *padre)
{
    auto *c = new QComboBox(padre);
    c->setAccessibleName(nombre);
    c->setFont(Estilo::Fuente(16));
    c->setMinimumHeight(Estilo::AltoBoton);
    c->setMinimumWidth(260);
    for (const auto &e : combo.elementos)
        c->addItem(e.texto, e.dato);
    c->setCurrentIndex(combo.ListIndex);
    if (c->isEditable())
        c->setEditText(combo.Text);
    return c;
}

QLabel *Etiqueta(const QString &texto, QWidget *padre)
{
    auto *l = new QLabel(texto, padre);
    l->setFont(Estilo::Fuente(16));
    return l;
}

} // namespace

frmPendientesPorTrabajadorVista::frmPendientesPorTrabajadorVista(frmPendientesPorTrabajador &modelo,
                                                                 QWidget *padre)
    : VistaListado(QStringLiteral("Pendiente por trabajador"), padre), modelo_(modelo)
{
    resize(1000, 720);
    auto *fila = new QHBoxLayout;
    fila->addWidget(Etiqueta(QStringLiteral("Seleccione trabajador"), this));
    cmbTrabajadores_ = ComboDe(modelo_.cmbTrabajadores, QStringLiteral("Trabajador"), this);
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

void frmPendientesPorTrabajadorVista::LeerControles()
{
    modelo_.cmbTrabajadores.Elegir(cmbTrabajadores_->currentIndex());
}

bool frmPendientesPorTrabajadorVista::SigueAbierto() const
{
    return modelo_.Abierto;
}

void frmPendientesPorTrabajadorVista::Escape()
{
    modelo_.Form_KeyPress(27);
}

frmAtrasadosVista::frmAtrasadosVista(frmAtrasados &modelo, QWidget *padre)
    : VistaListado(QStringLiteral("Arreglos atrasados"), padre), modelo_(modelo)
{
    resize(1000, 720);
    auto *fila = new QHBoxLayout;
    auto *titulo = Etiqueta(modelo_.lblViendo, this);
    titulo->setFont(Estilo::Fuente(18, true));
    fila->addWidget(titulo);
    fila->addStretch();
    fila->addWidget(Etiqueta(QString::fromUtf8("Días"), this));
    cmbMeses_ = ComboDe(modelo_.cmbMeses, QString::fromUtf8("Días de retraso"), this);
    cmbMeses_->setEditable(true);
    cmbMeses_->setEditText(modelo_.cmbMeses.Text);
    cmbMeses_->setMinimumWidth(140);
    cmbMeses_->setMaxVisibleItems(12);
    fila->addWidget(cmbMeses_);
    AgregarBoton(
        QStringLiteral("Ver"), [this] { modelo_.cmdVer_Click(); }, fila);
    capa_->addLayout(fila);
    AgregarTabla(
        modelo_.gridAtrasados, QStringLiteral("Arreglos atrasados"), 1.0,
        [this](int f) { modelo_.gridAtrasados_Click(f); },
        [this](int f) { modelo_.gridAtrasados_DblClick(f); });
    AgregarBoton(QStringLiteral("Imprimir"), [this] { modelo_.cmdImprimir_Click(); });
    botones_->addStretch();
    AgregarBoton(QStringLiteral("Salir"), [this] { modelo_.cmdAceptar_Click(); });
    capa_->addLayout(botones_);
    connect(cmbMeses_->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { Ejecutar([this] { modelo_.cmdVer_Click(); }); });
    Repintar();
}

void frmAtrasadosVista::LeerControles()
{
    modelo_.cmbMeses.Text = cmbMeses_->currentText();
    modelo_.cmbMeses.ListIndex = cmbMeses_->findText(modelo_.cmbMeses.Text);
}

bool frmAtrasadosVista::SigueAbierto() const
{
    return modelo_.Abierto;
}

void frmAtrasadosVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
