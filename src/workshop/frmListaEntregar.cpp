#include "frmListaEntregar.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"

frmListaEntregar::frmListaEntregar()
    : PrendasArreglo(
        {QStringLiteral("Lista de prendas para entregar"),
         QStringLiteral("Lista de prendas para entregar"),
         QStringLiteral("Aceptar"),
         {1230, 4080, 1920, 1, 3000},
         // One row per garment: it is in the shop only when every line of it is.
         QStringLiteral(
             "SELECT arreglos_detalles.referenciaPrenda, max(arreglos_detalles.Nombreprenda) as "
             "nombreprenda, min(coalesce(arreglos_detalles.listoparaentrega, 0)) as listoparaentrega, "
             "max(costureras.Nombre) as nombre FROM arreglos_detalles LEFT OUTER JOIN costureras ON "
             "arreglos_detalles.IdCosturera = costureras.idCosturera where idarreglo = "),
         QStringLiteral(
             " group by arreglos_detalles.referenciaprenda order by arreglos_detalles.referenciaprenda"),
         true,
         QStringLiteral("Debe asignar primero la prenda a un trabajador")})
{
}

void frmListaEntregar::LlenarPrendas(int idarreglo)
{
    PrendasArreglo::LlenarPrendas(idarreglo);
    const bool entregado = entregado_;
    if (entregado) {
        lblTrabajador = QStringLiteral("Arreglo ya entregado");
        lblAyuda.clear();
    }
    cmdMarcarComoEntregadoCaption =
        entregado ? QStringLiteral("Ya entregado") : QStringLiteral("Entregar a cliente");
    cmdMarcarComoEntregadoEnabled = !entregado;
}

bool frmListaEntregar::Bloqueado()
{
    if (lblTrabajador.isEmpty())
        return false;
    Dlg().Mensaje(QStringLiteral("Arreglo ya entregado a cliente. No se puede modificar."));
    return true;
}

void frmListaEntregar::cmdMarcarComoEntregado_Click()
{
    if (!cmdMarcarComoEntregadoEnabled)
        return;
    Recordset rs = AbrirRecordset(QStringLiteral("select * from arreglos_detalles where idarreglo = ")
                                  + QString::number(IdArreglo));
    for (; !rs.EOF_(); rs.MoveNext())
        if (Val(NuloACero(rs.Campo(QStringLiteral("idcosturera")))) == 0) {
            Dlg().Mensaje(MensajeSinAsignar());
            return;
        }
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        if (Val(NuloACero(rs.Campo(QStringLiteral("listoparaentrega")))) == 0) {
            Dlg().Mensaje(
                QStringLiteral("Todas o alguna de las prendas de este arreglo no han sido recibidas en "
                               "tienda. Debe darlas primero de entrada."));
            return;
        }
    if (Dlg().MensajeSiNo(QStringLiteral("Va a entregar este prenda al cliente?")) != Dialogos::Si)
        return;
    // The hand-over ends on the sale screen, which takes the rest of the payment.
    ArregloACargar = {IdArreglo, true};
    salirformulario();
}

ArregloParaVenta frmListaEntregar::PedirArregloYMostrar(const QString &noEncontrado)
{
    QString respuesta;
    qint64 id = 0;
    if (PedirNumeroArreglo(QStringLiteral("Introduzca la referencia del arreglo a entregar"), respuesta, id))
        return MostrarParaEntregar(id, noEncontrado + respuesta);
    return {};
}

ArregloParaVenta frmListaEntregar::MostrarParaEntregar(qint64 idarreglo, const QString &noEncontrado)
{
    if (!ExisteArreglo(idarreglo)) {
        Dlg().Mensaje(noEncontrado);
        return {};
    }
    return G().pantallas ? G().pantallas->ListaEntregar(int(idarreglo)) : ArregloParaVenta{};
}

bool PedirNumeroArreglo(const QString &titulo, QString &respuesta, qint64 &idarreglo)
{
    respuesta = Dlg().PadNumerico(titulo, false);
    const std::optional<qint64> numero = LeerNumeroArreglo(respuesta);
    idarreglo = numero.value_or(0);
    return numero.has_value();
}
