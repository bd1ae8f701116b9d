#include "ui/workshop/frmAtrasadosVista.h"

#include "ui/common/Estilo.h"
#include "workshop/frmAtrasados.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

frmAtrasadosVista::frmAtrasadosVista(frmAtrasados &modelo, QWidget *padre)
    : VistaListado(modelo.Abierto, QStringLiteral("Arreglos atrasados"), padre), modelo_(modelo)
{
    resize(1000, 720);
    auto *fila = new QHBoxLayout;
    auto *titulo = Rotulo(modelo_.lblViendo);
    titulo->setFont(Estilo::Fuente(18, true));
    fila->addWidget(titulo);
    fila->addStretch();
    cmbMeses_ = DesplegableGrande(modelo_.cmbMeses, QString::fromUtf8("Días de retraso"));
    cmbMeses_->setEditable(true);
    cmbMeses_->setEditText(modelo_.cmbMeses.Text);
    cmbMeses_->setMinimumWidth(140);
    cmbMeses_->setMaxVisibleItems(12);
    fila->addWidget(Rotulo(QString::fromUtf8("Días"), cmbMeses_));
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

void frmAtrasadosVista::Leer()
{
    modelo_.cmbMeses.Text = cmbMeses_->currentText();
    modelo_.cmbMeses.ListIndex = cmbMeses_->findText(modelo_.cmbMeses.Text);
}

void frmAtrasadosVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
