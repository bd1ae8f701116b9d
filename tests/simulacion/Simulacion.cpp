#include "Simulacion.h"

#include "Fiabilidad.h"
#include "Invariantes.h"
#include "core/BaseDatos.h"
#include "core/Configuracion.h"
#include "demo/Demo.h"
#include "menu/FRMoPCIONES.h"

using namespace Qt::StringLiterals;

const QDateTime Comienzo(QDate(2026, 12, 5), QTime(9, 0, 0));

ArregloParaVenta PantallasPuesto::Opciones(int arregloEnVenta)
{
    FRMoPCIONES menu;
    menu.ArregloEnVenta = arregloEnVenta;
    return menu.CargarFormulario([&] {
        if (enMenu)
            std::exchange(enMenu, nullptr)(menu);
    });
}

Simulacion::Simulacion(int puestos)
{
    LlenarDemo(b.conexion, Comienzo.date());
    QStringList lineas = b.LineasConfiguracion();
    if (EsServidor()) {
        lejos = std::make_unique<ServidorLejano>(b);
        lineas[1] = lejos->datos.host + u':' + QString::number(lejos->datos.puerto);
    }
    // Each till has its own configuration file: the same database, the till's own name (its drawer).
    for (int i = 0; i < puestos; ++i) {
        puestos_.push_back(std::make_unique<Puesto>());
        puestos_.back()->configuracion = b.dir.filePath(u"puesto%1.dat"_s.arg(i + 1));
        EscribirConfiguracion(puestos_.back()->configuracion,
                              lineas + QStringList{u"Mostrador %1"_s.arg(i + 1)});
    }
}

Simulacion::~Simulacion()
{
    for (auto &q : puestos_)
        Cerrar(*q);
    G() = ValoresPrograma();
}

void Simulacion::Empezar()
{
    for (auto &q : puestos_)
        Cerrar(*q);
    for (const char *tabla : {"caja", "arreglos_detalles", "arreglos"})
        b.conexion.Ejecutar(u"delete from "_s + QString::fromLatin1(tabla));
    b.reloj.Fijar(Comienzo);
    cajasCerradas_.clear();
    anulados.clear();
}

void Simulacion::Activar(Puesto &q)
{
    G() = q.valores;
    G().dialogos = &q.dialogos;
    G().pantallas = &q.pantallas;
    G().salidaTickets = &q.impresora;
    G().reloj = &b.reloj;
    G().AnchuraTicket = 40;
}

void Simulacion::Desactivar(Puesto &q)
{
    q.valores = G();
    G() = ValoresPrograma();
}

QStringList Simulacion::En(int puesto, const std::function<void(Puesto &)> &accion)
{
    Puesto &q = *puestos_[size_t(puesto)];
    QStringList fallos;
    Activar(q);
    try {
        // A minute passes between steps: the sale screen's timer has looked at the connection.
        if (q.p)
            q.p->tmrConexion_Timer();
        accion(q);
    } catch (const ErrorBaseDatos &e) {
        // What the event boundary shows staff.
        q.dialogos.mensajes.append(e.Mensaje());
    } catch (const std::exception &e) {
        fallos.append(u"excepción no prevista (la pantalla diría «No se pudo completar la operación»): "_s
                      + QString::fromUtf8(e.what()));
    }
    Desactivar(q);
    for (const QString &m : q.dialogos.mensajes + q.dialogos.preguntas)
        if (EnIngles(m))
            fallos.append(u"mensaje en inglés: "_s + m);
    q.dialogos = DialogosGuion();
    ++acciones;
    b.reloj.Fijar(b.reloj.Ahora().addSecs(60));
    fallos += Comprobar();
    return fallos;
}

QStringList Simulacion::Comprobar()
{
    // The checks read on their own connection, as a restarted program would.
    G() = ValoresPrograma();
    G().conexion = &b.conexion;
    G().EsSqlServer = EsServidor() ? 1 : 0;
    G().reloj = &b.reloj;
    DialogosGuion mudos;
    G().dialogos = &mudos;
    QStringList fallos = Invariantes(b);

    // A closed cash day keeps the movements it had when it closed; only an annulment takes an
    // order's money out of it.
    for (const QString &dia : b.Columna(u"select nombrecierre from caja group by nombrecierre having "
                                        "min(coalesce(cerrado, 0)) = 1"_s))
        if (!cajasCerradas_.contains(dia))
            cajasCerradas_.insert(dia, MovimientosDeCaja(b, dia, anulados));
    for (auto it = cajasCerradas_.begin(); it != cajasCerradas_.end(); ++it) {
        const QString ahora = MovimientosDeCaja(b, it.key(), anulados);
        // An order annulled since the close took its money out of the closed day with it.
        QStringList antes = it.value().split(u'\n');
        antes.removeIf(
            [&](const QString &l) { return anulados.contains(l.section(u'|', 1, 1).toLongLong()); });
        if (ahora != antes.join(u'\n'))
            fallos.append(
                u"la caja cerrada %1 ha cambiado:\n%2\nahora:\n%3"_s.arg(it.key(), it.value(), ahora));
    }

    G() = ValoresPrograma();
    return fallos;
}

void Simulacion::Cerrar(Puesto &q)
{
    if (!q.p)
        return;
    Activar(q);
    q.p.reset();
    Desactivar(q);
    q.valores = ValoresPrograma();
}
