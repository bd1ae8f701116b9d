#pragma once

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Grid.h"
#include "core/LiteralesSQL.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "core/Reloj.h"
#include "printing/ImprimirListado.h"

#include <QString>
#include <functional>

// "Avisos: arreglos listos sin recoger" (one file, as is its view ui/workshop/frmAvisosVista.h):
// the orders whose every garment is back in the shop and ready, not handed over for more than the
// shop's number of days (parametros.diasaviso, 15 when unset), for staff to call the customers. A double
// touch notes "Llamado hoy" with who called. The days count from when the last garment came back
// (arreglos.fechalisto); an order ready before that was recorded counts from its promised date, marked "*":
// it could not be collected earlier.
class frmAvisos
{
public:
    enum Columna { ColArreglo, ColCliente, ColTelefono, ColDias, ColPendiente, ColLlamado };
    static constexpr int DiasPorDefecto = 15;

    Grid gridAvisos;
    QString lblViendo;
    QString cmdPlazoCaption;
    bool Abierto = false;
    int Dias = DiasPorDefecto;
    ArregloParaVenta ArregloACargar; // none: the list never sends an order to the sale screen

    static QString SqlAvisos(int dias);

    ArregloParaVenta CargarFormulario(const std::function<void()> &mostrar);
    void Llenar();
    // Notes that the customer of the row was called today, by the user staff choose.
    void gridAvisos_DblClick(int fila);
    // Asks the number of days on the keypad and keeps it for the whole shop.
    void cmdPlazo_Click();
    void cmdImprimir_Click();
    void cmdSalir_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};

inline QString frmAvisos::SqlAvisos(int dias)
{
    // Undelivered orders come from their own partial index; each one's lines and money from theirs.
    // When the order was ready: the last garment's return, or for an order ready before that was
    // recorded, its promised date.
    const QString listo = QStringLiteral("coalesce(arreglos.fechalisto, arreglos.fechaprevistaentrega)");
    return QStringLiteral("SELECT arreglos.IdArreglo, clientes.Nombre, clientes.Telefono, DateDiff('d', ")
           + listo
           + QStringLiteral(
               ", Now()) AS dias, arreglos.fechalisto, (select coalesce(sum(precio), 0) from "
               "arreglos_detalles "
               "where arreglos_detalles.idarreglo = arreglos.idarreglo) - (select coalesce(sum(importe), 0) "
               "from caja where caja.idarreglo = arreglos.idarreglo) AS pendiente, arreglos.fechallamada, "
               "arreglos.llamadopor FROM arreglos INNER JOIN clientes ON arreglos.idcliente = "
               "clientes.IdCliente WHERE arreglos.entregadoacliente is null AND exists (select 1 from "
               "arreglos_detalles where arreglos_detalles.idarreglo = arreglos.idarreglo) AND not exists "
               "(select 1 from arreglos_detalles where arreglos_detalles.idarreglo = arreglos.idarreglo and "
               "coalesce(arreglos_detalles.listoparaentrega, 0) <> 1) AND DateDiff('d', ")
           + listo + QStringLiteral(", Now()) > ") + QString::number(dias)
           + QStringLiteral(" ORDER BY 4 desc, arreglos.IdArreglo");
}

inline ArregloParaVenta frmAvisos::CargarFormulario(const std::function<void()> &mostrar)
{
    const QVariant dias = AbrirRecordset(QStringLiteral("select diasaviso from parametros")).Campo(0);
    Dias = dias.isNull() ? DiasPorDefecto : dias.toInt();
    Llenar();
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
    return ArregloACargar;
}

inline void frmAvisos::Llenar()
{
    gridAvisos = Grid(1, 6);
    const QString cabeceras[] = {QStringLiteral("Ref."),        QStringLiteral("Cliente"),
                                 QString::fromUtf8("Teléfono"), QString::fromUtf8("Días"),
                                 QStringLiteral("Pendiente"),   QStringLiteral("Llamado")};
    const int anchos[] = {1000, 4300, 1900, 1000, 1800, 3200};
    for (int c = 0; c < 6; ++c) {
        gridAvisos.SetTextMatrix(0, c, cabeceras[c]);
        gridAvisos.SetColWidth(c, anchos[c]);
    }
    gridAvisos.SetColAlignment(ColDias, Alineacion::Derecha);
    gridAvisos.SetColAlignment(ColPendiente, Alineacion::Derecha);
    const QDate hoy = RelojPrograma().Ahora().date();
    for (Recordset rs = AbrirRecordset(SqlAvisos(Dias)); !rs.EOF_(); rs.MoveNext()) {
        const QDateTime llamada = rs.Campo(QStringLiteral("fechallamada")).toDateTime();
        const QString quien = NuloABlanco(rs.Campo(QStringLiteral("llamadopor")));
        QString llamado;
        if (llamada.isValid())
            llamado = (llamada.date() == hoy ? QStringLiteral("Llamado hoy")
                                             : FormatoFecha(llamada, QStringLiteral("dd/MM/yy")))
                      + (quien.isEmpty() ? QString() : QStringLiteral(" (") + quien + QLatin1Char(')'));
        const bool estimado = rs.Campo(QStringLiteral("fechalisto")).isNull();
        gridAvisos.AgregarFila(
            {NuloABlanco(rs.Campo(QStringLiteral("IdArreglo"))),
             NuloABlanco(rs.Campo(QStringLiteral("Nombre"))),
             NuloABlanco(rs.Campo(QStringLiteral("Telefono"))),
             NuloACero(rs.Campo(QStringLiteral("dias"))) + (estimado ? QStringLiteral(" *") : QString()),
             FormatoImporte(rs.Campo(QStringLiteral("pendiente"))), llamado});
    }
    ColorearGrid(gridAvisos);
    gridAvisos.Row = gridAvisos.Rows() > 1 ? 1 : 0;
    const int n = gridAvisos.Rows() - 1;
    lblViendo = QString::fromUtf8("Listos hace más de %1 días sin recoger: %2 %3")
                    .arg(Dias)
                    .arg(n)
                    .arg(n == 1 ? QStringLiteral("arreglo") : QStringLiteral("arreglos"));
    cmdPlazoCaption = QString::fromUtf8("Plazo: %1 días").arg(Dias);
}

inline void frmAvisos::gridAvisos_DblClick(int fila)
{
    if (fila < 1 || fila >= gridAvisos.Rows())
        return;
    gridAvisos.Row = fila;
    const QString arreglo = gridAvisos.TextMatrix(fila, ColArreglo);
    const int idusuario = Dlg().Usuario();
    if (idusuario == 0)
        return;
    // Only while it waits: another counter may have handed it over meanwhile.
    const int cambiadas = Bd().Ejecutar(
        QStringLiteral("update arreglos set fechallamada = ") + LiteralFechaSQL(DimeFechaServidor())
        + QStringLiteral(", llamadopor = ") + ComillasSQL(DimeNombreUsuario(idusuario))
        + QStringLiteral(" where entregadoacliente is null and idarreglo = ")
        + QString::number(qint64(Val(arreglo))));
    if (cambiadas == 0)
        Dlg().Mensaje(QString::fromUtf8("El arreglo ") + arreglo
                      + QString::fromUtf8(" ya se ha entregado en otro mostrador."));
    Llenar();
    if (fila < gridAvisos.Rows())
        gridAvisos.Row = fila;
}

inline void frmAvisos::cmdPlazo_Click()
{
    const QString texto =
        Dlg().PadNumerico(QString::fromUtf8("¿Avisar a los cuántos días de estar listo?"), false);
    if (texto.trimmed().isEmpty())
        return;
    bool ok = false;
    const int dias = texto.trimmed().toInt(&ok);
    if (!ok || dias < 0 || dias > 999) {
        Dlg().Mensaje(QString::fromUtf8("Escriba un número de días (de 0 a 999)."));
        return;
    }
    Bd().Ejecutar(QStringLiteral("update parametros set diasaviso = ") + QString::number(dias));
    Dias = dias;
    Llenar();
}

inline void frmAvisos::cmdImprimir_Click()
{
    ImprimirListado(gridAvisos, QStringLiteral("Avisos: arreglos listos sin recoger"), false);
}
