// Whole shop days on several tills at once, drawn at random by RapidCheck: after every action the
// invariants are read back from the database; a failing history is shrunk to the fewest steps
// that still fail and printed with its seed (replay it with HILVAN_SEMILLA=N).
// HILVAN_SIMULACION=HISTORIASxPASOSxPUESTOSxACCIONES makes the long run.
#include "Fiabilidad.h"
#include "Pasos.h"

#include <QElapsedTimer>
#include <QtTest>
#include <chrono>
#include <cstdio>
#include <iostream>

using namespace Qt::StringLiterals;

namespace {

// Faults found and not yet fixed: their kinds of step stay out of the random runs (unless
// HILVAN_SIMULACION_SIN says otherwise) and their histories below are expected to fail. Each fix
// empties its part.
const char *const PasosConFalloAbierto = "";

using P = Paso;

// A new day: every till opens the program, the first starts the day's cash with 100 euros.
QStringList Abrir(Simulacion &s)
{
    s.Empezar();
    QStringList fallos;
    for (int i = 0; i < s.Puestos(); ++i)
        fallos += P(Tipo::Arrancar, i, 0, 10000, 0, i == 0).Ejecutar(s);
    return fallos;
}

// Runs `historias` histories of at most `pasos` steps each from the seed, adding up the actions and
// the histories run; true when all held.
bool Correr(quint64 semilla, int historias, int pasos, int puestos, qint64 &acciones, qint64 &hechas)
{
    Simulacion s(puestos);
    auto propiedad = [&] {
        RC_ASSERT(Abrir(s).isEmpty());
        rc::state::check(Modelo{puestos, 0}, s, [](const Modelo &m) { return GenerarPaso(m); });
        ++hechas;
    };
    rc::detail::TestParams parametros;
    parametros.seed = semilla;
    parametros.maxSuccess = historias;
    parametros.maxSize = pasos;
    rc::detail::TestMetadata datos;
    datos.id = datos.description = "simulacion";
    const auto resultado = rc::detail::checkTestable(propiedad, datos, parametros);
    acciones += s.acciones;
    const bool ok = resultado.template is<rc::detail::SuccessResult>();
    if (!ok) {
        rc::detail::printResultMessage(resultado, std::cerr);
        std::fprintf(stderr,
                     "\nSIMULACION fallo con la semilla %llu; repetir con:\n  %sHILVAN_SIMULACION=%dx%dx%d "
                     "HILVAN_SIMULACION_SIN=%s HILVAN_SEMILLA=%llu tests/test_bd_simulacion diasDeTienda\n",
                     static_cast<unsigned long long>(semilla),
                     BaseDePrueba::MotorPedido() == Motor::PostgreSQL ? "HILVAN_MOTOR=postgresql " : "",
                     historias, pasos, puestos, qgetenv("HILVAN_SIMULACION_SIN").constData(),
                     static_cast<unsigned long long>(semilla));
    }
    return ok;
}

} // namespace

class PruebaSimulacion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Thousands of short transactions: the shop's file lives in memory, where a sync costs nothing.
        if (QFileInfo(u"/dev/shm"_s).isWritable() && qEnvironmentVariableIsEmpty("TMPDIR"))
            qputenv("TMPDIR", "/dev/shm");
        if (qEnvironmentVariableIsEmpty("HILVAN_SIMULACION_SIN"))
            qputenv("HILVAN_SIMULACION_SIN", PasosConFalloAbierto);
    }

    // Faults the simulation found, each as the shortest history that showed it: tills, whether the
    // fault is still open (its history fails until it is fixed), and the steps. Those the sale
    // screen's own tests replay step by step (the menu annulling the order open on the same till,
    // two tills finishing the same order, an alteration added to a garment with a worker) are kept
    // there.
    void historiasEncontradas()
    {
        const std::vector<Simulacion::Prenda> pantalon = {{1, {0}, 3}};
        using Caso = std::tuple<const char *, int, bool, std::vector<Paso>>;
        const auto H = [](const char *nombre, int puestos, bool abierto, std::vector<Paso> pasos) {
            return Caso(nombre, puestos, abierto, std::move(pasos));
        };
        const Caso historias[] = {
            // Till 3 has order 2 open while till 1 annuls it and takes in a new order, which gets
            // number 2 again: till 3's finish wrote its old order into the new one.
            H("anulado abierto en otro puesto", 3, false,
              {P(Tipo::NuevoArreglo, 0, 0, 0, 1, false, pantalon),
               P(Tipo::NuevoArreglo, 0, 0, 0, 1, false, pantalon), P(Tipo::Modificar, 2, 2),
               P(Tipo::Anular, 0, 2), P(Tipo::NuevoArreglo, 0, 0, 1, 1, false, pantalon),
               P(Tipo::Acabar, 2)}),
            // A delivered order reopened and given a new garment: the garment has no worker, is not
            // in the shop, and the order is delivered owing its price.
            H("prenda nueva en un arreglo entregado", 1, false,
              {P(Tipo::NuevoArreglo, 0, 0, 1000, 1, false, pantalon), P(Tipo::Escanear, 0, 1, 0, 0),
               P(Tipo::Escanear, 0, 1, 0, 0, true), P(Tipo::Entregar, 0, 1, 0, 0, true),
               P(Tipo::Modificar, 0, 1, 0, 0, true), P(Tipo::TocarFamilia, 0, 0, 1, -1), P(Tipo::Acabar, 0)}),
            // Till 3 has the order open while till 1 hands it over; till 3's finish reloads it (it
            // changed) as an order open for changes, without the question a delivered order gets, and
            // an alteration added there leaves it delivered, owing, with a garment not back.
            H("entregado en otro puesto mientras se modificaba", 4, false,
              {P(Tipo::NuevoArreglo, 0, 0, 1000, 1, false, pantalon), P(Tipo::Modificar, 2, 1),
               P(Tipo::Escanear, 0, 1, 0, 0), P(Tipo::Escanear, 0, 1, 0, 0, true),
               P(Tipo::Entregar, 0, 1, 0, 0, true), P(Tipo::Acabar, 2), P(Tipo::ElegirPrenda, 2, 0, 0, 3),
               P(Tipo::Acabar, 2)}),
            // Till 1 closes the cash; till 2, still open, books its next sale into the closed day.
            H("venta en una caja cerrada por otro puesto", 2, false,
              {P(Tipo::CierreCaja, 0), P(Tipo::NuevoArreglo, 1, 0, 2000, 1, false, pantalon)}),
        };
        for (const auto &[nombre, puestos, abierto, pasos] : historias) {
            Simulacion s(puestos);
            QStringList fallos = Abrir(s);
            for (size_t i = 0; i < pasos.size() && fallos.isEmpty(); ++i)
                fallos = pasos[i].Ejecutar(s);
            QVERIFY2(fallos.isEmpty() != abierto,
                     qPrintable(QString::fromUtf8(nombre) + u": "_s
                                + (abierto ? u"corregido: márquelo como tal"_s : fallos.join(u"\n"_s))));
        }
    }

    // The short run: a fixed seed and a fresh one. The long run (HILVAN_SIMULACION set): fresh seeds
    // one after another until its fourth figure of steps is reached; a seed that fails is printed
    // (to be replayed) and counted, and the next one goes on.
    void diasDeTienda()
    {
        const bool servidor = BaseDePrueba::MotorPedido() == Motor::PostgreSQL;
        const int historias = NumeroDeEntorno("HILVAN_SIMULACION", servidor ? 12 : 30, 0);
        const int pasos = NumeroDeEntorno("HILVAN_SIMULACION", servidor ? 60 : 80, 1);
        const int puestos = NumeroDeEntorno("HILVAN_SIMULACION", 3, 2);
        const qint64 objetivo = NumeroDeEntorno("HILVAN_SIMULACION", 0, 3);
        const quint64 nueva = quint64(std::chrono::system_clock::now().time_since_epoch().count());
        const quint64 pedida = qEnvironmentVariable("HILVAN_SEMILLA").toULongLong();
        QList<quint64> semillas = pedida != 0 ? QList<quint64>{pedida}
                                  : qEnvironmentVariableIsEmpty("HILVAN_SIMULACION")
                                      ? QList<quint64>{20261205, nueva}
                                      : QList<quint64>{nueva};
        qint64 acciones = 0, hechas = 0;
        int fallidas = 0;
        QElapsedTimer reloj;
        reloj.start();
        for (int i = 0; i < semillas.size(); ++i) {
            std::printf("semilla %llu: %d historias de hasta %d pasos, %d puestos\n",
                        static_cast<unsigned long long>(semillas[i]), historias, pasos, puestos);
            std::fflush(stdout);
            if (!Correr(semillas[i], historias, pasos, puestos, acciones, hechas))
                ++fallidas;
            if (i + 1 == semillas.size() && acciones < objetivo)
                semillas.append(semillas[i] + 1);
        }
        std::printf("FIABILIDAD simulacion %s %d %lld %lld %lld %d %.1f\n",
                    servidor ? "postgresql" : "sqlite", puestos, acciones, hechas, acciones, fallidas,
                    reloj.elapsed() / 1000.0);
        QCOMPARE(fallidas, 0);
    }
};

QTEST_GUILESS_MAIN(PruebaSimulacion)
#include "test_bd_simulacion.moc"
