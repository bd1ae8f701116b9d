#include "ui/masterdata/frmParametrosGeneralesVista.h"

#include "masterdata/frmParametrosGenerales.h"
#include "ui/common/Estilo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

frmParametrosGeneralesVista::frmParametrosGeneralesVista(frmParametrosGenerales &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QString::fromUtf8("Parámetros de configuración"), padre), modelo_(modelo)
{
    resize(1000, 700);
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(16, 10, 16, 12);
    capa->setSpacing(4);
    auto *titulo = new QLabel(QString::fromUtf8("Parámetros de configuración"), this);
    titulo->setFont(Estilo::Fuente(18, true));
    capa->addWidget(titulo);

    auto nuevoCampo = [this](QGridLayout *rejilla, int fila, const QString &etiqueta) {
        auto *l = new QLabel(etiqueta, this);
        l->setFont(Estilo::Fuente(13));
        auto *e = new QLineEdit(this);
        e->setFont(Estilo::Fuente(15));
        e->setMinimumHeight(44);
        e->setAccessibleName(etiqueta);
        l->setBuddy(e);
        rejilla->addWidget(l, fila, 0);
        rejilla->addWidget(e, fila, 1);
        return e;
    };
    auto nuevoGrupo = [this](const QString &titulo) {
        auto *g = new QGroupBox(titulo, this);
        g->setFont(Estilo::Fuente(13, true));
        auto *r = new QGridLayout(g);
        r->setVerticalSpacing(6);
        r->setColumnStretch(1, 1);
        return std::make_pair(g, r);
    };

    auto *columnas = new QHBoxLayout;
    columnas->setSpacing(16);
    auto [tienda, rejillaTienda] = nuevoGrupo(QStringLiteral("Datos de la tienda (cabecera del ticket)"));
    txtNombre = nuevoCampo(rejillaTienda, 0, QStringLiteral("Nombre"));
    txtEmpresa = nuevoCampo(rejillaTienda, 1, QStringLiteral("Empresa"));
    txtNif = nuevoCampo(rejillaTienda, 2, QStringLiteral("N.I.F."));
    txtDireccion = nuevoCampo(rejillaTienda, 3, QString::fromUtf8("Dirección"));
    txtTelefono = nuevoCampo(rejillaTienda, 4, QString::fromUtf8("Teléfono"));
    txtCodPostal = nuevoCampo(rejillaTienda, 5, QStringLiteral("C.Postal"));
    txtLocalidad = nuevoCampo(rejillaTienda, 6, QStringLiteral("Localidad"));
    columnas->addWidget(tienda, 1);

    auto [pie, rejillaPie] = nuevoGrupo(QStringLiteral("Pie del ticket"));
    for (int i = 0; i < 7; ++i)
        txtPie[i] = nuevoCampo(rejillaPie, i, QStringLiteral("Línea %1").arg(i + 1));
    columnas->addWidget(pie, 1);
    capa->addLayout(columnas);

    auto [impresora, rejillaImpresora] = nuevoGrupo(QStringLiteral("Impresora de tickets"));
    auto *lblPuerto = new QLabel(QStringLiteral("Impresora"), this);
    lblPuerto->setFont(Estilo::Fuente(13));
    cmbComs = new QComboBox(this);
    lblPuerto->setBuddy(cmbComs);
    cmbComs->setFont(Estilo::Fuente(15));
    cmbComs->setMinimumHeight(48);
    cmbComs->setMinimumWidth(260);
    cmbComs->setAccessibleName(QStringLiteral("Impresora"));
    // A list a finger can pick from: one row per choice, tall enough to touch.
    auto *lista = new QListView(cmbComs);
    lista->setStyleSheet(QStringLiteral("QListView::item { min-height: 40px; }"));
    cmbComs->setView(lista);
    cmbComs->setMaxVisibleItems(10);
    lblPuerto->setBuddy(cmbComs);
    rejillaImpresora->addWidget(lblPuerto, 0, 0);
    rejillaImpresora->addWidget(cmbComs, 0, 1);
    lblConfPuerto = new QLabel(this);
    lblConfPuerto->setFont(Estilo::Fuente(13));
    txtConfPuerto = new QLineEdit(this);
    txtConfPuerto->setFont(Estilo::Fuente(15));
    txtConfPuerto->setMinimumHeight(44);
    lblConfPuerto->setBuddy(txtConfPuerto);
    rejillaImpresora->addWidget(lblConfPuerto, 1, 0);
    rejillaImpresora->addWidget(txtConfPuerto, 1, 1, 1, 4);
    rejillaImpresora->setColumnStretch(1, 0);
    rejillaImpresora->setColumnStretch(2, 1);
    auto *lblAnchura = new QLabel(QStringLiteral("Anchura del ticket (caracteres)"), this);
    lblAnchura->setFont(Estilo::Fuente(13));
    txtAnchuraCarro = new QLineEdit(this);
    txtAnchuraCarro->setFont(Estilo::Fuente(15));
    txtAnchuraCarro->setMinimumHeight(44);
    txtAnchuraCarro->setMaximumWidth(90);
    txtAnchuraCarro->setAccessibleName(QStringLiteral("Anchura del ticket"));
    lblAnchura->setBuddy(txtAnchuraCarro);
    rejillaImpresora->addWidget(lblAnchura, 0, 3, Qt::AlignRight);
    rejillaImpresora->addWidget(txtAnchuraCarro, 0, 4);
    capa->addWidget(impresora);

    auto [copias, rejillaCopias] = nuevoGrupo(QStringLiteral("Copias de seguridad"));
    txtCarpetaCopias2 = nuevoCampo(rejillaCopias, 0, QStringLiteral("Segunda carpeta de copias (USB o red)"));
    txtCarpetaCopias2->setPlaceholderText(QStringLiteral("/media/usb/copias"));
    capa->addWidget(copias);

    capa->addStretch();
    auto *botones = new QHBoxLayout;
    cmdAceptar = Estilo::Boton(QStringLiteral("Aceptar"), this);
    cmdCancelar = Estilo::Boton(QStringLiteral("Cancelar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdAceptar->setAccessibleName(QStringLiteral("Aceptar"));
    cmdCancelar->setAccessibleName(QStringLiteral("Cancelar"));
    cmdPin = Estilo::Boton(QStringLiteral("Poner PIN"), this);
    cmdQuitarPin = Estilo::Boton(QStringLiteral("Quitar PIN"), this);
    cmdPin->setObjectName(QStringLiteral("cmdPin"));
    cmdQuitarPin->setObjectName(QStringLiteral("cmdQuitarPin"));
    cmdQuitarPin->setAccessibleName(QStringLiteral("Quitar PIN"));
    botones->addWidget(cmdPin);
    botones->addWidget(cmdQuitarPin);
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    capa->addLayout(botones);

    for (QLineEdit *e : CamposVista())
        e->setObjectName(e->accessibleName());
    cmbComs->setObjectName(QStringLiteral("cmbComs"));
    txtConfPuerto->setObjectName(QStringLiteral("txtConfPuerto"));

    connect(cmdAceptar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    connect(cmdCancelar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdCancelar_Click(); }); });
    connect(cmdPin, &QPushButton::clicked, this, [this] { Ejecutar([this] { modelo_.cmdPin_Click(); }); });
    connect(cmdQuitarPin, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdQuitarPin_Click(); }); });
    connect(cmbComs, &QComboBox::activated, this,
            [this](int i) { Ejecutar([this, i] { modelo_.cmbComs_Click(i); }); });
    Repintar();
}

QList<QString *> frmParametrosGeneralesVista::CamposModelo() const
{
    frmParametrosGenerales &m = modelo_;
    return {&m.txtEmpresa,      &m.txtNombre,        &m.txtNif,  &m.txtDireccion, &m.txtTelefono,
            &m.txtCodPostal,    &m.txtLocalidad,     &m.txtPie1, &m.txtpie2,      &m.txtPie3,
            &m.txtPie4,         &m.txtPie5,          &m.txtPie6, &m.txtPie7,      &m.txtConfPuerto,
            &m.txtAnchuraCarro, &m.txtCarpetaCopias2};
}

QList<QLineEdit *> frmParametrosGeneralesVista::CamposVista() const
{
    return {txtEmpresa,   txtNombre, txtNif,        txtDireccion,    txtTelefono,      txtCodPostal,
            txtLocalidad, txtPie[0], txtPie[1],     txtPie[2],       txtPie[3],        txtPie[4],
            txtPie[5],    txtPie[6], txtConfPuerto, txtAnchuraCarro, txtCarpetaCopias2};
}

void frmParametrosGeneralesVista::Leer()
{
    const QList<QString *> modelo = CamposModelo();
    const QList<QLineEdit *> vista = CamposVista();
    for (int i = 0; i < modelo.size(); ++i)
        *modelo[i] = vista[i]->text().trimmed();
    modelo_.cmbComsIndice = cmbComs->currentIndex();
}

void frmParametrosGeneralesVista::Repintar()
{
    const QList<QString *> modelo = CamposModelo();
    const QList<QLineEdit *> vista = CamposVista();
    for (int i = 0; i < modelo.size(); ++i)
        vista[i]->setText(*modelo[i]);
    cmdPin->setText(modelo_.cmdPinCaption);
    cmdPin->setAccessibleName(modelo_.cmdPinCaption);
    cmdQuitarPin->setVisible(modelo_.cmdQuitarPinVisible);
    cmbComs->clear();
    for (const auto &e : modelo_.cmbComs)
        cmbComs->addItem(e.texto, e.dato);
    cmbComs->setCurrentIndex(modelo_.cmbComsIndice);
    lblConfPuerto->setText(modelo_.lblConfPuerto);
    txtConfPuerto->setAccessibleName(modelo_.lblConfPuerto);
}

void frmParametrosGeneralesVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
