#pragma once

#include "core/Grid.h"
#include "intercambio/Importar.h"

#include <QString>
#include <functional>
#include <memory>

// "Traer los datos del programa anterior": a shop that switches to this program brings its
// orders, customers, money and staff from the old program's Access file (or a folder of CSV
// files) into its still empty database. The import runs on a worker thread with a connection of
// its own, so the screen repaints its progress and answers "Cancelar" while it works; cancelled
// or refused, the database stays as it was. At the end the checks are shown, and can be printed.
class frmImportar
{
public:
    frmImportar();
    ~frmImportar(); // a running import is cancelled and waited for

    bool Abierto = false;
    QString lblExplicacion;
    QString txtOrigen;
    QString lblTabla;     // the table being brought, or the checks
    int barProgreso = 0;  // 0 to 1000; -1 while the checks run (no part can be told)
    QString lblResultado; // the end: imported, refused (and why) or cancelled
    Grid gridComprobaciones;
    bool cmdElegirEnabled = true, cmdImportarEnabled = false, cmdCancelarEnabled = false,
         cmdImprimirEnabled = false, cmdSalirEnabled = true;
    bool Importado = false;

    // The shop has neither orders nor customers: only then may data be brought in.
    static bool TiendaVacia();
    // The same as a number to read along with other columns: 0 for an empty shop.
    static QString SqlTiendaVacia();
    void CargarFormulario(const std::function<void()> &mostrar);
    // The file or folder the user chose.
    void ElegirOrigen(const QString &ruta);
    void cmdImportar_Click();
    // Every moment while importing (the view's timer): shows how far it has gone, and the end.
    void tmrProgreso_Timer();
    bool Importando() const;
    void cmdCancelar_Click();
    void cmdImprimir_Click();
    void cmdSalir_Click();
    void Form_KeyPress(int tecla);
    // The end of an import: its message and checks.
    void MostrarResultado(const ResultadoImportar &r);

private:
    struct Trabajo;
    std::unique_ptr<Trabajo> trabajo_;
};
