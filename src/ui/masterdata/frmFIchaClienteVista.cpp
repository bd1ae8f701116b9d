#include "ui/masterdata/frmFIchaClienteVista.h"

#include "masterdata/frmFIchaCliente.h"
#include "ui/common/Estilo.h"
#include "ui/printing/TextoPlano.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmFIchaClienteVista::frmFIchaClienteVista(frmFIchaCliente &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Ficha del cliente"), padre), modelo_(modelo)
{
    resize(820, 600);
    auto *capa = new QGridLayout(this);
    capa->setSpacing(12);
    auto *titulo = new ::Etiqueta(QStringLiteral("Ficha del cliente"), this);
    titulo->setFont(Estilo::Fuente(20, true));
    capa->addWidget(titulo, 0, 0, 1, 3);

    auto campo = [this, capa](int fila, const QString &etiqueta) {
        auto *l = new ::Etiqueta(etiqueta, this);
        l->setFont(Estilo::Fuente(16));
        auto *e = new QLineEdit(this);
        e->setFont(Estilo::Fuente(18));
        e->setMinimumHeight(56);
        l->setBuddy(e);
        capa->addWidget(l, fila, 0);
        capa->addWidget(e, fila, 1);
        return e;
    };
    txtNombre = campo(1, QStringLiteral("Nombre"));
    txtDireccion = campo(2, QString::fromUtf8("Dirección"));
    txtCodPostal = campo(3, QStringLiteral("C.Postal"));
    txtLocalidad = campo(4, QStringLiteral("Localidad"));
    txtNif = campo(5, QStringLiteral("N.I.F."));
    txtTelefono = campo(6, QString::fromUtf8("Teléfono"));
    cmdPostal = Estilo::Boton(QStringLiteral("Teclado"), this);
    cmdTelefono = Estilo::Boton(QStringLiteral("Teclado"), this);
    cmdPostal->setAccessibleName(QString::fromUtf8("Teclado del código postal"));
    cmdTelefono->setAccessibleName(QString::fromUtf8("Teclado del teléfono"));
    capa->addWidget(cmdPostal, 3, 2);
    capa->addWidget(cmdTelefono, 6, 2);
    chkEstienda = new QCheckBox(QStringLiteral("Es tienda"), this);
    chkEstienda->setFont(Estilo::Fuente(18));
    chkEstienda->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 36px; height: 36px; }"));
    chkEstienda->setMinimumHeight(56);
    capa->addWidget(chkEstienda, 7, 1);

    auto *botones = new QHBoxLayout;
    cmdVerArreglos = Estilo::Boton(QStringLiteral("Arreglos del cliente"), this);
    cmdVerArreglos->setMinimumWidth(240);
    cmdAceptar = Estilo::Boton(QStringLiteral("Aceptar"), this);
    cmdCancelar = Estilo::Boton(QStringLiteral("Cancelar"), this);
    botones->addWidget(cmdVerArreglos);
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    capa->addLayout(botones, 8, 0, 1, 3);
    capa->setColumnStretch(1, 1);
    capa->setRowStretch(8, 1);

    connect(cmdAceptar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    connect(cmdCancelar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdCancelar_Click(); }); });
    connect(cmdVerArreglos, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdVerArreglos_Click(); }); });
    connect(cmdPostal, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdPostal_Click(); }); });
    connect(cmdTelefono, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdTelefono_Click(); }); });
    Repintar();
}

void frmFIchaClienteVista::Leer()
{
    modelo_.txtNombre = txtNombre->text().trimmed();
    modelo_.txtDireccion = txtDireccion->text().trimmed();
    modelo_.txtCodPostal = txtCodPostal->text().trimmed();
    modelo_.txtLocalidad = txtLocalidad->text().trimmed();
    modelo_.txtNif = txtNif->text().trimmed();
    modelo_.txtTelefono = txtTelefono->text().trimmed();
    modelo_.chkEstienda = chkEstienda->isChecked();
}

void frmFIchaClienteVista::Repintar()
{
    txtNombre->setText(modelo_.txtNombre);
    txtDireccion->setText(modelo_.txtDireccion);
    txtCodPostal->setText(modelo_.txtCodPostal);
    txtLocalidad->setText(modelo_.txtLocalidad);
    txtNif->setText(modelo_.txtNif);
    txtTelefono->setText(modelo_.txtTelefono);
    chkEstienda->setChecked(modelo_.chkEstienda);
    cmdVerArreglos->setVisible(modelo_.cmdVerArreglosVisible);
}

void frmFIchaClienteVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
