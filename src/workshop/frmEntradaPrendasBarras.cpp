#include "frmEntradaPrendasBarras.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"

void frmEntradaPrendasBarras::Escanear(const QString &referencia)
{
    // The garment's lines in one read: those that went to a worker first. Only a garment that went
    // to a worker can come back from one; it was in the shop already when none of its lines is
    // still out.
    Recordset prenda = AbrirRecordset(
        QStringLiteral(
            "SELECT Productos.Nombre, arreglos_detalles.referenciaPrenda, arreglos_detalles.Nombreprenda, "
            "costureras.Nombre AS nombrecosturera, costureras.idCosturera AS conCosturera, "
            "arreglos_detalles.listoparaentrega FROM arreglos_detalles INNER JOIN Productos ON "
            "arreglos_detalles.idProducto = Productos.IdProducto INNER JOIN Familias ON "
            "Productos.IdFamilia = Familias.idFamilia LEFT OUTER JOIN costureras ON "
            "arreglos_detalles.idCosturera = costureras.idCosturera WHERE "
            "arreglos_detalles.referenciaPrenda = ")
        + ComillasSQL(referencia)
        + QStringLiteral(" ORDER BY CASE WHEN costureras.idCosturera IS NULL THEN 1 ELSE 0 END, "
                         "arreglos_detalles.idarreglodetalle"));
    bool enTienda = true;
    for (; !prenda.EOF_(); prenda.MoveNext())
        if (Val(NuloACero(prenda.Campo(QStringLiteral("listoparaentrega")))) == 0)
            enTienda = false;
    prenda.MoveFirst();
    if (!prenda.HayFilas() || prenda.Campo(QStringLiteral("conCosturera")).isNull()) {
        const bool existe = prenda.HayFilas()
                            || AbrirRecordset(QStringLiteral("select idarreglodetalle from arreglos_detalles "
                                                             "where referenciaprenda = ")
                                              + ComillasSQL(referencia))
                                   .HayFilas();
        Rechazar(QStringLiteral("La prenda ") + referencia
                 + (existe ? QString::fromUtf8(" no está asignada a ningún trabajador")
                           : QStringLiteral(" no existe")));
        return;
    }
    if (enTienda) {
        AnadirFila(prenda, QStringLiteral("ESTABA EN TIENDA"), true);
        return;
    }
    // The write and the order's ready date go out with the commit.
    Transaccion t(Bd());
    Bd().Encolar(QStringLiteral("update arreglos_detalles set listoparaentrega = 1 where referenciaprenda = ")
                 + ComillasSQL(referencia));
    AnotarArregloListo(referencia.section(QLatin1Char('.'), 0, 0).toLongLong());
    t.Confirmar();
    AnadirFila(prenda, NuloABlanco(prenda.Campo(QStringLiteral("nombrecosturera"))).trimmed(), false);
}
