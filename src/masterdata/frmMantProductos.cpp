#include "frmMantProductos.h"

#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "core/Tecleado.h"

namespace {

// A price as it goes into SQL: read as the program writes numbers, kept to cents.
QString Precio(const QString &texto)
{
    return TextoNumero(RedondearImporte(Val(texto)));
}

// A price the card can keep: a number (more decimals are rounded to cents), from 0 to the largest
// amount the shop takes, so that no slip of the finger overflows the price column.
bool PrecioValido(const QString &texto)
{
    if (!EsNumero(texto))
        return false;
    const double v = RedondearImporte(Val(texto));
    return v >= 0 && v <= ImporteMaximo;
}

} // namespace

void frmMantProductos::CargarFormulario(int idproducto, const std::function<void()> &mostrar)
{
    IdProducto = idproducto;
    LlenarComboFamilias();
    if (idproducto != 0) {
        Recordset rs = AbrirRecordset(
            QStringLiteral(
                "SELECT Productos.IdProducto, Familias.Nombre AS familia,     Productos.Nombre, "
                "Productos.Precio1, Productos.activo,     Productos.Precio2,   Productos.Precio3  FROM "
                "Productos INNER JOIN     Familias ON Productos.IdFamilia = Familias.idFamilia where "
                "productos.idproducto = ")
            + QString::number(idproducto));
        if (!rs.EOF_()) {
            cmbFamilia.ElegirTexto(NuloABlanco(rs.Campo(QStringLiteral("familia"))).trimmed());
            txtDescripcion = NuloABlanco(rs.Campo(QStringLiteral("nombre"))).trimmed();
            txtPVPPublico = FormatoImporte(rs.Campo(QStringLiteral("precio1")));
            txtPrecioEspecial = FormatoImporte(rs.Campo(QStringLiteral("precio2")));
            txtPagoTrabajador = FormatoImporte(rs.Campo(QStringLiteral("precio3")));
            chkActivo = Val(NuloACero(rs.Campo(QStringLiteral("activo")))) != 0;
        }
        cmdAceptarCaption = QStringLiteral("Actualizar");
    }
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmMantProductos::LlenarComboFamilias()
{
    cmbFamilia.Clear();
    cmbFamilia.AddItem(QStringLiteral("Seleccione"), 0);
    cmbFamilia.AgregarDeConsulta(QStringLiteral("select * from familias order by nombre"),
                                 QStringLiteral("nombre"), QStringLiteral("idfamilia"));
    cmbFamilia.Elegir(0);
}

void frmMantProductos::txtPVPPublico_Change()
{
    if (!txtPVPPublico.trimmed().isEmpty() && EsNumero(txtPVPPublico))
        txtPagoTrabajador = FormatoImporte(Val(txtPVPPublico) / 3);
}

bool frmMantProductos::PedirPrecio(const QString &pregunta, QString &caja)
{
    const QString texto = Dlg().PadNumerico(pregunta, false);
    if (texto.isEmpty()) // the keypad was cancelled: the box keeps its price
        return false;
    caja = FormatoImporte(texto);
    return true;
}

void frmMantProductos::cmdPrecioPublico_Click()
{
    if (PedirPrecio(QString::fromUtf8("Introduzca el precio al público"), txtPVPPublico))
        txtPVPPublico_Change();
}

void frmMantProductos::cmdPrecioEspecial_Click()
{
    PedirPrecio(QStringLiteral("Introduzca el precio especial"), txtPrecioEspecial);
}

void frmMantProductos::cmdPrecioTrabajador_Click()
{
    PedirPrecio(QStringLiteral("Introduzca el precio de pago al trabajador"), txtPagoTrabajador);
}

void frmMantProductos::cmdAceptar_Click()
{
    const struct {
        bool mal;
        const char *mensaje;
    } comprobaciones[] = {
        {cmbFamilia.Text == QLatin1String("Seleccione") || cmbFamilia.ItemData() == 0,
         "Seleccione una familia para el arreglo"},
        {txtDescripcion.trimmed().isEmpty(), "Ponga una descripcion al arreglo"},
        {!PrecioValido(txtPVPPublico), "Ponga un precio al publico correcto"},
        {!PrecioValido(txtPrecioEspecial), "Ponga un precio especial / a tiendas correcto"},
        {!PrecioValido(txtPagoTrabajador), "Ponga un precio de pago al trabajador correcto"},
    };
    for (const auto &c : comprobaciones)
        if (c.mal) {
            Dlg().Mensaje(QString::fromLatin1(c.mensaje));
            return;
        }
    if (!TextoTecleado(txtDescripcion.trimmed(), QString::fromUtf8("Descripción")))
        return;
    const QString familia = QString::number(cmbFamilia.ItemData());
    const QString activo = chkActivo ? QStringLiteral("1") : QStringLiteral("0");
    if (IdProducto == 0) {
        Bd().Ejecutar(
            QStringLiteral("insert into productos (idfamilia, nombre, precio1, precio2, precio3, activo) "
                           "values (")
            + familia + QStringLiteral(", ") + ComillasSQL(txtDescripcion.trimmed()) + QStringLiteral(", ")
            + Precio(txtPVPPublico) + QStringLiteral(", ") + Precio(txtPrecioEspecial) + QStringLiteral(", ")
            + Precio(txtPagoTrabajador) + QStringLiteral(", ") + activo + QLatin1Char(')'));
        Dlg().Mensaje(QStringLiteral("Producto guardado"));
    } else {
        Bd().Ejecutar(
            QStringLiteral("update productos set idfamilia =") + familia + QStringLiteral(", nombre = ")
            + ComillasSQL(txtDescripcion.trimmed()) + QStringLiteral(", precio1 = ") + Precio(txtPVPPublico)
            + QStringLiteral(", precio2 = ") + Precio(txtPrecioEspecial) + QStringLiteral(", precio3 = ")
            + Precio(txtPagoTrabajador) + QStringLiteral(", activo = ") + activo
            + QStringLiteral(" WHERE productos.idproducto = ") + QString::number(IdProducto));
        Dlg().Mensaje(QStringLiteral("Producto actualizado"));
    }
    Abierto = false;
}
