#pragma once

#include "core/Programa.h"
#include "ui/common/Estilo.h"
#include "ui/common/VistaListado.h"
#include "workshop/frmAvisos.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <memory>

// "Avisos: arreglos listos sin recoger": the orders to call about; a double touch notes the call.
// One file, like its form model: it declares no signal of its own.
class frmAvisosVista : public VistaListado
{
public:
    explicit frmAvisosVista(frmAvisos &modelo, QWidget *padre = nullptr);
    void Repintar() override;
    // The screen on the demo shop for the screenshots: every ready order, whatever its days.
    static std::unique_ptr<QWidget> Captura();

protected:
    void Escape() override;

private:
    frmAvisos &modelo_;
    QLabel *lblViendo_;
    QPushButton *cmdPlazo_;
};

inline frmAvisosVista::frmAvisosVista(frmAvisos &modelo, QWidget *padre)
    : VistaListado(modelo.Abierto, QStringLiteral("Avisos: arreglos listos sin recoger"), padre),
      modelo_(modelo)
{
    resize(1000, 720);
    lblViendo_ = AgregarTitulo(modelo_.lblViendo);
    lblViendo_->setObjectName(QStringLiteral("lblViendo"));
    lblViendo_->setWordWrap(true);
    auto *ayuda =
        Rotulo(QString::fromUtf8("Toque dos veces un arreglo al llamar al cliente. * Listo antes de "
                                 "que se anotara la vuelta: días desde la fecha prevista."));
    ayuda->setObjectName(QStringLiteral("lblAyuda"));
    ayuda->setWordWrap(true);
    capa_->addWidget(ayuda);
    // A single touch only marks the row (the view's own selection): a repaint between the two
    // halves of a double touch would lose the row it began on.
    AgregarTabla(modelo_.gridAvisos, QStringLiteral("Arreglos listos sin recoger"), 1.0, {}, [this](int f) {
        modelo_.gridAvisos_DblClick(f);
    })->setObjectName(QStringLiteral("gridAvisos"));
    cmdPlazo_ = AgregarBoton(modelo_.cmdPlazoCaption, [this] { modelo_.cmdPlazo_Click(); });
    cmdPlazo_->setObjectName(QStringLiteral("cmdPlazo"));
    cmdPlazo_->setAccessibleName(QString::fromUtf8("Plazo de aviso en días"));
    AgregarBoton(QStringLiteral("Imprimir"), [this] {
        modelo_.cmdImprimir_Click();
    })->setObjectName(QStringLiteral("cmdImprimir"));
    botones_->addStretch();
    AgregarBoton(QStringLiteral("Salir"), [this] {
        modelo_.cmdSalir_Click();
    })->setObjectName(QStringLiteral("cmdSalir"));
    capa_->addLayout(botones_);
    Repintar();
}

inline void frmAvisosVista::Repintar()
{
    lblViendo_->setText(modelo_.lblViendo);
    cmdPlazo_->setText(modelo_.cmdPlazoCaption);
    VistaListado::Repintar();
}

inline void frmAvisosVista::Escape()
{
    modelo_.Form_KeyPress(27);
}

inline std::unique_ptr<QWidget> frmAvisosVista::Captura()
{
    static frmAvisos avisos;
    avisos.CargarFormulario({});
    avisos.Dias = 0;
    avisos.Llenar();
    return std::make_unique<frmAvisosVista>(avisos);
}
