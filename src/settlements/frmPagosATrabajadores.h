#pragma once

#include "core/Combo.h"
#include "core/Grid.h"
#include "core/TextosLista.h"

#include <QString>
#include <functional>

// The workers' piece-rate pay: the lines back in the shop for one worker or all, paid, unpaid or
// both, what each line pays and the sum; a double touch marks a line paid or unpaid.
class frmPagosATrabajadores
{
public:
    static constexpr int TodosLosTrabajadores = 999;
    static constexpr Color ColorPagado = Rgb(192, 255, 192);
    static constexpr Color ColorRecienPagado = Rgb(0, 255, 0);
    static constexpr Color ColorRecienDespagado = Rgb(255, 255, 255);

    Combo cmbTrabajadores;
    Combo cmbEstado;
    Grid gridPagos;
    bool Abierto = false;
    // "Todos" reads the lines in pages, newest references first: the first page is shown at
    // once and the view asks for the rest (ContinuarLista) until this turns false.
    bool ListaIncompleta = false;
    int PrimeraPagina = 500;
    int FilasPorPagina = 20000;

    void CargarFormulario(const std::function<void()> &mostrar);
    void llenarListaTrabajadores();
    void DarTamanosGrid();
    // Worker 0 does nothing; 999 is every worker. State 0 all, 1 not paid, 2 paid. Limit 0: all lines.
    void LlenarLista(int idcosturera, int estado, int limite);
    // Reads the next page of an unlimited listing; the totals follow the last one.
    void ContinuarLista();
    void TerminarLista();

    // The listing statement: at most `limite` lines (0: all), newest references first.
    static QString SqlLista(int idcosturera, int estado, int limite);
    // One page of the full listing: at most `filas` lines, references from `hasta` down (all when null).
    static QString SqlPagina(int idcosturera, int estado, int filas, const QString &hasta);

    void cmdAceptar_Click() { Listar(500); }
    void cmd1000_Click() { Listar(1000); }
    void cmd2000_Click() { Listar(2000); }
    void cmd5000_Click() { Listar(5000); }
    void cmd10000_Click() { Listar(10000); }
    void cmdTodos_Click() { Listar(0); }
    void gridPagos_DblClick(int fila);
    void cmdImprimir_Click();
    void cmdSalir_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }

private:
    void Listar(int limite);
    // What one statement appended: its rows, and the reference, rows and pay of its last garment.
    struct Leidas {
        int filas = 0;
        QString ultima;
        int deUltima = 0;
        double pagoDeUltima = 0;
    };
    Leidas Leer(const QString &sql);
    void PonerTotales();

    int costurera_ = 0;
    int estado_ = 0;
    QString hasta_;
    double suma_ = 0;
    // The amounts shown repeat over hundreds of thousands of lines: each text is made once. Names
    // and garments keep the copy the driver made: sharing them cost more time than it saved memory.
    TextosLista textos_;
};
