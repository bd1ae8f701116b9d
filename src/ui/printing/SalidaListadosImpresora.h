#pragma once

#include "core/SalidaListados.h"

#include <QPrintPreviewDialog>

// The preview of one listing, A4 in its orientation: the user chooses the printer there, or
// writes a PDF file instead. `fallo` tells whether the last drawing (on paper or file) failed.
class VistaPreviaListado : public QPrintPreviewDialog
{
    Q_OBJECT
public:
    explicit VistaPreviaListado(ListadoImpreso listado, QWidget *padre = nullptr);
    bool fallo = false;
    // "Exportar": the listing as a file for a spreadsheet, at the path the user chose; tells
    // where it went or why it could not be written.
    void ExportarA(const QString &ruta);

private:
    ListadoImpreso listado_;
};

// The system printer: nothing is printed before the user has seen the preview.
class SalidaListadosImpresora : public SalidaListados
{
public:
    explicit SalidaListadosImpresora(QWidget *padre = nullptr) : padre_(padre) {}
    Resultado Imprimir(const ListadoImpreso &listado) override;

private:
    QWidget *padre_;
};
