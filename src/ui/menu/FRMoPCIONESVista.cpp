#include "ui/menu/FRMoPCIONESVista.h"

#include "menu/FRMoPCIONES.h"
#include "ui/common/Estilo.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct DefinicionBoton {
    int columna;
    const char *caption;
    const char *nombre;
    void (FRMoPCIONES::*manejador)();
};

using M = FRMoPCIONES;
const DefinicionBoton Botones[] = {
    {0, "Asignar arreglos a trabajadores", "cmdAsignarArreglos", &M::cmdAsignarArreglos_Click},
    {0, "Pendiente por trabajador", "cmdPendientePorTrabajador", &M::cmdPendientePorTrabajador_Click},
    {0, "Entrada desde trabajadores", "cmdEntregaTerminados", &M::cmdEntregaTerminados_Click},
    {0, "Modificar arreglo", "cmdModificarArreglo", &M::cmdModificarArreglo_Click},
    {0, "Anular arreglo", "cmdAnularArreglo", &M::cmdAnularArreglo_Click},
    {0, "Pagos a trabajadores", "cmdPagosTrabajadores", &M::cmdPagosTrabajadores_Click},
    {0, "Arreglos atrasados", "cmdAtrasados", &M::cmdAtrasados_Click},
    {0, "Cobros a tiendas", "cmdCobrostiendas", &M::cmdCobrostiendas_Click},
    {0, "Cerrar programa", "Command1", &M::Command1_Click},
    {1, "Arreglos en prendas", "cmdNuevoArreglo", &M::cmdNuevoArreglo_Click},
    {1, "Tipos de prenda", "cmdTiposFamilias", &M::cmdTiposFamilias_Click},
    {1, "Trabajadores", "Command4", &M::Command4_Click},
    {1, "Lista de clientes", "cmdListaCleintes", &M::cmdListaCleintes_Click},
    {1, "Copia de seguridad", "cmdCopiaSeguridad", &M::cmdCopiaSeguridad_Click},
    {1, "Traer los datos del programa anterior", "cmdImportarDatos", &M::cmdImportarDatos_Click},
    {2, "Caja actual", "cmdHojaVenta", &M::cmdHojaVenta_Click},
    {2, "Histórico de cajas", "cmdHistoricoCajas", &M::cmdHistoricoCajas_Click},
    {2, "Sacar dinero de caja", "cmdSacarDinero", &M::cmdSacarDinero_Click},
    {2, "Abrir cajón", "cmdAbrirCajon", &M::cmdAbrirCajon_Click},
    {2, "Calculadora", "Command2", &M::Command2_Click},
    {2, "Parámetros configuración", "cmdConfig", &M::cmdConfig_Click},
    {2, "Registro de operaciones", "cmdRegistroOperaciones", &M::cmdRegistroOperaciones_Click},
};

// A menu button whose caption breaks onto two lines when the column is too narrow for it.
QPushButton *BotonMenu(const QString &caption, QWidget *padre)
{
    auto *b = Estilo::Boton(QString(), padre);
    b->setAccessibleName(caption);
    b->setMinimumHeight(Estilo::AltoBoton);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *texto = new QLabel(caption, b);
    texto->setTextFormat(Qt::PlainText);
    texto->setWordWrap(true);
    texto->setAlignment(Qt::AlignCenter);
    texto->setFont(Estilo::Fuente(Estilo::PuntosBoton, true));
    texto->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *capa = new QVBoxLayout(b);
    capa->setContentsMargins(8, 2, 8, 2);
    capa->addWidget(texto);
    return b;
}

} // namespace

FRMoPCIONESVista::FRMoPCIONESVista(FRMoPCIONES &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Opciones"), padre), modelo_(modelo)
{
    resize(1024, 768);
    auto *capa = new QGridLayout(this);
    capa->setContentsMargins(24, 14, 24, 18);
    capa->setHorizontalSpacing(28);
    capa->setVerticalSpacing(8);

    const char *titulos[] = {"Arreglos", "Mantenimiento de datos", "Cajas"};
    for (int c = 0; c < 3; ++c) {
        auto *titulo = new QLabel(QString::fromUtf8(titulos[c]), this);
        titulo->setFont(Estilo::Fuente(17, true));
        titulo->setAlignment(Qt::AlignCenter);
        titulo->setStyleSheet(
            QStringLiteral("color: #6b3e2e; border-bottom: 2px solid #8a7b66; padding-bottom: 4px;"));
        capa->addWidget(titulo, 0, c);
        capa->setColumnStretch(c, 1);
    }

    int filas[3] = {1, 1, 1};
    for (const DefinicionBoton &d : Botones) {
        const QString caption = QString::fromUtf8(d.caption);
        auto *b = BotonMenu(caption, this);
        b->setObjectName(QString::fromLatin1(d.nombre));
        connect(b, &QPushButton::clicked, this,
                [this, h = d.manejador] { Ejecutar([this, h] { (modelo_.*h)(); }); });
        capa->addWidget(b, filas[d.columna]++, d.columna);
        botones_.push_back(b);
    }

    auto *cmdsalir = BotonMenu(QStringLiteral("Menu principal"), this);
    cmdsalir->setObjectName(QStringLiteral("cmdsalir"));
    cmdsalir->setMinimumHeight(Estilo::AltoBoton + 16);
    botones_.push_back(cmdsalir);
    cmdsalir->setStyleSheet(QStringLiteral("QPushButton { background: #e9dcc4; }"));
    connect(cmdsalir, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdsalir_Click(); }); });
    capa->setRowStretch(10, 1);
    capa->addWidget(cmdsalir, 9, 2);
    Repintar();
}

QPushButton *FRMoPCIONESVista::Boton(const QString &caption) const
{
    for (QPushButton *b : botones_)
        if (b->accessibleName() == caption)
            return b;
    return nullptr;
}

void FRMoPCIONESVista::Repintar()
{
    // Every button is always there and active: nothing on the menu changes while it is open.
}

void FRMoPCIONESVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
