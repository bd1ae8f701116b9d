#pragma once

#include "core/Combo.h"
#include "core/Grid.h"
#include "core/TextosLista.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class FilaLeida;
class LecturaAparte;

// The workers' piece-rate pay: the lines back in the shop for one worker or all, paid, unpaid or
// both, what each line pays and the sum; a double touch marks a line paid or unpaid.
class frmPagosATrabajadores
{
public:
    static constexpr int TodosLosTrabajadores = 999;
    static constexpr Color ColorPagado = Rgb(192, 255, 192);
    static constexpr Color ColorRecienPagado = Rgb(0, 255, 0);
    static constexpr Color ColorRecienDespagado = Rgb(255, 255, 255);

    frmPagosATrabajadores();
    ~frmPagosATrabajadores();

    Combo cmbTrabajadores;
    Combo cmbEstado;
    Grid gridPagos;
    bool Abierto = false;
    // "Todos" shows its first page of lines, newest references first, at once; the rest is read
    // behind it by a worker on a connection of its own (LecturaAparte) and appended a part at a
    // time (ContinuarLista) until this turns false.
    bool ListaIncompleta = false;
    int PrimeraPagina = 500;
    // About 10 ms of the screen's work: a touch waits no longer.
    int FilasPorParte = 2000;

    void CargarFormulario(const std::function<void()> &mostrar);
    void llenarListaTrabajadores();
    void DarTamanosGrid();
    // Worker 0 does nothing; 999 is every worker. State 0 all, 1 not paid, 2 paid. Limit 0: all lines.
    void LlenarLista(int idcosturera, int estado, int limite);
    // Reads the next part of an unlimited listing; the totals follow the last one.
    void ContinuarLista();
    // Reads what is left of an unlimited listing at once (before a line is marked or printed).
    void CompletarLista();
    void TerminarLista();

    // The listing statement: at most `limite` lines (0: all), newest references first.
    static QString SqlLista(int idcosturera, int estado, int limite);
    // The listing from the reference `hasta` down (all when null) to the order after `desde`
    // (-1: to the first), at most `filas` lines (0: all).
    static QString SqlPagina(int idcosturera, int estado, int filas, const QString &hasta, qint64 desde = -1);

    void cmdAceptar_Click() { Listar(500); }
    void cmd1000_Click() { Listar(1000); }
    void cmd2000_Click() { Listar(2000); }
    void cmd5000_Click() { Listar(5000); }
    void cmd10000_Click() { Listar(10000); }
    void cmdTodos_Click() { Listar(0); }
    void gridPagos_DblClick(int fila);
    void cmdImprimir_Click();
    void cmdSalir_Click() { Cerrar(); }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Cerrar();
    }

private:
    void Listar(int limite);
    // What one statement appended: its rows, and the number, rows and pay of its last order.
    struct Leidas {
        int filas = 0;
        QString ultima;
        int deUltima = 0;
        double pagoDeUltima = 0;
    };
    Leidas Leer(const QString &sql);
    void Agregar(const FilaLeida &q, Leidas &l);
    void PonerTotales();
    void Cerrar();

    std::unique_ptr<LecturaAparte> resto_;     // the lines after the first page
    std::unique_ptr<LecturaAparte> preparada_; // on a server: a worker ready for "Todos"
    std::vector<int> campos_;                  // where each field is in the rows of the listing being read
    double suma_ = 0;
    // The amounts shown repeat over hundreds of thousands of lines: each text is made once. Names
    // and garments keep the copy the driver made: sharing them cost more time than it saved memory.
    TextosLista textos_;
};
