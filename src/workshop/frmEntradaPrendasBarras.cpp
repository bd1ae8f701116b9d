#include "frmEntradaPrendasBarras.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"

void frmEntradaPrendasBarras::Escanear(const QString &referencia)
{
    const bool enTienda =
        !AbrirRecordset(
             QStringLiteral("SELECT Productos.Nombre, arreglos_detalles.referenciaPrenda,  "
                            "arreglos_detalles.listoparaentrega,   arreglos_detalles.nombreprenda  FROM "
                            "arreglos_detalles INNER JOIN     Productos ON     arreglos_detalles.idProducto "
                            "= Productos.IdProducto INNER JOIN     Familias ON Productos.IdFamilia = "
                            "Familias.idFamilia where aRREGLOS_DEtalles.referenciaprenda = ")
             + ComillasSQL(referencia)
             + QStringLiteral(" And (listoparaentrega = 0 or listoparaentrega is null) "))
             .HayFilas();
    // Only a garment that went to a worker can come back from one.
    Recordset prenda = AbrirRecordset(
        QStringLiteral("SELECT Productos.Nombre, arreglos_detalles.referenciaPrenda,     "
                       "arreglos_detalles.Nombreprenda,     costureras.Nombre AS nombrecosturera FROM "
                       "arreglos_detalles INNER JOIN     Productos ON     arreglos_detalles.idProducto = "
                       "Productos.IdProducto INNER JOIN     Familias ON     Productos.IdFamilia = "
                       "Familias.idFamilia INNER JOIN     costureras ON     arreglos_detalles.idCosturera = "
                       "costureras.idCosturera WHERE arreglos_detalles.referenciaPrenda = ")
        + ComillasSQL(referencia));
    if (!prenda.HayFilas()) {
        const bool existe = AbrirRecordset(QStringLiteral("select idarreglodetalle from arreglos_detalles "
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
    Transaccion t(Bd());
    Bd().Ejecutar(
        QStringLiteral("update arreglos_detalles set listoparaentrega = 1 where referenciaprenda = ")
        + ComillasSQL(referencia));
    AnotarArregloListo(referencia.section(QLatin1Char('.'), 0, 0).toLongLong());
    t.Confirmar();
    AnadirFila(prenda, NuloABlanco(prenda.Campo(QStringLiteral("nombrecosturera"))).trimmed(), false);
}
