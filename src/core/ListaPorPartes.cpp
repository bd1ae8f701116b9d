#include "ListaPorPartes.h"

#include "Conexion.h"

#include <limits>

ListaPorPartes::ListaPorPartes() = default;
ListaPorPartes::~ListaPorPartes() = default;

void ListaPorPartes::Empezar(const QString &sql, int filas, std::function<void(const FilaLeida &)> fila,
                             std::function<void()> alAcabar)
{
    Dejar();
    fila_ = std::move(fila);
    alAcabar_ = std::move(alAcabar);
    lectura_ = Bd().AbrirLectura(sql);
    Seguir(filas);
}

void ListaPorPartes::Seguir(int filas)
{
    if (!lectura_)
        return;
    bool quedan = false;
    try {
        quedan = lectura_->Leer(filas, fila_);
    } catch (...) {
        lectura_.reset();
        throw;
    }
    if (quedan)
        return;
    lectura_.reset();
    if (alAcabar_)
        alAcabar_();
}

void ListaPorPartes::Completar()
{
    Seguir(std::numeric_limits<int>::max());
}

void ListaPorPartes::Dejar()
{
    lectura_.reset();
}
