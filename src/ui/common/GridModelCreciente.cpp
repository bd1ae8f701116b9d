#include "ui/common/GridModelCreciente.h"

#include "ui/common/Evento.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

void GridModelCreciente::Reiniciar()
{
    beginResetModel();
    publicadas_ = std::max(0, grid_->Rows() - 1);
    endResetModel();
}

void GridModelCreciente::Crecer()
{
    const int filas = std::max(0, grid_->Rows() - 1);
    if (filas < publicadas_) {
        Reiniciar();
        return;
    }
    if (filas > publicadas_) {
        beginInsertRows({}, publicadas_, filas - 1);
        publicadas_ = filas;
        endInsertRows();
    }
}

void GridModelCreciente::Ocupado(bool si)
{
    if (si == ocupado_)
        return;
    ocupado_ = si;
    if (si)
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

void GridModelCreciente::Actualizar()
{
    const int antes = publicadas_;
    Crecer();
    if (antes > 0 && publicadas_ >= antes)
        Q_EMIT dataChanged(index(0, 0), index(antes - 1, columnCount() - 1));
}

void GridModelCreciente::Cargar(std::function<bool()> incompleta, std::function<void()> seguir)
{
    if (cargando_)
        return;
    Ocupado(incompleta());
    if (!ocupado_)
        return;
    cargando_ = true;
    QTimer::singleShot(0, this, [this, incompleta, seguir] {
        Evento::Proteger(seguir);
        Crecer();
        cargando_ = false;
        Cargar(incompleta, seguir);
    });
}
