#include "ui/workshop/frmAsigancionVista.h"

#include "ui/common/Estilo.h"
#include "ui/common/Evento.h"
#include "ui/common/GridModelCreciente.h"
#include "workshop/frmAsigancion.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

frmAsigancionVista::frmAsigancionVista(frmAsigancion &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Asignar arreglos a trabajadores"), padre), modelo_(modelo)
{
    resize(1024, 768);
    auto *capa = new QGridLayout(this);
    capa->setSpacing(10);

    lblViendo_ = new QLabel(this);
    lblViendo_->setTextFormat(Qt::PlainText);
    lblViendo_->setFont(Estilo::Fuente(18, true));
    lblViendo_->setAccessibleName(QStringLiteral("Lista mostrada"));
    lblCuantos_ = new QLabel(this);
    lblCuantos_->setTextFormat(Qt::PlainText);
    lblCuantos_->setAccessibleName(QStringLiteral("Referencias mostradas"));
    lblCuantos_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The count may take two lines.
    lblCuantos_->setWordWrap(true);
    // The two texts share a row of their own: in the columns of the buttons below, a long list
    // name would widen the first two and cut the captions of the others.
    auto *arriba = new QHBoxLayout;
    arriba->addWidget(lblViendo_);
    arriba->addWidget(lblCuantos_, 1);
    capa->addLayout(arriba, 0, 0, 1, 4);

    gridModel_ = new GridModelCreciente(&modelo_.gridListaArreglos, this);
    tabla_ = new QTableView(this);
    tabla_->setModel(gridModel_);
    tabla_->setAccessibleName(QStringLiteral("Lista de arreglos"));
    tabla_->setFont(Estilo::Fuente(13));
    tabla_->setWordWrap(true);
    tabla_->verticalHeader()->hide();
    // One height for every row: a list of every line of ten years keeps no height per row.
    tabla_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla_->verticalHeader()->setDefaultSectionSize(Estilo::AltoFilaTactil);
    tabla_->horizontalHeader()->setFont(Estilo::Fuente(13, true));
    tabla_->horizontalHeader()->setStretchLastSection(true);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    capa->addWidget(tabla_, 1, 0, 1, 4);

    struct Accion {
        const char *texto;
        std::function<void()> manejador;
        bool nuevaLista;
        bool espera; // reads a list: a wait cursor until it is complete
    };
    frmAsigancion &m = modelo_;
    const Accion acciones[] = {
        {"Asignar a trabajador", [&m] { m.cmdAsignar_Click(); }, false, false},
        {"Arreglos sin asignar", [&m] { m.cmdArreglosSinAsignar_Click(); }, true, true},
        {"Ver todos los arreglos", [&m] { m.cmdVerTodos_Click(); }, true, true},
        {"Buscar por nº", [&m] { m.cmdBuscarPorNumero_Click(); }, false, false},
        {"Modif. arreglo", [&m] { m.cmdVerArreglo_Click(); }, false, false},
        {"Asignar código barras", [&m] { m.cmdAsignarBarras_Click(); }, true, false},
        {"Entrada código barras", [&m] { m.cmdEntradaBarras_Click(); }, false, false},
        {"Salir", [&m] { m.cmdsalir_Click(); }, false, false},
    };
    int i = 0;
    for (const Accion &a : acciones) {
        auto *b = Estilo::Boton(QString::fromUtf8(a.texto), this);
        b->setFont(Estilo::Fuente(12, true)); // eight captions, four to a row, whole at 1024 px
        b->setAccessibleName(b->text());
        b->setAutoDefault(false);
        capa->addWidget(b, 2 + i / 4, i % 4);
        connect(b, &QPushButton::clicked, this,
                [this, h = a.manejador, n = a.nuevaLista, e = a.espera] { Ejecutar(h, n, e); });
        ++i;
    }
    for (int c = 0; c < 4; ++c)
        capa->setColumnStretch(c, 1);

    connect(tabla_, &QTableView::clicked, this, [this](const QModelIndex &ix) {
        Ejecutar([this, ix] { modelo_.gridListaArreglos_Click(GridModel::FilaGrid(ix.row())); }, false);
    });
    connect(tabla_, &QTableView::doubleClicked, this, [this](const QModelIndex &ix) {
        Ejecutar(
            [this, ix] {
                modelo_.gridListaArreglos_Click(GridModel::FilaGrid(ix.row()));
                modelo_.gridListaArreglos_DblClick();
            },
            false);
    });

    tabla_->installEventFilter(this);

    carga_ = new QTimer(this);
    carga_->setSingleShot(true);
    carga_->setInterval(0);
    connect(carga_, &QTimer::timeout, this, &frmAsigancionVista::SeguirCargando);
    Repintar();
}

frmAsigancionVista::~frmAsigancionVista()
{
    if (cursorEspera_)
        QApplication::restoreOverrideCursor();
}

QPushButton *frmAsigancionVista::Boton(const QString &texto) const
{
    for (QPushButton *b : findChildren<QPushButton *>())
        if (b->text() == texto)
            return b;
    return nullptr;
}

bool frmAsigancionVista::Cargando() const
{
    return modelo_.QuedanPaginas();
}

void frmAsigancionVista::Ejecutar(const std::function<void()> &accion, bool nuevaLista, bool espera)
{
    if (espera && !cursorEspera_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        cursorEspera_ = true;
    }
    nuevaLista_ = nuevaLista;
    Vista::Ejecutar(accion);
    if (modelo_.Abierto && modelo_.QuedanPaginas()) {
        // The first rows go on screen now, before the next page keeps the loop busy.
        repaint();
        carga_->start();
    } else {
        TerminarCarga();
    }
}

void frmAsigancionVista::SeguirCargando()
{
    Evento::Proteger([this] { modelo_.LlenarSiguientePagina(); });
    gridModel_->Crecer();
    lblCuantos_->setText(modelo_.lblCuantos);
    if (modelo_.QuedanPaginas() && modelo_.Abierto)
        carga_->start();
    else
        TerminarCarga();
}

void frmAsigancionVista::TerminarCarga()
{
    carga_->stop();
    if (cursorEspera_) {
        QApplication::restoreOverrideCursor();
        cursorEspera_ = false;
        Q_EMIT ListaCompleta();
    }
}

void frmAsigancionVista::Repintar()
{
    const Grid &g = modelo_.gridListaArreglos;
    if (nuevaLista_) {
        gridModel_->Reiniciar();
        for (int c = 0; c < g.Cols(); ++c) {
            tabla_->setColumnHidden(c, g.ColWidth(c) <= 30);
            if (g.ColWidth(c) > 30)
                tabla_->setColumnWidth(c, g.ColWidth(c) / Estilo::TwipsPorPixel);
        }
    } else {
        gridModel_->Actualizar();
    }
    if (g.Row >= 1 && g.Row < g.Rows()) {
        const QModelIndex ix = gridModel_->index(g.Row - 1, 1);
        tabla_->setCurrentIndex(ix);
        if (modelo_.FilaSuperior == g.Row)
            tabla_->scrollTo(ix, QAbstractItemView::PositionAtTop);
    }
    modelo_.FilaSuperior = 0;
    lblViendo_->setText(modelo_.lblViendo);
    lblCuantos_->setText(modelo_.lblCuantos);
}

bool frmAsigancionVista::CierraLaPantalla(const QKeyEvent *e)
{
    // Any key that types something, or Escape, closes the screen; a lone Shift, Ctrl or an
    // arrow moving through the list does not.
    return e->key() == Qt::Key_Escape || (!e->text().isEmpty() && e->text().at(0).isPrint());
}

bool frmAsigancionVista::eventFilter(QObject *objeto, QEvent *e)
{
    if (objeto == tabla_ && e->type() == QEvent::KeyPress && CierraLaPantalla(static_cast<QKeyEvent *>(e))) {
        keyPressEvent(static_cast<QKeyEvent *>(e));
        return true;
    }
    return Vista::eventFilter(objeto, e);
}

void frmAsigancionVista::keyPressEvent(QKeyEvent *e)
{
    if (CierraLaPantalla(e)) {
        Ejecutar([this, k = e->key()] { modelo_.Form_KeyPress(k); }, false);
        return;
    }
    Vista::keyPressEvent(e);
}

void frmAsigancionVista::Escape()
{
    modelo_.Form_KeyPress(Qt::Key_Escape);
}
