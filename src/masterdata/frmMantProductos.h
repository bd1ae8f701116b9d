#pragma once

#include "core/Combo.h"

#include <QString>
#include <functional>

// The product card: one alteration of a garment type with its three prices, new or edited.
class frmMantProductos
{
public:
    Combo cmbFamilia;
    QString txtDescripcion;
    QString txtPVPPublico;
    QString txtPrecioEspecial;
    QString txtPagoTrabajador;
    bool chkActivo = false; // "Arreglo desactivado": withdrawn from the counter
    QString cmdAceptarCaption = QStringLiteral("Aceptar");
    int IdProducto = 0;
    bool Abierto = false;

    void CargarFormulario(int idproducto, const std::function<void()> &mostrar);
    void LlenarComboFamilias();

    // Typing a public price proposes a third of it as the worker's pay.
    void txtPVPPublico_Change();
    void cmdPrecioPublico_Click();
    void cmdPrecioEspecial_Click();
    void cmdPrecioTrabajador_Click();
    void cmdAceptar_Click();
    void cmdCancelar_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }

private:
    bool PedirPrecio(const QString &pregunta, QString &caja);
};
