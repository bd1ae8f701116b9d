#include "VentaMedida.h"

#include "cash/Caja.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

// Reads every row of a statement, as a handler filling its grid does.
int Leer(const QString &sql)
{
    Recordset rs = AbrirRecordset(sql);
    int filas = 0;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        for (int i = 0; i < rs.NumCampos(); ++i)
            rs.Campo(i);
        ++filas;
    }
    return filas;
}

class VentaPorSql : public VentaMedida
{
public:
    void TocarFamilia(int idfamilia) override
    {
        // LlenarProductos, then MeterSeparadorPrenda's family name.
        Leer(QStringLiteral("select * from productos where idfamilia = ") + N(idfamilia)
             + QStringLiteral(" and activo = 0 order by nombre"));
        Leer(QStringLiteral("select * from familias where idfamilia = ") + N(idfamilia));
    }

    void TocarProducto(int idproducto) override
    {
        Leer(QStringLiteral("Select * from productos where idproducto = ") + N(idproducto));
    }

    qint64 AcabarEncargo(const EncargoMedido &e) override
    {
        Conexion &c = Bd();
        Transaccion t(c);
        const qint64 n = DimeMaximo(QStringLiteral("idarreglo"), QStringLiteral("arreglos")) + 1;
        c.Ejecutar(QStringLiteral("insert into arreglos (idusuario, idarreglo, fechaarreglo,fechaprevistaentrega,"
                                  "idcliente, entregado, pagado) values (")
                   + N(e.idusuario) + QStringLiteral(", ") + N(n) + QStringLiteral(", ")
                   + FechaSQL(DimeFechaServidor(), G().EsSqlServer) + QStringLiteral(", ")
                   + LiteralFechaSQL(e.fechaEntrega) + QStringLiteral(", ") + N(e.idcliente) + QStringLiteral(", ")
                   + TextoNumero(e.entregado) + QStringLiteral(", ") + QStringLiteral("0") + QStringLiteral(")"));
        int g = 0;
        for (const EncargoMedido::Prenda &p : e.prendas) {
            const QString referencia = N(n) + QLatin1Char('.') + N(++g);
            for (const auto &[idproducto, precio] : p.lineas)
                c.Ejecutar(QStringLiteral("insert into arreglos_detalles (idarreglo, idproducto, precio, nombreprenda, "
                                          "referenciaprenda, fechaentrega) values (")
                           + N(n) + QStringLiteral(", ") + N(idproducto) + QStringLiteral(", ") + TextoNumero(precio)
                           + QStringLiteral(", ") + ComillasSQL(p.nombre) + QStringLiteral(", ")
                           + ComillasSQL(referencia) + QStringLiteral(", ") + LiteralFechaSQL(p.fecha)
                           + QStringLiteral(")"));
        }
        t.Confirmar();
        MeterMovimientoCaja(e.entregado, QStringLiteral("Ref. ") + N(n), G().NombreCierre, 1, n, 0);
        return n;
    }

    void ImprimirTickets(qint64 n, int prendas) override
    {
        // What the tickets read: the garment tickets first, then the customer ticket.
        for (int g = 1; g <= prendas; ++g)
            Leer(QStringLiteral("Select * from arreglos_detalles, productos where arreglos_detalles.idproducto = "
                                "productos.idproducto and arreglos_detalles.referenciaprenda = ")
                 + ComillasSQL(N(n) + QLatin1Char('.') + N(g)));
        Leer(QStringLiteral(
                 "SELECT Productos.IdProducto, Productos.Nombre as nombreproducto,     arreglos_detalles.precio, "
                 "arreglos_detalles.referenciaPrenda,     arreglos.fechaarreglo, arreglos.entregado, "
                 "arreglos.idcliente,     arreglos_detalles.idArreglo,     clientes.Nombre AS nombrecliente, "
                 "clientes.Telefono,     productos.IdFamilia , arreglos_detalles.Nombreprenda From productos, "
                 "arreglos_detalles, Arreglos, clientes WHERE productos.idproducto = arreglos_detalles.idproducto AND "
                 "    arreglos_detalles.idArreglo = arreglos.IdArreglo AND     arreglos.idcliente = "
                 "clientes.IdCliente and arreglos.idarreglo = ")
             + N(n) + QStringLiteral(" ORDER BY arreglos_detalles.idarreglodetalle"));
        Recordset rs = AbrirRecordset(
            QStringLiteral("SELECT ARREGLOS.IDUSUARIO, arreglos.fechaarreglo, arreglos.entregado,     "
                           "arreglos.idcliente, clientes.Nombre AS nombrecliente,     clientes.Telefono, "
                           "arreglos.IdArreglo,     Arreglos.fechaprevistaentrega FROM arreglos INNER JOIN     "
                           "clientes ON arreglos.idcliente = clientes.IdCliente WHERE idarreglo = ")
            + N(n));
        DimeTotalArreglo(n);
        DimeSumaCajaArreglo(n);
        DimeNombreUsuario(rs.Campo(QStringLiteral("IDUSUARIO")).toInt());
    }
};

} // namespace

std::unique_ptr<VentaMedida> CrearVentaMedida()
{
    return std::make_unique<VentaPorSql>();
}
