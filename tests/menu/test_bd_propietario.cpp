#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "Fiabilidad.h"
#include "Mostrador.h"
#include "PantallasPrueba.h"
#include "cash/RegistroOperaciones.h"
#include "core/BaseDatos.h"
#include "masterdata/frmParametrosGenerales.h"
#include "menu/ClavePropietario.h"
#include "menu/FRMoPCIONES.h"
#include "ui/menu/RegistroPantallas.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString TituloPin = u"PIN del propietario"_s;

// Presses a menu button of the registry with the PIN answers queued: "<caption>: abre|no, PIN <times
// asked>". What the button opens is not run: the guard alone decides whether it would be.
QString Pulsar(BaseDePrueba &b, const FichaPantalla &f, std::deque<QString> respuestas = {})
{
    b.dialogos.pad = std::move(respuestas);
    b.dialogos.titulosPad.clear();
    FRMoPCIONES menu;
    bool abre = false;
    menu.Pulsar(f.rasgos & PideClave, [&abre] { return abre = true, ArregloParaVenta{}; });
    return u"%1: %2, PIN %3"_s.arg(QString::fromUtf8(f.nombre), abre ? u"abre"_s : u"no"_s)
        .arg(b.dialogos.titulosPad.count(TituloPin));
}

// The recovery code in what was said when a PIN was set.
QString Codigo(const QString &dicho)
{
    static const QRegularExpression codigo(u"Código de recuperación: ([0-9-]{19})"_s);
    return codigo.match(dicho).captured(1);
}

std::vector<FichaPantalla> DelMenu(bool clave)
{
    std::vector<FichaPantalla> v;
    std::copy_if(
        RegistroPantallas().begin(), RegistroPantallas().end(), std::back_inserter(v),
        [clave](const FichaPantalla &f) { return f.columna >= 0 && bool(f.rasgos & PideClave) == clave; });
    return v;
}

} // namespace

class PruebaPropietario : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ClavePropietario::EstadoActual() = {}; }

    // The owner's PIN guards the money and data screens of the menu; counter work never asks. The
    // journal of who moved money and data: each entry written with its action, in its transaction.
    void pinYRegistro()
    {
        Mostrador m;
        BaseDePrueba &b = m.b;
        const std::vector<FichaPantalla> Guardados = DelMenu(true), Mostrador_ = DelMenu(false);
        const QString primero = QString::fromUtf8(Guardados[0].nombre);
        // A shop made before the journal and the PIN gets both when a counter opens it.
        b.conexion.Ejecutar(u"drop table operaciones"_s);
        for (const char *columna : {"pin", "pinrecuperacion", "pinfallos", "pinbloqueo"})
            b.conexion.Ejecutar(u"alter table parametros drop column "_s + QLatin1String(columna));
        b.conexion.Ejecutar(u"drop table esquema"_s);
        ActualizarEsquema(b.conexion);
        // No PIN: everything opens as it always did.
        for (const FichaPantalla &boton : Guardados)
            QCOMPARE(Pulsar(b, boton), QString::fromUtf8(boton.nombre) + u": abre, PIN 0"_s);

        // Set on the parameters screen, typed twice; only a salted slow hash is kept.
        frmParametrosGenerales parametros;
        parametros.CargarFormulario({});
        QCOMPARE(parametros.cmdPinCaption, u"Poner PIN"_s);
        b.dialogos.pad = {u"12"_s, u"2580"_s, u"2581"_s, u"2580"_s, u"2580"_s};
        parametros.cmdPin_Click(); // too short
        parametros.cmdPin_Click(); // not repeated right
        QVERIFY(ClavePropietario::Guardado().isEmpty());
        parametros.cmdPin_Click();
        QVERIFY(parametros.cmdQuitarPinVisible);
        const QString guardado = ClavePropietario::Guardado();
        QVERIFY(guardado.startsWith(u"pbkdf2-sha256$"_s));
        QVERIFY(!guardado.contains(u"2580"_s));
        QVERIFY(ClavePropietario::Cifrar(u"2580"_s) != guardado); // salted afresh
        // Its recovery code is shown once.
        const QString codigo = Codigo(b.dialogos.mensajes.last());
        QVERIFY(ClavePropietario::CodigoBueno(codigo));
        // Saving the parameters keeps it.
        b.dialogos.siNo = {6, 7};
        QVERIFY(parametros.cmdAceptar_Click());
        QCOMPARE(ClavePropietario::Guardado(), guardado);

        // Refused without it (cancelled here, wrong below), opened with it; counter screens never ask.
        ClavePropietario::Salir();
        for (const FichaPantalla &boton : Guardados)
            QCOMPARE(Pulsar(b, boton), QString::fromUtf8(boton.nombre) + u": no, PIN 1"_s);
        for (const FichaPantalla &boton : Mostrador_)
            QCOMPARE(Pulsar(b, boton), QString::fromUtf8(boton.nombre) + u": abre, PIN 0"_s);
        // The cash closing, off the menu, keeps its own guard.
        b.dialogos.preguntas.clear();
        FRMoPCIONES cierre;
        cierre.cmdCierreCaja_Click();
        QVERIFY(b.dialogos.preguntas.isEmpty());
        // One right PIN opens every guarded screen until the menu is left.
        QCOMPARE(Pulsar(b, Guardados[0], {u"2580"_s}), primero + u": abre, PIN 1"_s);
        for (const FichaPantalla &boton : Guardados)
            QCOMPARE(Pulsar(b, boton), QString::fromUtf8(boton.nombre) + u": abre, PIN 0"_s);
        FRMoPCIONES menu;
        menu.CargarFormulario([] {});
        QCOMPARE(Pulsar(b, Guardados[0]), primero + u": no, PIN 1"_s);

        // Five wrong in a row lock it, counted in the shop's row: on any counter, by hilvan-admin
        // asking the current PIN, across restarts. The lock reads the shop clock.
        Conexion otra;
        AbrirOtraVez(b, otra);
        const auto enOtro = [&](const std::function<void()> &accion) {
            G().conexion = &otra;
            accion();
            G().conexion = &b.conexion;
        };
        QCOMPARE(Pulsar(b, Guardados[0], {u"0000"_s}), primero + u": no, PIN 1"_s);
        enOtro([&] {
            QCOMPARE(Pulsar(b, Guardados[1], {u"0001"_s}),
                     QString::fromUtf8(Guardados[1].nombre) + u": no, PIN 1"_s);
        });
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"pin"_s, u"--quitar"_s}, "0002\n"), 1);
        QCOMPARE(Pulsar(b, Guardados[0], {u"0003"_s}), primero + u": no, PIN 1"_s);
        ClavePropietario::EstadoActual() = {};
        // Each further five lock longer (the count set ahead here), each lock in the journal; a
        // right PIN clears the count.
        const struct {
            int antes, minutos;
        } bloqueos[] = {{0, 1}, {9, 5}, {14, 15}, {19, 60}, {29, 60}};
        for (const auto &bloqueo : bloqueos) {
            if (bloqueo.antes > 0)
                b.conexion.Ejecutar(u"update parametros set pinfallos = %1"_s.arg(bloqueo.antes));
            enOtro([&] { QCOMPARE(Pulsar(b, Guardados[0], {u"0000"_s}), primero + u": no, PIN 1"_s); });
            const QDateTime hasta = b.reloj.Ahora().addSecs(60 * bloqueo.minutos);
            QVERIFY2(b.dialogos.mensajes.last().endsWith(u"a las "_s + hasta.toString(u"HH:mm"_s) + u'.'),
                     qPrintable(b.dialogos.mensajes.last()));
            b.reloj.Fijar(hasta.addSecs(-1));
            enOtro([&] { QCOMPARE(Pulsar(b, Guardados[0], {u"2580"_s}), primero + u": no, PIN 0"_s); });
            QCOMPARE(Pulsar(b, Guardados[0], {u"2580"_s}), primero + u": no, PIN 0"_s);
            QString aviso; // typed on a counter before another locked it: not even compared
            QVERIFY(bloqueo.antes > 0 || !ClavePropietario::Comprobar(u"2580"_s, aviso));
            b.reloj.Fijar(hasta);
        }
        QCOMPARE(
            b.Columna(u"select detalle from operaciones where tipo = 'PIN bloqueado' order by idoperacion"_s),
            (QStringList{u"5 PIN equivocados seguidos: bloqueado un minuto, hasta las 10:31"_s,
                         u"10 PIN equivocados seguidos: bloqueado 5 minutos, hasta las 10:36"_s,
                         u"15 PIN equivocados seguidos: bloqueado 15 minutos, hasta las 10:51"_s,
                         u"20 PIN equivocados seguidos: bloqueado una hora, hasta las 11:51"_s,
                         u"30 PIN equivocados seguidos: bloqueado una hora, hasta las 12:51"_s}));
        // Saving the parameters keeps the count.
        b.dialogos.siNo = {6, 7};
        QVERIFY(parametros.cmdAceptar_Click());
        QCOMPARE(b.Valor(u"select pinfallos from parametros"_s), u"30"_s);
        QCOMPARE(Pulsar(b, Guardados[0], {u"2580"_s}), primero + u": abre, PIN 1"_s);
        QCOMPARE(b.Valor(u"select pinfallos from parametros"_s), u"0"_s);

        // Changing or removing it on the parameters screen asks for the current one.
        b.dialogos.pad = {u"1111"_s, u"2580"_s, u"1357"_s, u"1357"_s};
        parametros.cmdPin_Click();
        QCOMPARE(b.dialogos.mensajes.last(), u"PIN equivocado."_s);
        QCOMPARE(ClavePropietario::Guardado(), guardado);
        parametros.cmdPin_Click();
        QVERIFY(ClavePropietario::Coincide(ClavePropietario::Guardado(), u"1357"_s));
        QVERIFY(!ClavePropietario::CodigoBueno(codigo)); // the old code went with the old PIN
        b.dialogos.siNo = {6, 6};
        b.dialogos.pad = {u"2580"_s, u"1357"_s};
        parametros.cmdQuitarPin_Click();
        QVERIFY(!ClavePropietario::Guardado().isEmpty());
        parametros.cmdQuitarPin_Click();
        QVERIFY(ClavePropietario::Guardado().isEmpty());
        QVERIFY(!parametros.cmdQuitarPinVisible);

        // hilvan-admin pin: typed twice on its input; changed or removed with the current one; a
        // forgotten one replaced with the recovery code, once, even while locked.
        QString dicho;
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"pin"_s}, "4321\n4322\n"), 1);
        QVERIFY(ClavePropietario::Guardado().isEmpty());
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"pin"_s}, "4321\n4321\n", &dicho), 0);
        QVERIFY(ClavePropietario::Coincide(ClavePropietario::Guardado(), u"4321"_s));
        const QString codigoAdmin = Codigo(dicho);
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"pin"_s}, "4320\n5555\n5555\n"), 1);
        b.conexion.Ejecutar(u"update parametros set pinbloqueo = '2100-01-01 00:00:00'"_s);
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"pin"_s, u"--quitar"_s}, "4321\n", &dicho), 1);
        QVERIFY2(dicho.contains(u"No se podrá volver a intentar"_s), qPrintable(dicho));
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"pin"_s, u"--olvidado"_s},
                             (codigoAdmin + u"\n6666\n6666\n"_s).toUtf8(), &dicho),
                 0);
        QVERIFY(ClavePropietario::Coincide(ClavePropietario::Guardado(), u"6666"_s));
        QCOMPARE(b.Valor(u"select pinbloqueo from parametros"_s), QString());
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"pin"_s, u"--olvidado"_s},
                             (codigoAdmin + u"\n7777\n7777\n"_s).toUtf8()),
                 1);
        QCOMPARE(HilvanAdmin(HILVAN_ADMIN, b, {u"pin"_s, u"--quitar"_s}, "6666\n"), 0);
        QVERIFY(ClavePropietario::Guardado().isEmpty());
        QCOMPARE(
            b.Columna(u"select tipo from operaciones where tipo <> 'PIN bloqueado' order by idoperacion"_s),
            (QStringList{Operacion::PinPuesto, Operacion::PinPuesto, Operacion::PinQuitado,
                         Operacion::PinPuesto, Operacion::PinRecuperado, Operacion::PinQuitado}));
        QCOMPARE(b.Valor(u"select usuario from operaciones order by idoperacion desc"_s), u"hilvan-admin"_s);

        auto ultima = [&b](const char *campos) {
            return Filas(b,
                         u"select %1 from operaciones order by idoperacion desc"_s.arg(QLatin1String(campos)))
                .value(0);
        };

        // A price typed over the catalogue's, saved by a staff member.
        m.PedidoDeDosPrendas();
        m.dialogos.pad = {u"5"_s};
        m.Tocar(2, frmPrincipal::ColImporte);
        m.p.IdUsuarioVenta = 2;
        const int n = m.Guardar(0);
        QCOMPARE(ultima("tipo, usuario, idarreglo"),
                 Operacion::PrecioCambiado + u'|'
                     + b.Valor(u"select nombre from usuarios where idusuario = 2"_s) + u'|'
                     + QString::number(n));
        QVERIFY(ultima("detalle").contains(u"8.00 € → 5.00 €"_s));

        // A saved line taken out.
        m.Reabrir(n);
        m.Tocar(FilaDeTexto(m.p.gridTPV, frmPrincipal::ColNombre, u"Meter cintura"_s),
                frmPrincipal::ColBorrar);
        m.p.IdUsuarioVenta = 2;
        m.Guardar(n);
        QCOMPARE(ultima("tipo, importe"), Operacion::LineaQuitada + u"|12"_s);

        // The annulled order: its customer, lines and money can be read back from the entry.
        b.conexion.Ejecutar(
            u"insert into caja (importe, concepto, fecha, nombrecierre, formapago, idarreglo) "
            "values (10, 'Ref.', '2026-12-05 10:00:00', '20261205', 1, %1)"_s.arg(n));
        m.p.ReiniciarVenta();
        m.dialogos.pad = {QString::number(n)};
        m.dialogos.siNo = {6};
        menu.cmdAnularArreglo_Click();
        QCOMPARE(ultima("tipo, importe"), Operacion::ArregloAnulado + u"|10"_s);
        const QString anulado = ultima("detalle");
        for (const QString &texto :
             {u"María"_s, u"Bajo, 5.00 €"_s, u"Falda"_s, u"Total: 14.00 €"_s, u"10.00 €"_s})
            QVERIFY2(anulado.contains(texto), qPrintable(anulado));

        // Money taken out, small change too.
        m.dialogos.pad = {u"0.40"_s};
        menu.cmdSacarDinero_Click();
        QCOMPARE(ultima("tipo, importe"), Operacion::DineroSacado + u"|-0.4"_s);

        // An action that fails leaves no entry; a journal that cannot be written stops the action.
        const QString antes = b.Valor(u"select count(*) from operaciones"_s);
        b.conexion.Ejecutar(u"alter table caja rename to caja_fuera"_s);
        m.dialogos.pad = {u"30"_s};
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, menu.cmdSacarDinero_Click());
        b.conexion.Ejecutar(u"alter table caja_fuera rename to caja"_s);
        QCOMPARE(b.Valor(u"select count(*) from operaciones"_s), antes);
        m.p.ReiniciarVenta();
        m.PedidoDeDosPrendas();
        const int otro = m.Guardar(0);
        m.p.ReiniciarVenta();
        b.conexion.Ejecutar(u"alter table operaciones rename to operaciones_fuera"_s);
        m.dialogos.pad = {QString::number(otro)};
        m.dialogos.siNo = {6};
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, menu.cmdAnularArreglo_Click());
        b.conexion.Ejecutar(u"alter table operaciones_fuera rename to operaciones"_s);
        QCOMPARE(b.Valor(u"select count(*) from arreglos"_s), u"1"_s);
    }

    // The screen index of docs/ARCHITECTURE.md says what the registry says.
    void indiceDePantallas()
    {
        QFile f(QStringLiteral(HILVAN_DOCS "/ARCHITECTURE.md"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString doc = QString::fromUtf8(f.readAll());
        if (!doc.contains(IndicePantallas()))
            qInfo("%s", qPrintable(IndicePantallas()));
        QVERIFY2(doc.contains(IndicePantallas()), "el índice no es el del registro: arriba, el que debe ser");
    }
};

QTEST_GUILESS_MAIN(PruebaPropietario)
#include "test_bd_propietario.moc"
