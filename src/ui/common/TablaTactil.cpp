#include "ui/common/TablaTactil.h"

#include "ui/common/Estilo.h"
#include "ui/common/GridModel.h"

#include <QHeaderView>
#include <QTableView>

QTableView *TablaTactil(const QString &nombre, const QString &nombreAccesible, GridModel *datos,
                        QWidget *padre)
{
    auto *t = new QTableView(padre);
    t->setObjectName(nombre);
    t->setAccessibleName(nombreAccesible);
    t->setModel(datos);
    t->setFont(Estilo::Fuente(16));
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->horizontalHeader()->setFont(Estilo::Fuente(14, true));
    t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    t->horizontalHeader()->setSectionsClickable(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->horizontalHeader()->setMinimumSectionSize(1);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    t->setStyleSheet(QStringLiteral("QTableView { background: white; gridline-color: #d8cfc0;"
                                    " selection-background-color: #6b3e2e; selection-color: white; }"
                                    "QHeaderView::section { background: #efe6d6; border: none;"
                                    " border-bottom: 2px solid #8a7b66; padding: 6px 8px; }"
                                    "QScrollBar:vertical { width: 36px; }"));
    return t;
}

void RepintarTablaTactil(QTableView *tabla, GridModel *datos)
{
    datos->Refrescar();
    datos->AjustarVista(tabla);
    // A column a pixel wide is a spacer or a key: nothing to show, so it takes no room.
    for (int c = 0; c < datos->columnCount(); ++c)
        if (tabla->columnWidth(c) <= 1)
            tabla->setColumnHidden(c, true);
    for (int f = 0; f < datos->rowCount(); ++f)
        tabla->setRowHeight(f, Estilo::AltoFilaTactil);
}
