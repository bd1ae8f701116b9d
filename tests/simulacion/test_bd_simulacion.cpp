// Whole shop days on several tills at once, drawn at random by RapidCheck: after every action the
// invariants are read back from the database; a failing history is shrunk to the fewest steps
// that still fail and printed with its seed (replay it with --semilla N).
// HILVAN_SIMULACION=HISTORIASxPASOSxPUESTOS makes the long run.
#include "Fiabilidad.h"
#include "Pasos.h"

#include <QElapsedTimer>
#include <QtTest>
#include <chrono>
#include <cstdio>
#include <iostream>

using namespace Qt::StringLiterals;

namespace {

quint64 semillaPedida = 0;

struct Cifras {
    qint64 acciones = 0, historias = 0, comprobaciones = 0;
};

// Runs `historias` histories of at most `pasos` steps each from the seed; true when all held.
bool Correr(quint64 semilla, int historias, int pasos, int puestos, Cifras &cifras)
{
    Simulacion s(puestos);
    auto propiedad = [&] {
        s.Empezar();
        // Every till opens the program; the first starts the day's cash.
        for (int i = 0; i < puestos; ++i) {
            Paso p;
            p.tipo = Tipo::Arrancar;
            p.puesto = i;
            p.si = i == 0;
            p.a = 10000;
            const QStringList fallos = p.Ejecutar(s);
            RC_ASSERT(fallos.isEmpty());
        }
        rc::state::check(Modelo{puestos, 0}, s,
                         [&](const Modelo &m) { return GenerarPaso(m, s.EsServidor()); });
        ++cifras.historias;
    };
    rc::detail::TestParams parametros;
    parametros.seed = semilla;
    parametros.maxSuccess = historias;
    parametros.maxSize = pasos;
    rc::detail::TestMetadata datos;
    datos.id = datos.description = "simulacion";
    const qint64 antes = s.acciones;
    const auto resultado = rc::detail::checkTestable(propiedad, datos, parametros);
    cifras.acciones += s.acciones - antes;
    cifras.comprobaciones += s.comprobaciones;
    const bool ok = resultado.template is<rc::detail::SuccessResult>();
    if (!ok) {
        rc::detail::printResultMessage(resultado, std::cerr);
        std::fprintf(stderr, "\nSIMULACION fallo con la semilla %llu (%d puestos): repetir con "
                             "test_bd_simulacion --semilla %llu\n",
                     static_cast<unsigned long long>(semilla), puestos, static_cast<unsigned long long>(semilla));
    }
    return ok;
}

} // namespace

class PruebaSimulacion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A fixed seed, then a fresh one each run; each seed is printed so any failure can be replayed.
    void diasDeTienda()
    {
        const bool servidor = BaseDePrueba::MotorPedido() == Motor::PostgreSQL;
        const int historias = NumeroDeEntorno("HILVAN_SIMULACION", servidor ? 4 : 8, 0);
        const int pasos = NumeroDeEntorno("HILVAN_SIMULACION", 40, 1);
        const int puestos = NumeroDeEntorno("HILVAN_SIMULACION", 3, 2);
        QList<quint64> semillas{20261205};
        if (semillaPedida != 0)
            semillas = {semillaPedida};
        else if (qEnvironmentVariableIsEmpty("HILVAN_SIMULACION"))
            semillas.append(quint64(std::chrono::steady_clock::now().time_since_epoch().count()));
        else
            semillas = {quint64(std::chrono::system_clock::now().time_since_epoch().count())};
        Cifras cifras;
        QElapsedTimer reloj;
        reloj.start();
        for (quint64 semilla : semillas) {
            std::printf("semilla %llu: %d historias de hasta %d pasos, %d puestos\n",
                        static_cast<unsigned long long>(semilla), historias, pasos, puestos);
            std::fflush(stdout);
            QVERIFY(Correr(semilla, historias, pasos, puestos, cifras));
        }
        std::printf("FIABILIDAD simulacion %s %d %lld %lld %lld %.1f\n", servidor ? "postgresql" : "sqlite", puestos,
                    cifras.acciones, cifras.historias, cifras.comprobaciones, reloj.elapsed() / 1000.0);
    }
};

int main(int argc, char **argv)
{
    // Thousands of short transactions: the shop's file lives in memory, where a sync costs nothing.
    if (QFileInfo(u"/dev/shm"_s).isWritable() && qEnvironmentVariableIsEmpty("TMPDIR"))
        qputenv("TMPDIR", "/dev/shm");
    QCoreApplication app(argc, argv);
    // --semilla N replays one seed; everything else goes to the test library.
    std::vector<char *> resto;
    for (int i = 0; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--semilla" && i + 1 < argc)
            semillaPedida = QByteArray(argv[++i]).toULongLong();
        else
            resto.push_back(argv[i]);
    }
    PruebaSimulacion prueba;
    return QTest::qExec(&prueba, int(resto.size()), resto.data());
}

#include "test_bd_simulacion.moc"
