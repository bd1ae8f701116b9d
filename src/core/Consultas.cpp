#include "Consultas.h"

#include <QElapsedTimer>
#include <algorithm>

#include "Catalogo.h"
#include "Conexion.h"
#include "Fechas.h"
#include "Formato.h"
#include "LiteralesSQL.h"
#include "Programa.h"
#include "Reloj.h"

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

int Entero(const QVariant &v)
{
    return int(Val(NuloACero(v)));
}

} // namespace

Recordset AbrirRecordset(const QString &sql)
{
    return Bd().AbrirRecordset(sql);
}

namespace {

// The server's clock, read once and then followed on this machine's steady clock: a far server
// costs a round trip per reading.
struct FechaLeida {
    QDateTime leida;
    QElapsedTimer desde;
    quint64 apertura = 0;
};

constexpr qint64 VigenciaFechaMs = 5 * 60 * 1000;

FechaLeida &FechaServidor()
{
    static FechaLeida f;
    return f;
}

} // namespace

void AnotarFechaServidor(const QVariant &fecha)
{
    FechaLeida &f = FechaServidor();
    if (G().EsSqlServer != 1 || G().reloj || !fecha.toDateTime().isValid())
        return;
    f.leida = fecha.toDateTime();
    f.desde.start();
    f.apertura = Conexion::EscriturasMaestras();
}

void AdelantarFechaServidor()
{
    const FechaLeida &f = FechaServidor();
    if (G().EsSqlServer == 1 && !G().reloj && f.leida.isValid()
        && f.desde.elapsed() > VigenciaFechaMs - Catalogo::AdelantoMs)
        AnotarFechaServidor(AbrirRecordset(QStringLiteral("select getdate() as fech")).Campo(0));
}

QString DimeFechaServidor()
{
    if (G().EsSqlServer == 1) {
        // The server's clock is the shop's. Read again every few minutes, and on another database (a
        // clock fixed by a test is read every time).
        FechaLeida &f = FechaServidor();
        if (G().reloj || !f.leida.isValid() || f.desde.elapsed() > VigenciaFechaMs
            || f.apertura != Conexion::EscriturasMaestras()) {
            Recordset rs = AbrirRecordset(QStringLiteral("select getdate() as fech"));
            if (G().reloj || !rs.Campo(QStringLiteral("fech")).toDateTime().isValid()) {
                f.leida = QDateTime();
                return FormatoFecha(rs.Campo(QStringLiteral("fech")), QStringLiteral("dd/MM/yyyy HH:mm:ss"));
            }
            AnotarFechaServidor(rs.Campo(QStringLiteral("fech")));
        }
        return FormatoFecha(f.leida.addMSecs(f.desde.elapsed()), QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    return RelojPrograma().Ahora().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

LimitesArreglos DimeLimitesArreglos()
{
    // One subquery each: the embedded engine reads a lone min or max straight from the key.
    Recordset rs = AbrirRecordset(QStringLiteral("select (select min(idarreglo) from arreglos) as minimo, "
                                                 "(select max(idarreglo) from arreglos) as maximo"));
    return {qint64(Val(NuloACero(rs.Campo(QStringLiteral("minimo"))))) - 1,
            qint64(Val(NuloACero(rs.Campo(QStringLiteral("maximo")))))};
}

QString CondicionPaginaArreglos(qint64 desde, qint64 hasta)
{
    const QString d = QString::number(desde), h = QString::number(hasta);
    return QStringLiteral("arreglos_detalles.idArreglo > ") + d
           + QStringLiteral(" AND arreglos_detalles.idArreglo <= ") + h
           + QStringLiteral(" AND arreglos.IdArreglo > ") + d + QStringLiteral(" AND arreglos.IdArreglo <= ")
           + h;
}

qint64 DimeMaximo(const QString &campo, const QString &tabla)
{
    Recordset rs =
        AbrirRecordset(QStringLiteral("select  max(") + campo + QStringLiteral(") as m from ") + tabla);
    if (!rs.HayFilas())
        return 1;
    const QVariant m = rs.Campo(QStringLiteral("m"));
    if (m.isNull())
        return 0;
    return qint64(Val(TextoDeValor(m)));
}

qint64 DimeSiguienteNumero(const QString &campo, const QString &tabla)
{
    // The embedded file's transactions already hold the write lock.
    if (G().EsSqlServer)
        AbrirRecordset(QStringLiteral("select pg_advisory_xact_lock(hashtext(")
                       + ComillasSQL(tabla + QLatin1Char('.') + campo) + QStringLiteral("))"));
    return DimeMaximo(campo, tabla) + 1;
}

qint64 DimeSiguienteNumeroArreglo()
{
    // The lock and the three highest numbers in one round trip: on the server the lock goes just
    // before the statement that reads them, which sees what was committed before it began.
    if (G().EsSqlServer)
        Bd().Encolar(QStringLiteral("select pg_advisory_xact_lock(hashtext(")
                     + ComillasSQL(QStringLiteral("arreglos.idarreglo")) + QStringLiteral("))"));
    Recordset rs = AbrirRecordset(QStringLiteral("select (select max(idarreglo) from arreglos) as a, (select "
                                                 "max(idarreglo) from arreglos_detalles) as d, "
                                                 "(select max(idarreglo) from caja) as c"));
    qint64 n = 0;
    for (int i = 0; i < 3; ++i)
        n = std::max(n, qint64(Val(NuloACero(rs.Campo(i)))));
    return n + 1;
}

QString SqlHuellaArreglo(qint64 idarreglo, const QString &mas)
{
    const QString n = N(idarreglo);
    return QStringLiteral("select arreglos.*, arreglos_detalles.*, (select count(*) from caja where "
                          "caja.idarreglo = ")
           + n + QStringLiteral(") as huellacuantos, (select sum(importe) from caja where caja.idarreglo = ")
           + n + QStringLiteral(") as huellasuma") + mas
           + QStringLiteral(
               " from arreglos left outer join arreglos_detalles on arreglos_detalles.idarreglo = "
               "arreglos.idarreglo where arreglos.idarreglo = ")
           + n + QStringLiteral(" order by arreglos_detalles.idarreglodetalle");
}

QString HuellaDe(Recordset &rs, int fuera)
{
    QString huella;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        for (int i = 0; i < rs.NumCampos() - fuera; ++i)
            huella += TextoDeValor(rs.Campo(i)) + QLatin1Char('|');
        huella += QLatin1Char('\n');
    }
    rs.MoveFirst();
    return huella;
}

QString DimeHuellaArreglo(qint64 idarreglo)
{
    Recordset rs = AbrirRecordset(SqlHuellaArreglo(idarreglo));
    return HuellaDe(rs);
}

void BloquearArreglo(qint64 idarreglo)
{
    // Queued: the lock goes out in front of the transaction's next statement, which then sees what
    // was committed before the lock was granted.
    if (G().EsSqlServer)
        Bd().Encolar(QStringLiteral("select idarreglo from arreglos where idarreglo = ") + N(idarreglo)
                     + QStringLiteral(" for update"));
}

double DimeTotalArreglo(qint64 idarreglo)
{
    Recordset rs =
        AbrirRecordset(QStringLiteral("select sum(precio) as total from arreglos_detalles where idarreglo = ")
                       + N(idarreglo));
    if (!rs.HayFilas())
        return 0;
    return Val(NuloACero(rs.Campo(QStringLiteral("total"))));
}

int DimeIdFamiliaProducto(qint64 idproducto)
{
    const Catalogo::Producto *p = Catalogo::BuscarProducto(int(idproducto));
    return p ? p->idfamilia : 0;
}

QString DimeNombreCosturera(qint64 idcosturera)
{
    Recordset rs =
        AbrirRecordset(QStringLiteral("select * from costureras where idcosturera = ") + N(idcosturera));
    return rs.HayFilas() ? NuloACero(rs.Campo(QStringLiteral("nombre"))) : QString();
}

int DimeCostureraDesactivada(qint64 idcosturera)
{
    Recordset rs =
        AbrirRecordset(QStringLiteral("select * from costureras where idcosturera = ") + N(idcosturera));
    return rs.HayFilas() ? Entero(rs.Campo(QStringLiteral("desactivado"))) : 0;
}

bool ExisteArreglo(qint64 idarreglo)
{
    return AbrirRecordset(QStringLiteral("select * from arreglos where idarreglo = ") + N(idarreglo))
        .HayFilas();
}

QString DimeNombreClienteArreglo(qint64 idarreglo)
{
    Recordset rs =
        AbrirRecordset(QStringLiteral("select nombre from clientes, arreglos where clientes.idcliente = "
                                      "arreglos.idcliente and arreglos.idarreglo = ")
                       + N(idarreglo));
    return rs.HayFilas() ? NuloABlanco(rs.Campo(QStringLiteral("nombre"))) : QStringLiteral("??");
}

QString DimeTelefonoClienteArreglo(qint64 idarreglo)
{
    Recordset rs =
        AbrirRecordset(QStringLiteral("select telefono from clientes, arreglos where clientes.idcliente = "
                                      "arreglos.idcliente and arreglos.idarreglo = ")
                       + N(idarreglo));
    return rs.HayFilas() ? NuloABlanco(rs.Campo(QStringLiteral("telefono"))) : QStringLiteral("??");
}

bool ArregloEntregado(qint64 idarreglo)
{
    Recordset rs = AbrirRecordset(QStringLiteral("select * from arreglos where IdArreglo = ") + N(idarreglo));
    return Entero(rs.Campo(QStringLiteral("entregadoacliente"))) == 1;
}

EntregaArreglo DimeEntregaArreglo(qint64 idarreglo)
{
    Recordset rs = AbrirRecordset(QStringLiteral("select entregadoacliente from arreglos where idarreglo = ")
                                  + N(idarreglo));
    if (!rs.HayFilas())
        return EntregaArreglo::NoExiste;
    return Entero(rs.Campo(0)) == 1 ? EntregaArreglo::Entregado : EntregaArreglo::SinEntregar;
}

QString DimeNombreDeFamilia(qint64 idfamilia)
{
    return Catalogo::NombreFamilia(int(idfamilia));
}

int DimeUsuarioArreglo(qint64 idarreglo)
{
    Recordset rs = AbrirRecordset(QStringLiteral("select * from arreglos where idarreglo = ") + N(idarreglo));
    return rs.HayFilas() ? Entero(rs.Campo(QStringLiteral("idusuario"))) : 0;
}

int DimeCosturera(const QString &referenciaprenda)
{
    // 0 while any line of the garment has no worker (a line added later must be assigned too);
    // else the worker of its first line.
    Recordset rs = AbrirRecordset(
        QStringLiteral("select top 1 idcosturera from arreglos_detalles where referenciaprenda = ")
        + ComillasSQL(referenciaprenda)
        + QStringLiteral(
            " order by case when coalesce(idcosturera, 0) = 0 then 0 else 1 end, idarreglodetalle"));
    return Entero(rs.Campo(QStringLiteral("idcosturera")));
}

QString DimeNombreUsuario(qint64 idusuario)
{
    return Catalogo::NombreUsuario(int(idusuario));
}

double DimeSumaCajaArreglo(qint64 idarreglo)
{
    Recordset rs = AbrirRecordset(QStringLiteral("select sum(importe) as suma from caja where idarreglo = ")
                                  + N(idarreglo));
    return rs.HayFilas() ? Val(NuloACero(rs.Campo(QStringLiteral("suma")))) : 0;
}

QString DimeFechaUltimoMovimiento()
{
    Recordset rs = AbrirRecordset(QStringLiteral("select top 1 fecha from caja order by idmovimiento desc"));
    return rs.HayFilas() ? NuloABlanco(rs.Campo(QStringLiteral("fecha"))) : QStringLiteral("01/01/1900");
}

QString DimeUltimoCierre()
{
    Recordset rs =
        AbrirRecordset(QStringLiteral("select top 1 nombrecierre from caja order by idmovimiento desc"));
    return rs.HayFilas() ? NuloABlanco(rs.Campo(QStringLiteral("nombrecierre"))) : QString();
}

bool EsTienda(qint64 idcliente)
{
    Recordset rs = AbrirRecordset(QStringLiteral("select * from clientes where idcliente = ") + N(idcliente));
    return Entero(rs.Campo(QStringLiteral("estienda"))) == 1;
}

bool ExisteTelefono(const QString &telefono)
{
    return AbrirRecordset(QStringLiteral("select * from clientes where telefono = ") + ComillasSQL(telefono))
        .HayFilas();
}

void AnotarArregloListo(qint64 idarreglo)
{
    const QString n = QString::number(idarreglo);
    Bd().Encolar(QStringLiteral("update arreglos set fechalisto = case when exists (select 1 from "
                                "arreglos_detalles where arreglos_detalles.idarreglo = ")
                 + n
                 + QStringLiteral(" and coalesce(arreglos_detalles.listoparaentrega, 0) <> 1) then null else "
                                  "coalesce(fechalisto, ")
                 + LiteralFechaSQL(DimeFechaServidor()) + QStringLiteral(") end where idarreglo = ") + n);
}
