#pragma once

#include "frmInicio.h"

#include <QString>
#include <memory>

class Conexion;

// The sale screen: always open, everything else is opened from it.
class frmPrincipal
{
public:
    frmPrincipal();
    ~frmPrincipal();

    // Start-up: configuration, connection, shop parameters, the cash day. False when the
    // program cannot go on (the user has been told why).
    bool CargarFormulario(const QString &rutaConfiguracion);
    // Asks before ending; true when the user confirmed and the connection is closed.
    bool salirformulario();

    frmInicio inicio;
    QString lblVersion;
    QString Caption = QStringLiteral("Hilván - Arreglos de ropa");

private:
    void CargarParametros();
    void AbrirCaja();
    std::unique_ptr<Conexion> conexion_;
};
