#include "ui/masterdata/frmMantProductosVista.h"

#include "masterdata/frmMantProductos.h"
#include "ui/common/Estilo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmMantProductosVista::frmMantProductosVista(frmMantProductos &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Mantenimiento de productos"), padre), modelo_(modelo)
{
    auto *capa = new QGridLayout(this);
    capa->setContentsMargins(24, 18, 24, 20);
    capa->setHorizontalSpacing(14);
    capa->setVerticalSpacing(10);
    auto *titulo = Etiqueta(QStringLiteral("Mantenimiento de productos"));
    titulo->setFont(Estilo::Fuente(18, true));
    capa->addWidget(titulo, 0, 0, 1, 3);

    cmbFamilia = Desplegable(modelo_.cmbFamilia, QStringLiteral("Seleccione familia"));
    capa->addWidget(Etiqueta(QStringLiteral("Seleccione familia"), cmbFamilia), 1, 0);
    capa->addWidget(cmbFamilia, 1, 1, 1, 2);
    txtDescripcion = Caja(QString::fromUtf8("Descripción del arreglo."));
    txtDescripcion->setMaxLength(100);
    capa->addWidget(Etiqueta(QString::fromUtf8("Descripción del arreglo.")), 2, 0);
    capa->addWidget(txtDescripcion, 2, 1, 1, 2);

    txtPVPPublico = Caja(QString::fromUtf8("Precio al público"));
    txtPrecioEspecial = Caja(QStringLiteral("Precio tiendas y especiales"));
    txtPagoTrabajador = Caja(QStringLiteral("Pago al trabajador"));
    const struct {
        QLineEdit *caja;
        const char *nombre;
        void (frmMantProductos::*teclado)();
    } precios[] = {
        {txtPVPPublico, "cmdPrecioPublico", &frmMantProductos::cmdPrecioPublico_Click},
        {txtPrecioEspecial, "cmdPrecioEspecial", &frmMantProductos::cmdPrecioEspecial_Click},
        {txtPagoTrabajador, "cmdPrecioTrabajador", &frmMantProductos::cmdPrecioTrabajador_Click},
    };
    int fila = 3;
    for (const auto &p : precios) {
        const auto manejador = p.teclado;
        auto *teclado = Boton(QStringLiteral("Teclado"), QString::fromLatin1(p.nombre),
                              [this, manejador] { (modelo_.*manejador)(); });
        teclado->setAccessibleName(QStringLiteral("Teclado numérico: ") + p.caja->accessibleName());
        capa->addWidget(Etiqueta(p.caja->accessibleName()), fila, 0);
        capa->addWidget(p.caja, fila, 1);
        capa->addWidget(teclado, fila, 2);
        ++fila;
    }
    connect(txtPVPPublico, &QLineEdit::textEdited, this, [this] {
        modelo_.txtPVPPublico = txtPVPPublico->text();
        modelo_.txtPVPPublico_Change();
        txtPagoTrabajador->setText(modelo_.txtPagoTrabajador);
    });

    chkActivo = new QCheckBox(QStringLiteral("Arreglo desactivado"), this);
    chkActivo->setAccessibleName(QStringLiteral("Arreglo desactivado"));
    chkActivo->setFont(Estilo::Fuente(15, true));
    chkActivo->setMinimumHeight(Estilo::AltoBoton);
    chkActivo->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 32px; height: 32px; }"));
    capa->addWidget(chkActivo, fila++, 1, 1, 2);

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    cmdAceptar = Boton(modelo_.cmdAceptarCaption, QStringLiteral("cmdAceptar"),
                       [this] { modelo_.cmdAceptar_Click(); });
    botones->addWidget(cmdAceptar);
    botones->addWidget(Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdCancelar"),
                             [this] { modelo_.cmdCancelar_Click(); }));
    capa->addLayout(botones, fila, 0, 1, 3);
    capa->setColumnStretch(1, 1);
    Repintar();
}

QLineEdit *frmMantProductosVista::Caja(const QString &nombre)
{
    auto *c = new QLineEdit(this);
    c->setAccessibleName(nombre);
    c->setFont(Estilo::Fuente(18));
    c->setMinimumSize(260, Estilo::AltoBoton - 8);
    return c;
}

void frmMantProductosVista::Leer()
{
    LeerCombo(cmbFamilia, modelo_.cmbFamilia);
    modelo_.txtDescripcion = txtDescripcion->text();
    modelo_.txtPVPPublico = txtPVPPublico->text();
    modelo_.txtPrecioEspecial = txtPrecioEspecial->text();
    modelo_.txtPagoTrabajador = txtPagoTrabajador->text();
    modelo_.chkActivo = chkActivo->isChecked();
}

void frmMantProductosVista::Repintar()
{
    MostrarCombo(cmbFamilia, modelo_.cmbFamilia);
    txtDescripcion->setText(modelo_.txtDescripcion);
    txtPVPPublico->setText(modelo_.txtPVPPublico);
    txtPrecioEspecial->setText(modelo_.txtPrecioEspecial);
    txtPagoTrabajador->setText(modelo_.txtPagoTrabajador);
    chkActivo->setChecked(modelo_.chkActivo);
    cmdAceptar->setText(modelo_.cmdAceptarCaption);
}

void frmMantProductosVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
