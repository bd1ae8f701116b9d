#include "frmFIchaCliente.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

void frmFIchaCliente::CargarFormulario(const QString &telefono, int idcliente,
                                       const std::function<void()> &mostrar)
{
    if (idcliente != 0) {
        LlenarDatosCliente(idcliente);
        IdCliente = idcliente;
        cmdVerArreglosVisible = true;
    } else {
        txtTelefono = telefono;
        IdCliente = 0;
    }
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmFIchaCliente::LlenarDatosCliente(int idcliente)
{
    Recordset rs = AbrirRecordset(QStringLiteral("Select * from clientes where idcliente = ")
                                  + QString::number(idcliente));
    if (!rs.HayFilas())
        return;
    auto campo = [&rs](const char *c) { return NuloABlanco(rs.Campo(QString::fromLatin1(c))).trimmed(); };
    txtNombre = campo("nombre");
    txtDireccion = campo("direccion");
    txtCodPostal = campo("cpostal");
    txtLocalidad = campo("localidad");
    txtNif = campo("nif");
    txtTelefono = campo("telefono");
    chkEstienda = Val(NuloACero(rs.Campo(QStringLiteral("estienda")))) == 1;
}

bool frmFIchaCliente::GuardarCliente()
{
    const QString sinDatos = QString::fromUtf8("Introduzca al menos el nombre y el teléfono");
    const QString tienda = chkEstienda ? QStringLiteral("1") : QStringLiteral("0");
    const std::pair<const QString *, const char *> campos[] = {{&txtNombre, "Nombre"},
                                                               {&txtDireccion, "Dirección"},
                                                               {&txtCodPostal, "Código postal"},
                                                               {&txtLocalidad, "Localidad"},
                                                               {&txtNif, "NIF"},
                                                               {&txtTelefono, "Teléfono"}};
    for (const auto &[texto, campo] : campos)
        if (!TextoTecleado(*texto, QString::fromUtf8(campo)))
            return false;
    if (IdCliente == 0) {
        if (!txtTelefono.isEmpty() && ExisteTelefono(txtTelefono)) {
            Dlg().Mensaje(QStringLiteral("Ya hay un cliente con ese telefono"));
            return false;
        }
        if (txtNombre.trimmed().isEmpty() || txtTelefono.trimmed().isEmpty()) {
            Dlg().Mensaje(sinDatos);
            return false;
        }
        if (!GuardarSinRepetirTelefono(
                QStringLiteral("insert into clientes(nombre, direccion, cpostal, localidad, nif, telefono, "
                               "estienda) values (")
                + ComillasSQL(txtNombre) + QStringLiteral(", ") + ComillasSQL(txtDireccion)
                + QStringLiteral(", ") + ComillasSQL(txtCodPostal) + QStringLiteral(", ")
                + ComillasSQL(txtLocalidad) + QStringLiteral(", ") + ComillasSQL(txtNif)
                + QStringLiteral(", ") + ComillasSQL(txtTelefono) + QStringLiteral(", ") + tienda
                + QStringLiteral(")")))
            return false;
    } else {
        if (txtNombre.trimmed().isEmpty() || txtTelefono.trimmed().isEmpty()) {
            Dlg().Mensaje(sinDatos);
            return false;
        }
        if (!GuardarSinRepetirTelefono(QStringLiteral("update clientes set nombre = ")
                                       + ComillasSQL(txtNombre) + QStringLiteral(", direccion = ")
                                       + ComillasSQL(txtDireccion) + QStringLiteral(", cpostal = ")
                                       + ComillasSQL(txtCodPostal) + QStringLiteral(", localidad = ")
                                       + ComillasSQL(txtLocalidad) + QStringLiteral(", nif = ")
                                       + ComillasSQL(txtNif) + QStringLiteral(", telefono = ")
                                       + ComillasSQL(txtTelefono) + QStringLiteral(", estienda = ") + tienda
                                       + QStringLiteral(" where idcliente = ") + QString::number(IdCliente)))
            return false;
    }
    Abierto = false;
    return true;
}

bool frmFIchaCliente::GuardarSinRepetirTelefono(const QString &sql)
{
    try {
        Bd().Ejecutar(sql);
        return true;
    } catch (const ErrorBaseDatos &) {
        // Another counter saved a customer with this telephone a moment ago: the database's
        // one-customer-per-telephone rule refused this one.
        if (!AbrirRecordset(QStringLiteral("select idcliente from clientes where telefono = ")
                            + ComillasSQL(txtTelefono) + QStringLiteral(" and idcliente <> ")
                            + QString::number(IdCliente))
                 .HayFilas())
            throw;
        Dlg().Mensaje(QStringLiteral("Ya hay un cliente con ese telefono"));
        return false;
    }
}

void frmFIchaCliente::cmdPostal_Click()
{
    txtCodPostal = Dlg().PadNumerico(QString::fromUtf8("Código postal"), false);
}

void frmFIchaCliente::cmdTelefono_Click()
{
    txtTelefono = Dlg().PadNumerico(QString::fromUtf8("Teléfono"), true);
}

void frmFIchaCliente::cmdVerArreglos_Click()
{
    if (IdCliente != 0 && G().pantallas)
        G().pantallas->ArreglosCliente(IdCliente);
}
