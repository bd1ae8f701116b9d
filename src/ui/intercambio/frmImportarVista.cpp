#include "ui/intercambio/frmImportarVista.h"

#include "intercambio/frmImportar.h"
#include "ui/common/Estilo.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

frmImportarVista::frmImportarVista(frmImportar &modelo, QWidget *padre)
    : VistaListado(modelo.Abierto, QStringLiteral("Traer los datos del programa anterior"), padre),
      modelo_(modelo)
{
    setObjectName(QStringLiteral("frmImportar"));
    resize(1000, 720);
    AgregarTitulo(QStringLiteral("Traer los datos del programa anterior"))
        ->setObjectName(QStringLiteral("lblTitulo"));
    auto *explicacion = new QLabel(modelo_.lblExplicacion, this);
    explicacion->setObjectName(QStringLiteral("lblExplicacion"));
    explicacion->setTextFormat(Qt::PlainText);
    explicacion->setWordWrap(true);
    explicacion->setFont(Estilo::Fuente(Estilo::PuntosTexto));
    capa_->addWidget(explicacion);

    auto *fila = new QHBoxLayout;
    lblOrigen_ = Rotulo(QString());
    lblOrigen_->setObjectName(QStringLiteral("txtOrigen"));
    lblOrigen_->setTextFormat(Qt::PlainText);
    lblOrigen_->setAccessibleName(QString::fromUtf8("Origen elegido"));
    fila->addWidget(lblOrigen_, 1);
    const auto elegir = [this](bool carpeta) {
        const QString ruta =
            carpeta
                ? QFileDialog::getExistingDirectory(this, QString::fromUtf8("Carpeta con los archivos CSV"))
                : QFileDialog::getOpenFileName(this, QString::fromUtf8("Base de datos del programa anterior"),
                                               QString(),
                                               QString::fromUtf8("Bases de datos de Access (*.mdb *.accdb "
                                                                 "*.MDB *.ACCDB)"));
        Ejecutar([this, ruta] { modelo_.ElegirOrigen(ruta); });
    };
    cmdArchivo_ = AgregarBoton(QStringLiteral("Elegir archivo"), {}, fila);
    cmdArchivo_->setObjectName(QStringLiteral("cmdElegirArchivo"));
    connect(cmdArchivo_, &QPushButton::clicked, this, [elegir] { elegir(false); });
    cmdCarpeta_ = AgregarBoton(QStringLiteral("Elegir carpeta"), {}, fila);
    cmdCarpeta_->setObjectName(QStringLiteral("cmdElegirCarpeta"));
    connect(cmdCarpeta_, &QPushButton::clicked, this, [elegir] { elegir(true); });
    capa_->addLayout(fila);

    lblTabla_ = Rotulo(QString());
    lblTabla_->setObjectName(QStringLiteral("lblTabla"));
    lblTabla_->setTextFormat(Qt::PlainText);
    capa_->addWidget(lblTabla_);
    barProgreso_ = new QProgressBar(this);
    barProgreso_->setObjectName(QStringLiteral("barProgreso"));
    barProgreso_->setAccessibleName(QString::fromUtf8("Progreso de la tabla"));
    barProgreso_->setMinimumHeight(32);
    barProgreso_->setFont(Estilo::Fuente(Estilo::PuntosTexto));
    capa_->addWidget(barProgreso_);
    lblResultado_ = new QLabel(this);
    lblResultado_->setObjectName(QStringLiteral("lblResultado"));
    lblResultado_->setTextFormat(Qt::PlainText);
    lblResultado_->setWordWrap(true);
    lblResultado_->setFont(Estilo::Fuente(Estilo::PuntosBoton, true));
    capa_->addWidget(lblResultado_);

    AgregarTabla(modelo_.gridComprobaciones, QStringLiteral("Comprobaciones"), 1.0, {})
        ->setObjectName(QStringLiteral("gridComprobaciones"));

    const auto boton = [this](const char *texto, const char *nombre, void (frmImportar::*accion)()) {
        QPushButton *b = AgregarBoton(QString::fromUtf8(texto), [this, accion] { (modelo_.*accion)(); });
        b->setObjectName(QLatin1String(nombre));
        return b;
    };
    cmdImportar_ = boton("Importar", "cmdImportar", &frmImportar::cmdImportar_Click);
    cmdCancelar_ = boton("Cancelar", "cmdCancelar", &frmImportar::cmdCancelar_Click);
    cmdImprimir_ = boton("Imprimir", "cmdImprimir", &frmImportar::cmdImprimir_Click);
    botones_->addStretch();
    cmdSalir_ = boton("Salir", "cmdSalir", &frmImportar::cmdSalir_Click);
    capa_->addLayout(botones_);

    tmrProgreso_ = new QTimer(this);
    tmrProgreso_->setInterval(250);
    connect(tmrProgreso_, &QTimer::timeout, this, [this] {
        if (modelo_.Importando() || !modelo_.cmdSalirEnabled)
            Ejecutar([this] { modelo_.tmrProgreso_Timer(); });
    });
    tmrProgreso_->start();
    Repintar();
}

void frmImportarVista::Repintar()
{
    VistaListado::Repintar();
    lblOrigen_->setText(modelo_.txtOrigen.isEmpty() ? QString::fromUtf8("Ningún archivo elegido")
                                                    : modelo_.txtOrigen);
    lblTabla_->setText(modelo_.lblTabla);
    // While the checks run no part can be told: the bar shows it is busy.
    barProgreso_->setRange(0, modelo_.barProgreso < 0 ? 0 : 1000);
    barProgreso_->setValue(std::max(0, modelo_.barProgreso));
    lblResultado_->setText(modelo_.lblResultado);
    lblResultado_->setAccessibleName(modelo_.lblResultado.isEmpty() ? QStringLiteral("Resultado")
                                                                    : modelo_.lblResultado);
    cmdArchivo_->setEnabled(modelo_.cmdElegirEnabled);
    cmdCarpeta_->setEnabled(modelo_.cmdElegirEnabled);
    cmdImportar_->setEnabled(modelo_.cmdImportarEnabled);
    cmdCancelar_->setEnabled(modelo_.cmdCancelarEnabled);
    cmdImprimir_->setEnabled(modelo_.cmdImprimirEnabled);
    cmdSalir_->setEnabled(modelo_.cmdSalirEnabled);
}

void frmImportarVista::Escape()
{
    modelo_.Form_KeyPress(27);
}

void frmImportarVista::closeEvent(QCloseEvent *e)
{
    // The window's own close button while importing cancels first, as "Salir" does.
    if (modelo_.Importando()) {
        Ejecutar([this] { modelo_.cmdCancelar_Click(); });
        e->ignore();
        return;
    }
    VistaListado::closeEvent(e);
}
