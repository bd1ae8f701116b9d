#include "GuardarMedida.h"

#include "DialogosGuion.h"
#include "PantallasPrueba.h"
#include "cash/Caja.h"
#include "cash/CierreCaja.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "menu/FRMoPCIONES.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketsArreglo.h"
#include "workshop/frmEntradaPrendasBarras.h"
#include "workshop/frmListaEntregar.h"

#include <utility>

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

QString Valor(const QString &sql)
{
    return TextoDeValor(AbrirRecordset(sql).Campo(0));
}

// The garment list of the hand-over, played through its form model: "Entregar a cliente" touched.
struct PantallasEntrega : PantallasPrueba {
    ArregloParaVenta ListaEntregar(int idarreglo) override
    {
        frmListaEntregar lista;
        lista.CargarFormulario(idarreglo, [&] { lista.cmdMarcarComoEntregado_Click(); });
        return lista.ArregloACargar;
    }
};

class Guardados
{
public:
    Guardados(int veces, const std::function<qint64()> &crear, const std::function<void()> &restaurar)
        : veces_(veces), crear_(crear), restaurar_(restaurar),
          dialogos_(std::exchange(G().dialogos, &guion_)),
          salida_(std::exchange(G().salidaTickets, &impresora_))
    {
        costurera_ = Valor(QStringLiteral("select min(idcosturera) from costureras"));
    }
    ~Guardados()
    {
        G().dialogos = dialogos_;
        G().salidaTickets = salida_;
    }

    // Times `trabajo` on a fresh order each run (the first run only warms up); `preparar` runs
    // untimed before it, `hecho` says afterwards whether the operation did its work.
    void Medir(const QString &nombre, bool conArreglo, const std::function<void(qint64)> &preparar,
               const std::function<void(qint64)> &trabajo, const std::function<bool(qint64)> &hecho)
    {
        std::vector<Medida::Muestra> ms;
        GuardadoMedido g{nombre, {}, {}};
        for (int i = 0; i <= veces_; ++i) {
            const qint64 n = conArreglo ? crear_() : 0;
            if (conArreglo)
                Bd().Ejecutar(QStringLiteral("update arreglos_detalles set idcosturera = ") + costurera_
                              + QStringLiteral(", listoparaentrega = 1 where idarreglo = ") + N(n));
            guion_ = DialogosGuion();
            if (preparar)
                preparar(n);
            const Medida::Muestra m = Medida::Medir([&] { trabajo(n); });
            if (!hecho(n))
                g.nota = QStringLiteral("no se hizo: ") + guion_.mensajes.join(QStringLiteral(" / "));
            if (i > 0)
                ms.push_back(m);
        }
        g.medida = Medida::Mediana(ms);
        std::fprintf(stderr, "  %-70s %8.1f ms\n", qPrintable(nombre), g.medida.ms);
        filas.push_back(g);
    }

    void Todo()
    {
        // Handing over: the ticket scanned on the empty sale screen opens the garment list, then the
        // rest of the money and "Fin arreglo".
        std::unique_ptr<frmPrincipal> p;
        const auto reiniciar = [&](qint64) {
            p = std::make_unique<frmPrincipal>();
            p->ReiniciarVenta();
        };
        const auto abrirEntrega = [&](qint64 n) {
            p->CodigoLeido(QLatin1Char('$') + CodigoBarrasPrenda(n, N(n) + QStringLiteral(".1")));
        };
        const auto cobrar = [&](const QString &importe) {
            p->CalcularCifrasTPV();
            p->txtEntregado = importe.isEmpty() ? p->txtPendiente : importe;
            p->CalcularCifrasTPV();
            guion_ = DialogosGuion();
            guion_.usuarios = {1};
            guion_.siNo = {Dialogos::No, Dialogos::No};
        };
        Medir(
            QStringLiteral("Entrega: abrir (ticket leído, lista, \"Entregar a cliente\")"), true,
            [&](qint64 n) {
                reiniciar(n);
                guion_.siNo = {Dialogos::Si};
            },
            abrirEntrega, [&](qint64 n) { return p->IdArregloVenta == n && p->EntregandoArreglo; });
        Medir(
            QStringLiteral("Entrega: cobrar lo pendiente y Fin arreglo"), true,
            [&](qint64 n) {
                reiniciar(n);
                guion_.siNo = {Dialogos::Si};
                abrirEntrega(n);
                cobrar(QString());
            },
            [&](qint64) { p->cmdAcabarEncargo_Click(); },
            [&](qint64 n) {
                return Valor(QStringLiteral("select entregadoacliente from arreglos where idarreglo = ")
                             + N(n))
                       == QLatin1String("1");
            });

        // A payment on account: the order opened from the menu's "Modificar arreglo".
        const auto abrirPago = [&](qint64 n) {
            FRMoPCIONES menu;
            guion_.pad = {N(n)};
            menu.cmdModificarArreglo_Click();
            p->CargarArregloACargar(menu.ArregloACargar);
        };
        Medir(QStringLiteral("Pago a cuenta: abrir (menú, \"Modificar arreglo\")"), true, reiniciar,
              abrirPago, [&](qint64 n) { return p->IdArregloVenta == n; });
        Medir(
            QStringLiteral("Pago a cuenta: 5 € y Fin arreglo"), true,
            [&](qint64 n) {
                reiniciar(n);
                abrirPago(n);
                cobrar(QStringLiteral("5.00"));
            },
            [&](qint64) { p->cmdAcabarEncargo_Click(); },
            [&](qint64 n) {
                return Val(Valor(QStringLiteral("select sum(importe) from caja where idarreglo = ") + N(n)))
                       == 25;
            });

        Medir(
            QStringLiteral("Anular arreglo (menú)"), true,
            [&](qint64 n) {
                guion_.pad = {N(n)};
                guion_.siNo = {Dialogos::Si};
            },
            [&](qint64) {
                FRMoPCIONES menu;
                menu.cmdAnularArreglo_Click();
            },
            [&](qint64 n) { return !ExisteArreglo(n); });

        // A garment back from its worker, scanned on the entry screen.
        frmEntradaPrendasBarras entrada;
        Medir(
            QStringLiteral("Entrada de prendas: una prenda leída"), true,
            [&](qint64 n) {
                Bd().Ejecutar(
                    QStringLiteral("update arreglos_detalles set listoparaentrega = 0 where idarreglo = ")
                    + N(n));
                entrada.DarTamanosGridAsignacion();
                entrada.txtBarras = QLatin1Char('$') + CodigoBarrasPrenda(n, N(n) + QStringLiteral(".1"));
            },
            [&](qint64) { entrada.Command1_Click(); },
            [&](qint64 n) {
                return !entrada.EscaneoRechazado
                       && Valor(QStringLiteral("select min(listoparaentrega) from arreglos_detalles where "
                                               "referenciaprenda = '")
                                + N(n) + QStringLiteral(".1'"))
                              == QLatin1String("1");
            });

        QString antes;
        Medir(
            QStringLiteral("Sacar dinero de caja"), false,
            [&](qint64) {
                guion_.pad = {QStringLiteral("5")};
                antes = Valor(QStringLiteral("select count(*) from caja"));
            },
            [&](qint64) { cmdSacarDinero_Click(); },
            [&](qint64) { return Valor(QStringLiteral("select count(*) from caja")) != antes; });

        bool cerrada = false;
        Medir(
            QStringLiteral("Cierre de caja"), false,
            [&](qint64) {
                restaurar_();
                guion_.siNo = {Dialogos::Si, Dialogos::Si, Dialogos::No};
            },
            [&](qint64) { cerrada = cmdCierreCaja_Click(); }, [&](qint64) { return cerrada; });
        restaurar_();
    }

    std::vector<GuardadoMedido> filas;

private:
    int veces_;
    std::function<qint64()> crear_;
    std::function<void()> restaurar_;
    DialogosGuion guion_;
    SalidaMemoria impresora_;
    PantallasEntrega pantallas_;
    Dialogos *dialogos_;
    SalidaTickets *salida_;
    QString costurera_;
};

} // namespace

std::vector<GuardadoMedido> MedirGuardados(int veces, const std::function<qint64()> &crear,
                                           const std::function<void()> &restaurar)
{
    Guardados g(veces, crear, restaurar);
    g.Todo();
    return g.filas;
}
