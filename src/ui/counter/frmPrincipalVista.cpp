#include "ui/counter/frmPrincipalVista.h"

#include "counter/frmPrincipal.h"
#include "ui/common/Accesible.h"
#include "ui/common/Estilo.h"
#include "ui/common/Evento.h"
#include "ui/common/GridModel.h"
#include "ui/printing/TextoPlano.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The lists on the left take this share of the screen's width (380 px at 1024), the order the rest.
constexpr int AnchoZonaIzquierda = 380;
constexpr int AnchoZonaDerecha = 1024 - 8 * 2 - 10 - AnchoZonaIzquierda;

// Garment rows read in bold; the "X" that deletes stands out in red.
class DelegadoVenta : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::initStyleOption(o, i);
        if (i.column() == frmPrincipal::ColBorrar) {
            o->font.setBold(true);
            o->palette.setColor(QPalette::Text, QColor(170, 30, 30));
        } else if (i.column() == frmPrincipal::ColNombre
                   && i.siblingAtColumn(frmPrincipal::ColIdProducto).data().toString().isEmpty()) {
            o->font.setBold(true);
        }
    }
};

enum class Dibujo { Telefono, Lupa, Dinero };

// The picture buttons: a telephone, a magnifying glass, a coin, drawn for the screen's own pixels
// (twice as many on a HiDPI screen) so that they stay sharp at any scale.
QIcon Icono(Dibujo dibujo)
{
    const qreal densidad = qApp->devicePixelRatio();
    QPixmap p(QSize(44, 44) * densidad);
    p.setDevicePixelRatio(densidad);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor tinta(80, 55, 40);
    switch (dibujo) {
    case Dibujo::Telefono:
        g.setPen(tinta);
        g.setFont(Estilo::Fuente(28));
        g.drawText(QRect(0, 0, 44, 44), Qt::AlignCenter, QString(QChar(0x260E)));
        break;
    case Dibujo::Lupa:
        g.setPen(QPen(tinta, 4));
        g.drawEllipse(QRectF(6, 6, 22, 22));
        g.setPen(QPen(tinta, 6, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(27, 27), QPointF(39, 39));
        break;
    case Dibujo::Dinero:
        g.setPen(QPen(tinta, 3));
        g.setBrush(QColor(240, 200, 90));
        g.drawEllipse(QRectF(3, 3, 38, 38));
        g.setFont(Estilo::Fuente(20, true));
        g.drawText(QRect(0, 0, 44, 44), Qt::AlignCenter, QString(QChar(0x20AC)));
        break;
    }
    return QIcon(p);
}

QPushButton *BotonDibujo(Dibujo dibujo, const QString &nombre, const QString &ayuda, QWidget *padre)
{
    auto *b = new QPushButton(padre);
    b->setObjectName(nombre);
    b->setIcon(Icono(dibujo));
    b->setIconSize(QSize(44, 44));
    b->setFixedSize(Estilo::AltoBoton, Estilo::AltoBoton);
    // Tab reaches it; a button ignores the scanner's keys, which go on to the window.
    b->setFocusPolicy(Qt::TabFocus);
    b->setToolTip(ayuda);
    b->setAccessibleName(ayuda);
    return b;
}

QPushButton *Boton(const QString &texto, const QString &nombre, QWidget *padre)
{
    auto *b = Estilo::Boton(texto, padre);
    b->setObjectName(nombre);
    b->setMinimumWidth(0);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return b;
}

QLabel *Rotulo(const QString &texto, QWidget *padre)
{
    auto *l = new Etiqueta(texto, padre);
    l->setFont(Estilo::Fuente(12));
    l->setStyleSheet(QStringLiteral("color: #5a4a3a;"));
    return l;
}

} // namespace

QFont frmPrincipalVista::FuenteGrid()
{
    return Estilo::Fuente(15);
}

frmPrincipalVista::frmPrincipalVista(frmPrincipal &modelo, QWidget *padre)
    : QWidget(padre), modelo_(modelo), familias_(new GridModel(&modelo.gridFamilias, this)),
      productos_(new GridModel(&modelo.gridProductos, this)), tpv_(new GridModel(&modelo.gridTPV, this))
{
    PonerTitulo(this, modelo_.Caption);
    setMinimumSize(1024, 740);
    resize(1024, 768);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(0xfb, 0xf8, 0xf2));
    setPalette(fondo);

    auto *derecha = new QVBoxLayout;
    derecha->setSpacing(8);
    derecha->addWidget(ZonaCliente());
    gridTPV_ = NuevaTabla(QStringLiteral("gridTPV"), tpv_);
    gridTPV_->setAccessibleName(QStringLiteral("Prendas y arreglos del encargo"));
    gridTPV_->setItemDelegate(new DelegadoVenta(gridTPV_));
    tpv_->NombrarColumna(frmPrincipal::ColBorrar, QStringLiteral("Borrar"));
    gridTPV_->horizontalHeader()->setSectionResizeMode(frmPrincipal::ColNombre, QHeaderView::Stretch);
    gridTPV_->horizontalHeader()->setStretchLastSection(false);
    derecha->addWidget(gridTPV_, 1);
    derecha->addWidget(ZonaCifras());
    derecha->addWidget(ZonaAcciones());

    auto *arriba = new QHBoxLayout;
    arriba->setSpacing(10);
    arriba->addWidget(ZonaIzquierda(), AnchoZonaIzquierda);
    arriba->addLayout(derecha, AnchoZonaDerecha);

    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(8, 8, 8, 8);
    capa->setSpacing(8);
    capa->addLayout(arriba, 1);
    // Staff see it on every sale until the backups are right again.
    lblAvisoCopias_ = new Etiqueta(this);
    lblAvisoCopias_->setObjectName(QStringLiteral("lblAvisoCopias"));
    lblAvisoCopias_->setAccessibleName(QStringLiteral("Aviso de las copias de seguridad"));
    lblAvisoCopias_->setFont(Estilo::Fuente(13, true));
    lblAvisoCopias_->setWordWrap(true);
    lblAvisoCopias_->setStyleSheet(
        QStringLiteral("color: #ffffff; background: #b03a2e; padding: 4px 8px; border-radius: 4px;"));
    capa->addWidget(lblAvisoCopias_);
    capa->addWidget(BarraInferior());
    // A disk plugged back in clears the line without a restart.
    auto *revisar = new QTimer(this);
    connect(revisar, &QTimer::timeout, this, [this] { Atender([this] { modelo_.RevisarCopias(); }); });
    revisar->start(10 * 60 * 1000);
    // Tab goes in reading order: the lists on the left, then the customer, the order and its
    // figures, then the bar below.
    const QList<QWidget *> orden = {
        gridFamilias_,     gridProductos_, cmdTelefono_,
        cmdBuscarCliente_, gridTPV_,       cmdPendiente_,
        cmdFechaEntrega_,  cmdFormasPago_, findChild<QPushButton *>(QStringLiteral("cmdAcabarEncargo"))};
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
    // The screen opens with the focus on itself, where the scanner types; Tab starts at the lists.
    setFocus();

    auto *tmrConexion = new QTimer(this);
    connect(tmrConexion, &QTimer::timeout, this, [this] {
        modelo_.tmrConexion_Timer();
        PintarConexion();
    });
    tmrConexion->start(2000);
    connect(gridFamilias_, &QTableView::clicked, this, [this](const QModelIndex &i) {
        Atender([this, i] {
            modelo_.gridFamilias.Row = GridModel::FilaGrid(i.row());
            modelo_.gridFamilias.Col = i.column();
            modelo_.gridFamilias_Click();
        });
    });
    connect(gridProductos_, &QTableView::clicked, this, [this](const QModelIndex &i) {
        Atender([this, i] {
            modelo_.gridProductos.Row = GridModel::FilaGrid(i.row());
            modelo_.gridProductos.Col = i.column();
            modelo_.gridProductos_Click();
        });
    });
    connect(gridTPV_, &QTableView::clicked, this, [this](const QModelIndex &i) {
        Atender([this, i] {
            modelo_.gridTPV.Row = GridModel::FilaGrid(i.row());
            modelo_.gridTPV.Col = i.column();
            modelo_.gridTPV_Click();
        });
    });
    Repintar();
}

QTableView *frmPrincipalVista::NuevaTabla(const QString &nombre, GridModel *datos)
{
    auto *t = new QTableView(this);
    t->setObjectName(nombre);
    t->setModel(datos);
    t->setFont(FuenteGrid());
    // Tab reaches it (a touch does not take the focus); see eventFilter for its keys.
    t->setFocusPolicy(Qt::TabFocus);
    t->installEventFilter(this);
    t->setTabKeyNavigation(false);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(true);
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->horizontalHeader()->setFont(Estilo::Fuente(13, true));
    t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    t->horizontalHeader()->setSectionsClickable(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->horizontalHeader()->setMinimumHeight(34);
    t->setStyleSheet(QStringLiteral("QTableView { background: white; gridline-color: #d8cfc0; }"
                                    "QTableView:focus, QTableView::item:focus { border: 3px solid #1f5fa8; }"
                                    "QHeaderView::section { background: #efe6d6; border: none;"
                                    " border-bottom: 2px solid #8a7b66; padding: 4px 5px; }"
                                    "QScrollBar:vertical { width: 36px; }"));
    return t;
}

QLabel *frmPrincipalVista::NuevaCaja(const QString &nombre, int puntos)
{
    auto *l = new Etiqueta(this);
    l->setObjectName(nombre);
    l->setFont(Estilo::Fuente(puntos, true));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumHeight(52);
    l->setStyleSheet(QStringLiteral("QLabel { background: white; border: 2px solid #8a7b66;"
                                    " border-radius: 6px; padding: 2px 8px; }"));
    return l;
}

QWidget *frmPrincipalVista::ZonaIzquierda()
{
    auto *zona = new QWidget(this);
    zona->setMinimumWidth(AnchoZonaIzquierda);
    auto *capa = new QVBoxLayout(zona);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->setSpacing(8);
    // The families stay in view beside the products: the next garment is one touch away.
    auto *listas = new QHBoxLayout;
    listas->setSpacing(6);
    gridFamilias_ = NuevaTabla(QStringLiteral("gridFamilias"), familias_);
    gridProductos_ = NuevaTabla(QStringLiteral("gridProductos"), productos_);
    gridFamilias_->setAccessibleName(QStringLiteral("Familias"));
    gridProductos_->setAccessibleName(QStringLiteral("Arreglos de la familia"));
    listas->addWidget(gridFamilias_, 2);
    listas->addWidget(gridProductos_, 3);
    capa->addLayout(listas, 1);
    lblVersion_ = new Etiqueta(zona);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblVersion_->setAccessibleName(QString::fromUtf8("Versión del programa"));
    lblVersion_->setFont(Estilo::Fuente(9));
    lblVersion_->setStyleSheet(QStringLiteral("color: #8a7b66;"));
    capa->addWidget(lblVersion_);
    lblConexion_ = new Etiqueta(zona);
    lblConexion_->setObjectName(QStringLiteral("lblConexion"));
    lblConexion_->setAccessibleName(QString::fromUtf8("Conexión con el servidor"));
    lblConexion_->setFont(Estilo::Fuente(12, true));
    lblConexion_->setWordWrap(true);
    lblConexion_->hide();
    capa->addWidget(lblConexion_);
    return zona;
}

QWidget *frmPrincipalVista::ZonaCliente()
{
    auto *zona = new QWidget(this);
    auto *capa = new QVBoxLayout(zona);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->setSpacing(2);

    auto *titulos = new QHBoxLayout;
    titulos->setSpacing(16);
    auto *titulo = new Etiqueta(QStringLiteral("Datos cliente"), zona);
    titulo->setFont(Estilo::Fuente(12, true));
    lblAtendidopor_ = new Etiqueta(zona);
    lblAtendidopor_->setObjectName(QStringLiteral("lblAtendidopor"));
    lblAtendidopor_->setAccessibleName(QStringLiteral("Atendido por"));
    lblAtendidopor_->setFont(Estilo::Fuente(12));
    lblNumReferencia_ = new Etiqueta(zona);
    lblNumReferencia_->setObjectName(QStringLiteral("lblNumReferencia"));
    lblNumReferencia_->setAccessibleName(QStringLiteral("Referencia del encargo"));
    lblNumReferencia_->setFont(Estilo::Fuente(14, true));
    lblNumReferencia_->setStyleSheet(QStringLiteral("color: #6b3e2e;"));
    titulos->addWidget(titulo);
    titulos->addStretch();
    titulos->addWidget(lblAtendidopor_);
    titulos->addWidget(lblNumReferencia_);
    capa->addLayout(titulos);

    auto *marco = new QFrame(zona);
    marco->setObjectName(QStringLiteral("marcoCliente"));
    marco->setStyleSheet(QStringLiteral("#marcoCliente { border: 1px solid #d8cfc0; border-radius: 6px;"
                                        " background: #f6f1e8; }"));
    auto *datos = new QGridLayout(marco);
    datos->setContentsMargins(8, 4, 8, 8);
    datos->setHorizontalSpacing(6);
    datos->setVerticalSpacing(2);
    txtTelefono_ = NuevaCaja(QStringLiteral("txtTelefono"), 15);
    txtTelefono_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtTelefono_->setFixedWidth(170);
    txtNombreCliente_ = NuevaCaja(QStringLiteral("txtNombreCliente"), 14);
    txtNombreCliente_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtNombreCliente_->setMinimumWidth(150);
    txtTelefono_->setAccessibleName(QString::fromUtf8("Teléfono"));
    txtNombreCliente_->setAccessibleName(QStringLiteral("Nombre del cliente"));
    cmdTelefono_ = BotonDibujo(Dibujo::Telefono, QStringLiteral("cmdTelefono"),
                               QString::fromUtf8("Teléfono del cliente"), marco);
    cmdBuscarCliente_ = BotonDibujo(Dibujo::Lupa, QStringLiteral("cmdBuscarCliente"),
                                    QStringLiteral("Buscar cliente"), marco);
    connect(cmdTelefono_, &QPushButton::clicked, this,
            [this] { Atender([this] { modelo_.cmdTelefono_Click(); }); });
    connect(cmdBuscarCliente_, &QPushButton::clicked, this,
            [this] { Atender([this] { modelo_.cmdBuscarCliente_Click(); }); });
    datos->addWidget(Rotulo(QString::fromUtf8("Teléfono"), marco), 0, 0);
    datos->addWidget(Rotulo(QStringLiteral("Nombre"), marco), 0, 2);
    datos->addWidget(txtTelefono_, 1, 0);
    datos->addWidget(cmdTelefono_, 1, 1);
    datos->addWidget(txtNombreCliente_, 1, 2);
    datos->addWidget(cmdBuscarCliente_, 1, 3);
    datos->setColumnStretch(2, 1);
    capa->addWidget(marco);
    return zona;
}

QWidget *frmPrincipalVista::ZonaCifras()
{
    auto *zona = new QWidget(this);
    auto *capa = new QGridLayout(zona);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->setHorizontalSpacing(8);
    capa->setVerticalSpacing(2);
    txtTotal_ = NuevaCaja(QStringLiteral("txtTotal"));
    txtSenal_ = NuevaCaja(QStringLiteral("txtSenal"));
    txtEntregado_ = NuevaCaja(QStringLiteral("txtEntregado"));
    txtPendiente_ = NuevaCaja(QStringLiteral("txtPendiente"));
    txtCambio_ = NuevaCaja(QStringLiteral("txtCambio"));
    txtPendiente_->setStyleSheet(txtPendiente_->styleSheet() + QStringLiteral("QLabel { color: #a01e1e; }"));
    txtCambio_->setStyleSheet(txtCambio_->styleSheet() + QStringLiteral("QLabel { color: #1e6b2e; }"));
    txtEntregado_->installEventFilter(this);
    // A value box reads as its caption; its text is the amount.
    txtTotal_->setAccessibleName(QStringLiteral("Importe total"));
    txtSenal_->setAccessibleName(QString::fromUtf8("Señal"));
    txtEntregado_->setAccessibleName(QStringLiteral("Entregado"));
    txtPendiente_->setAccessibleName(QStringLiteral("Pendiente"));
    txtCambio_->setAccessibleName(QStringLiteral("Cambio"));
    cmdPendiente_ = BotonDibujo(Dibujo::Dinero, QStringLiteral("cmdPendiente"),
                                QStringLiteral("Introduzca la cantidad"), zona);
    connect(cmdPendiente_, &QPushButton::clicked, this,
            [this] { Atender([this] { modelo_.cmdPendiente_Click(); }); });

    capa->addWidget(Rotulo(QStringLiteral("Importe total"), zona), 0, 0);
    capa->addWidget(Rotulo(QString::fromUtf8("Señal"), zona), 0, 1);
    capa->addWidget(Rotulo(QStringLiteral("Pendiente"), zona), 0, 4);
    capa->addWidget(Rotulo(QStringLiteral("Cambio"), zona), 0, 5);
    capa->addWidget(txtTotal_, 1, 0);
    capa->addWidget(txtSenal_, 1, 1);
    capa->addWidget(cmdPendiente_, 0, 2, 2, 1, Qt::AlignBottom);
    capa->addWidget(txtEntregado_, 1, 3);
    capa->addWidget(txtPendiente_, 1, 4);
    capa->addWidget(txtCambio_, 1, 5);
    for (int c : {0, 1, 3, 4, 5})
        capa->setColumnStretch(c, 1);
    return zona;
}

QWidget *frmPrincipalVista::ZonaAcciones()
{
    auto *zona = new QWidget(this);
    auto *fila = new QHBoxLayout(zona);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(8);
    txtFechaEntrega_ = NuevaCaja(QStringLiteral("txtFechaEntrega"), 16);
    txtFechaEntrega_->setAlignment(Qt::AlignCenter);
    txtFechaEntrega_->setFixedSize(128, Estilo::AltoBoton);
    txtFechaEntrega_->installEventFilter(this);
    txtFechaEntrega_->setAccessibleName(QStringLiteral("Fecha de entrega"));
    cmdFechaEntrega_ = Boton(QStringLiteral("Fecha entrega"), QStringLiteral("cmdFechaEntrega"), zona);
    cmdFormasPago_ = Boton(QStringLiteral("Efectivo"), QStringLiteral("cmdFormasPago"), zona);
    auto *cmdAcabarEncargo = Boton(QStringLiteral("Fin arreglo"), QStringLiteral("cmdAcabarEncargo"), zona);
    connect(cmdAcabarEncargo, &QPushButton::clicked, this,
            [this] { Atender([this] { modelo_.cmdAcabarEncargo_Click(); }); });
    connect(cmdFechaEntrega_, &QPushButton::clicked, this,
            [this] { Atender([this] { modelo_.cmdFechaEntrega_Click(); }); });
    connect(cmdFormasPago_, &QPushButton::clicked, this,
            [this] { Atender([this] { modelo_.cmdFormasPago_Click(); }); });
    fila->addWidget(txtFechaEntrega_);
    fila->addWidget(cmdFechaEntrega_);
    fila->addWidget(cmdFormasPago_);
    fila->addStretch();
    fila->addWidget(cmdAcabarEncargo);
    return zona;
}

QWidget *frmPrincipalVista::BarraInferior()
{
    auto *zona = new QWidget(this);
    auto *fila = new QHBoxLayout(zona);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(8);
    auto *cmdComenzar = Boton(QStringLiteral("Comenzar"), QStringLiteral("cmdComenzar"), zona);
    connect(cmdComenzar, &QPushButton::clicked, this,
            [this] { Atender([this] { modelo_.cmdComenzar_Click(); }); });
    fila->addWidget(cmdComenzar);
    fila->addSpacing(12);
    // Buttons whose screens are still to come stay in place, inactive.
    struct BotonBarra {
        const char *texto, *nombre;
        void (frmPrincipal::*manejador)();
    };
    const BotonBarra botones[] = {
        {"Mercería", "cmdMerceria", &frmPrincipal::cmdMerceria_Click},
        {"Entrega de arreglos", "cmdEntregaarreglos", &frmPrincipal::cmdEntregaarreglos_Click},
        {"Opciones", "cmdVerOpciones", &frmPrincipal::cmdVerOpciones_Click},
        {"Calculad.", "cmdCalculadora", &frmPrincipal::cmdCalculadora_Click},
        {"Abrir cajón", "Command1", &frmPrincipal::Command1_Click},
    };
    for (const BotonBarra &d : botones) {
        auto *b = Boton(QString::fromUtf8(d.texto), QString::fromLatin1(d.nombre), zona);
        b->setEnabled(d.manejador != nullptr);
        if (d.manejador)
            connect(b, &QPushButton::clicked, this,
                    [this, h = d.manejador] { Atender([this, h] { (modelo_.*h)(); }); });
        fila->addWidget(b);
    }
    return zona;
}

void frmPrincipalVista::Atender(const std::function<void()> &manejador)
{
    Accesible::AvisarCambios(this);
    Evento::Proteger(manejador);
    Repintar();
    Accesible::AvisarCambios(this);
}

void frmPrincipalVista::Repintar()
{
    const frmPrincipal &m = modelo_;
    PonerTitulo(this, m.Caption);
    lblVersion_->setText(m.lblVersion);
    PintarConexion();

    familias_->Refrescar();
    familias_->AjustarVista(gridFamilias_);
    gridFamilias_->setEnabled(m.gridFamiliasEnabled);
    productos_->Refrescar();
    productos_->AjustarVista(gridProductos_);
    gridProductos_->setEnabled(m.gridProductosEnabled);
    tpv_->Refrescar();
    tpv_->AjustarVista(gridTPV_);
    gridTPV_->setColumnHidden(frmPrincipal::ColPrenda, true);

    cmdFechaEntrega_->setEnabled(m.cmdFechaEntregaEnabled);
    cmdTelefono_->setEnabled(m.cmdTelefonoEnabled);
    cmdBuscarCliente_->setEnabled(m.cmdBuscarClienteEnabled);
    PonerTextoBoton(cmdFormasPago_, m.cmdFormasPagoCaption);

    txtTotal_->setText(m.txtTotal);
    txtSenal_->setText(m.txtSenal);
    txtEntregado_->setText(m.txtEntregado);
    txtPendiente_->setText(m.txtPendiente);
    txtCambio_->setText(m.txtCambio);
    txtFechaEntrega_->setText(m.txtFechaEntrega);
    lblNumReferencia_->setText(m.lblNumReferencia);
    lblAtendidopor_->setText(m.lblAtendidopor);
    txtTelefono_->setText(m.txtTelefono);
    txtNombreCliente_->setText(m.txtNombreCliente);
}

void frmPrincipalVista::PintarConexion()
{
    const frmPrincipal &m = modelo_;
    lblAvisoCopias_->setText(m.lblAvisoCopias);
    lblAvisoCopias_->setVisible(!m.lblAvisoCopias.isEmpty());
    if (lblConexion_->text() == m.lblConexion)
        return;
    lblConexion_->setText(m.lblConexion);
    lblConexion_->setStyleSheet(m.lblConexionPerdida ? QStringLiteral("color: #a8321f;")
                                                     : QStringLiteral("color: #2e6b34;"));
    lblConexion_->setVisible(!m.lblConexion.isEmpty());
}

bool frmPrincipalVista::eventFilter(QObject *objeto, QEvent *e)
{
    // The boxes answer a touch like the button beside them.
    if (e->type() == QEvent::MouseButtonRelease) {
        if (objeto == txtEntregado_) {
            Atender([this] { modelo_.cmdPendiente_Click(); });
            return true;
        }
        if (objeto == txtFechaEntrega_ && modelo_.cmdFechaEntregaEnabled) {
            Atender([this] { modelo_.cmdFechaEntrega_Click(); });
            return true;
        }
    }
    // A grid reached with Tab moves with the arrows and Space touches its current cell; every
    // other key is the scanner's, as wherever else the focus is.
    if (auto *tabla = qobject_cast<QTableView *>(objeto); tabla && e->type() == QEvent::KeyPress) {
        auto *tecla = static_cast<QKeyEvent *>(e);
        static const QList<int> mueven = {Qt::Key_Up,   Qt::Key_Down,   Qt::Key_Left,   Qt::Key_Right,
                                          Qt::Key_Home, Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown,
                                          Qt::Key_Tab,  Qt::Key_Backtab};
        if (tecla->key() == Qt::Key_Space && tabla->currentIndex().isValid())
            Q_EMIT tabla->clicked(tabla->currentIndex());
        else if (!mueven.contains(tecla->key()))
            keyPressEvent(tecla);
        else
            return false;
        return true;
    }
    return QWidget::eventFilter(objeto, e);
}

void frmPrincipalVista::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    // A garment ticket's scanner types like a keyboard: its code, then Enter.
    const QChar tecla = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter
                            ? QChar(u'\r')
                            : (e->text().size() == 1 ? e->text().at(0) : QChar());
    if (tecla.isNull()) {
        QWidget::keyPressEvent(e);
        return;
    }
    Atender([this, tecla] { modelo_.Form_KeyPress(tecla); });
}

void frmPrincipalVista::closeEvent(QCloseEvent *e)
{
    if (saliendo_) {
        e->accept();
        return;
    }
    bool salir = false;
    Evento::Proteger([&] { salir = modelo_.salirformulario(); });
    if (salir) {
        saliendo_ = true;
        e->accept();
        QApplication::quit();
    } else {
        e->ignore();
    }
}
