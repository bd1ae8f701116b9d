// hilvan-puesto: one counter of the shop, finishing orders on the sale screen's form model as
// staff would, for the reliability tests that run several of them at once or kill them.
//
//   hilvan-puesto (--base ARCHIVO.db | --servidor BASEDATOS) [--encargos M] [--semilla S]
//                 [--accion arreglos|pagos|anulaciones|copias|entregas] [--sincronia NORMAL|FULL]
//
// It says "listo" once connected and waits for a line on its input, so that every counter starts
// at the same moment. Then it does M actions (0: until it is killed): new orders, or the work
// --accion names (arreglos: new orders and, every third action, a hand-over; the others: the Puesto
// methods below). After each commit it says what it did ("acabado N LINEAS IMPORTE", "entregado N",
// "pagado N...", "anulando N" then "anulado N", "copia"); whatever the program would have shown to
// staff goes out as "mensaje ..." and makes the exit code 2.
// The server's address comes from HILVAN_PG_HOST, HILVAN_PG_PORT and HILVAN_PG_USER.
#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "DialogosGuion.h"
#include "Mostrador.h"
#include "cash/CopiaSeguridad.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "menu/FRMoPCIONES.h"
#include "printing/SalidaMemoria.h"
#include "settlements/frmPagosTiendas.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>
#include <QThread>
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>

namespace {

void Decir(const QString &linea)
{
    std::fputs(qPrintable(linea + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

class Puesto
{
public:
    explicit Puesto(quint32 semilla) : azar_(semilla)
    {
        G().dialogos = &dialogos_;
        G().pantallas = &pantallas_;
        G().salidaTickets = &impresora_;
        G().NombreCierre = QStringLiteral("20261205");
        G().AnchuraTicket = 40;
        p_.ReiniciarVenta();
    }

    // A new order of one or two garments for María, with or without a deposit, both tickets printed.
    void NuevoEncargo()
    {
        p_.ReiniciarVenta();
        const int prendas = 1 + int(azar_.bounded(2));
        int lineas = 0;
        for (int g = 0; g < prendas; ++g) {
            const bool pantalon = azar_.bounded(2) == 0;
            Tocar(p_.gridFamilias, pantalon ? QString::fromUtf8("Pantalón") : QStringLiteral("Falda"));
            const int separador = p_.gridTPV.Rows() - 1;
            QStringList arreglos{QStringLiteral("Bajo")};
            if (pantalon && azar_.bounded(2) == 0)
                arreglos.append(QStringLiteral("Meter cintura"));
            for (const QString &a : arreglos) {
                Tocar(p_.gridProductos, a);
                ++lineas;
            }
            dialogos_.calendario.push_back(QStringLiteral("1%1/12/2026").arg(g));
            p_.gridTPV.Row = separador;
            p_.gridTPV.Col = frmPrincipal::ColFecha;
            p_.gridTPV_Click();
            p_.cmdVerFamilias_Click();
        }
        p_.ElegirCliente(1);
        const double total = Val(p_.txtTotal);
        const double senales[] = {0, 5, 10.5, total};
        const double senal = senales[azar_.bounded(4)];
        if (senal != 0) {
            dialogos_.pad.push_back(TextoNumero(senal));
            p_.cmdPendiente_Click();
        } else {
            dialogos_.siNo.push_back(6); // "No ha recibido ninguna señal ... ¿Desea continuar?"
        }
        Acabar();
        if (dialogos_.mensajes.isEmpty())
            Decir(QStringLiteral("acabado %1 %2 %3").arg(UltimaRef()).arg(lineas).arg(TextoNumero(senal)));
    }

    // The oldest order still in the shop goes home, paid in full. False when there is none.
    bool Entrega()
    {
        Recordset rs = AbrirRecordset(
            QStringLiteral("select min(idarreglo) as n from arreglos where entregadoacliente is null"));
        const int n = int(Val(NuloACero(rs.Campo(QStringLiteral("n")))));
        if (n == 0)
            return false;
        p_.ReiniciarVenta();
        p_.EntregandoArreglo = true;
        p_.CargarArreglo(n, true);
        if (Val(p_.txtPendiente) != 0) {
            dialogos_.pad.push_back(p_.txtPendiente);
            p_.cmdPendiente_Click();
        } else {
            dialogos_.siNo.push_back(6); // paid in full before: no money today
        }
        Acabar();
        if (dialogos_.mensajes.isEmpty())
            Decir(QStringLiteral("entregado %1").arg(n));
        return true;
    }

    // Boutique Lola's oldest debt, or all of it, paid on the settlements screen. False when it owes nothing.
    bool PagoTienda(bool todo)
    {
        frmPagosTiendas f;
        f.CargarFormulario({});
        f.cmbTienda.ElegirTexto(QStringLiteral("Boutique Lola"));
        f.chkPendientes = true;
        f.cmdAceptar_Click();
        QStringList pagados;
        for (int r = 1; r < f.gridPagos.Rows() && (todo || pagados.isEmpty()); ++r)
            if (!f.gridPagos.TextMatrix(r, 0).isEmpty())
                pagados.append(f.gridPagos.TextMatrix(r, 1));
        if (pagados.isEmpty())
            return false;
        dialogos_.siNo = {6, 6};
        Proteger([&] { todo ? f.cmdCancelarDeuda_Click() : f.gridPagos_DblClick(1); });
        dialogos_.mensajes.removeAll(QStringLiteral("Deuda cancelada"));
        if (dialogos_.mensajes.isEmpty())
            Decir(QStringLiteral("pagado ") + pagados.join(QLatin1Char(' ')));
        return true;
    }

    // The oldest order not handed over, annulled from the options menu; never the newest, whose
    // number the next order would take again.
    void Anular()
    {
        Recordset rs = AbrirRecordset(
            QStringLiteral("select min(idarreglo) as n from arreglos where entregadoacliente is null and "
                           "idarreglo < (select max(idarreglo) from arreglos)"));
        const QString n = TextoDeValor(NuloACero(rs.Campo(QStringLiteral("n"))));
        if (n == QLatin1String("0"))
            return;
        Decir(QStringLiteral("anulando ") + n);
        dialogos_.pad = {n};
        dialogos_.siNo = {6};
        FRMoPCIONES menu;
        Proteger([&] { menu.cmdAnularArreglo_Click(); });
        if (dialogos_.mensajes.isEmpty())
            Decir(QStringLiteral("anulado ") + n);
    }

    // A backup with the options menu's command.
    void Copia()
    {
        Proteger([] { CopiaSeguridad(); });
        if (dialogos_.mensajes == QStringList{QStringLiteral("Copia de seguridad realizada")}) {
            dialogos_.mensajes.clear();
            Decir(QStringLiteral("copia"));
        }
    }

    // Whatever staff would have seen; cleared for the next order.
    QStringList Mensajes() { return std::exchange(dialogos_.mensajes, {}); }

private:
    void Tocar(Grid &grid, const QString &texto)
    {
        grid.Row = FilaDeTexto(grid, 1, texto);
        if (&grid == &p_.gridFamilias)
            p_.gridFamilias_Click();
        else
            p_.gridProductos_Click();
    }

    void Acabar()
    {
        dialogos_.usuarios = {1};
        dialogos_.siNo.push_back(6);
        dialogos_.siNo.push_back(6);
        dialogos_.preguntas.clear();
        Proteger([this] { p_.cmdAcabarEncargo_Click(); });
    }

    // A fault reaches staff as the view's event boundary shows it: as a message. The answers
    // scripted for the action go with it.
    void Proteger(const std::function<void()> &accion)
    {
        try {
            accion();
        } catch (const ErrorBaseDatos &e) {
            dialogos_.Mensaje(e.Mensaje());
        } catch (const std::exception &e) {
            dialogos_.Mensaje(QString::fromUtf8(e.what()));
        }
        dialogos_.siNo.clear();
        dialogos_.pad.clear();
        dialogos_.calendario.clear();
    }

    // The order number the print question named.
    QString UltimaRef() const
    {
        for (const QString &q : dialogos_.preguntas) {
            const qsizetype i = q.lastIndexOf(QStringLiteral("Ref.: "));
            if (i >= 0)
                return q.mid(i + 6).trimmed();
        }
        return QStringLiteral("?");
    }

    QRandomGenerator azar_;
    DialogosGuion dialogos_;
    PantallasMostrador pantallas_;
    SalidaMemoria impresora_;
    frmPrincipal p_;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto opcion = [&args](const char *nombre) {
        const qsizetype i = args.indexOf(QLatin1String(nombre));
        return i > 0 ? args.value(i + 1) : QString();
    };
    const QString base = opcion("--base"), servidor = opcion("--servidor"), accion = opcion("--accion");
    const QString sincronia = opcion("--sincronia"), semilla = opcion("--semilla");
    const int encargos = opcion("--encargos").toInt();
    Conexion conexion;
    try {
        if (!servidor.isEmpty())
            conexion.AbrirPostgreSQL(BaseDePrueba::ServidorDePrueba(servidor));
        else
            conexion.AbrirSQLite(base);
        if (!sincronia.isEmpty())
            conexion.Ejecutar(QStringLiteral("PRAGMA synchronous=") + sincronia);
    } catch (const ErrorBaseDatos &e) {
        Decir(QStringLiteral("mensaje ") + e.Mensaje().simplified());
        return 2;
    }
    G().conexion = &conexion;
    G().EsSqlServer = conexion.EsSqlServer();
    G().RutaBaseDatos = base;
    // The server's backups go beside the configuration file: here, the test's own folder.
    G().ArchivoConfiguracion = QDir::current().filePath(QStringLiteral("bdcostuaccess.dat"));
    Puesto puesto(semilla.isEmpty() ? QRandomGenerator::global()->generate() : semilla.toUInt());

    Decir(QStringLiteral("listo"));
    std::string linea;
    std::getline(std::cin, linea);

    int fallos = 0;
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; encargos == 0 || i < encargos; ++i) {
        if (accion == QLatin1String("pagos")) {
            if (!puesto.PagoTienda(i % 3 == 2))
                QThread::msleep(5);
        } else if (accion == QLatin1String("anulaciones")) {
            puesto.NuevoEncargo();
            if (i % 2 == 1)
                puesto.Anular();
        } else if (accion == QLatin1String("copias")) {
            puesto.Copia();
        } else if (accion == QLatin1String("entregas")) {
            if (!puesto.Entrega())
                break;
        } else if (!(accion == QLatin1String("arreglos") && i % 3 == 2 && puesto.Entrega())) {
            puesto.NuevoEncargo();
        }
        for (const QString &m : puesto.Mensajes()) {
            Decir(QStringLiteral("mensaje ") + m.simplified());
            ++fallos;
        }
    }
    if (encargos > 0)
        Decir(QStringLiteral("ms_por_encargo %1")
                  .arg(double(reloj.nsecsElapsed()) / 1e6 / encargos, 0, 'f', 3));
    return fallos ? 2 : 0;
}
