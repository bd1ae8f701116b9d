#pragma once

#include "core/Grid.h"

#include <QString>
#include <vector>

// One sheet of a paged listing: the counter line and the rows on it, the heading row first.
struct PaginaListado {
    QString contador;
    std::vector<std::vector<QString>> filas;
};

// A listing laid out in pages, ready for paper: every page has room for the same number of
// rows, so the last one keeps the row height of the others and its spare rows stay empty.
struct ListadoImpreso {
    QString titulo;
    bool apaisado = false;
    int filasPorPagina = 57;
    std::vector<int> anchos; // twips, as on screen; 0 or 1 is a hidden column
    std::vector<Alineacion> alineaciones;
    std::vector<PaginaListado> paginas;
};

// Where listings go: the system printer (after a preview) or, in tests, a PDF file.
class SalidaListados
{
public:
    enum class Resultado { Impreso, Cancelado, Fallo };
    virtual ~SalidaListados() = default;
    virtual Resultado Imprimir(const ListadoImpreso &listado) = 0;
};
