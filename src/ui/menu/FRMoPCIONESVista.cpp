#include "ui/menu/FRMoPCIONESVista.h"

#include "menu/FRMoPCIONES.h"
#include "ui/common/Estilo.h"
#include "ui/menu/RegistroPantallas.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

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

    // The buttons are the registry's rows with a menu column, in its order.
    int filas[3] = {1, 1, 1};
    for (const FichaPantalla &f : RegistroPantallas()) {
        if (f.columna < 0)
            continue;
        auto *b = BotonMenu(QString::fromUtf8(f.nombre), this);
        b->setObjectName(QString::fromLatin1(f.abre));
        connect(b, &QPushButton::clicked, this, [this, &f] {
            Ejecutar([this, &f] {
                modelo_.Pulsar(f.rasgos & PideClave, [this, &f] { return f.abrir(modelo_); });
            });
        });
        capa->addWidget(b, filas[f.columna]++, f.columna);
        botones_.push_back(b);
    }

    auto *cmdsalir = BotonMenu(QStringLiteral("Menu principal"), this);
    cmdsalir->setObjectName(QStringLiteral("cmdsalir"));
    cmdsalir->setMinimumHeight(Estilo::AltoBoton + 16);
    botones_.push_back(cmdsalir);
    cmdsalir->setStyleSheet(QStringLiteral("QPushButton { background: #e9dcc4; }"));
    connect(cmdsalir, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdsalir_Click(); }); });
    const int ultima = std::max({filas[0], filas[1], filas[2], 10}) - 1;
    capa->setRowStretch(ultima + 1, 1);
    capa->addWidget(cmdsalir, std::max(ultima, filas[2]), 2);
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
