#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "Fiabilidad.h"
#include "PantallasPrueba.h"
#include "TallerDePrueba.h"
#include "cash/Caja.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmColores.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmListaClientes.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"
#include "masterdata/frmNuevoColor.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "masterdata/frmParametrosGenerales.h"
#include "menu/FRMoPCIONES.h"
#include "settlements/frmPagosTiendas.h"
#include "ui/menu/RegistroPantallas.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmAvisos.h"
#include "workshop/frmDetalleReferencia.h"
#include "workshop/frmEntradaPrendasBarras.h"

#include <QElapsedTimer>
#include <QMap>
#include <QRegularExpression>
#include <QtTest>
#include <cstdio>
#include <functional>
#include <optional>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// What staff could type, paste or scan into any box: quotes, SQL, escapes, lengths, invisible
// characters, scripts written right to left, halves of characters, and numbers in every odd form.
QStringList Hostiles()
{
    const QString alto(QChar(0xD83D)), bajo(QChar(0xDC57)), nul(QChar(0));
    // clang-format off
    QStringList h = {
        "'", "\"", "`", "´", "‘", "’", "“", "”", "''", "O'Brien", "'; drop table clientes; --",
        "\"; drop table clientes; --", "1' or '1'='1", "%", "_", "!%_", "%' escape '!", "\\", "\\'", "a\\nb",
        "/* */ select", "$$; drop table clientes; $$", "<b>negrita</b> &amp;", "null", "NULL",
        QString(10000, u'a'), QString(255, u'ñ'), QString(256, u'ñ'), "a" + nul + "b", nul, "\t", "a\tb",
        "a\nb", "a\r\nb", "\x01\x1b[31mrojo", "\x7f", "\u0085x", "👗✂️ vestido", "𝔄𝔯𝔯𝔢𝔤𝔩𝔬", "漢字テスト",
        "\u200fمرحبا", "\u202eabc", "\ufeffbom", "\u0301", "\ufffd", "\uffff", alto, bajo, "a" + alto + "b",
        bajo + alto, "1e308", "-0", "1.2.3", "٣", "NaN", "inf", " 12 ", "0x10", "1,2,3", "99999999999999999999",
        "2147483647", "12.345", "-5", "+5", "1 000", "\u00a012", "12", "1,234.50", "0", "", " ", "  \u00a0 "};
    // clang-format on
    const QString emojis = u"🧵"_s.repeated(255);
    h << emojis << emojis + QLatin1Char('x');
    return h;
}

// Every table's rows and the schema: what must not move behind a screen's back.
QMap<QString, QStringList> Huella(BaseDePrueba &b)
{
    QMap<QString, QStringList> h = b.Contenido();
    h[u"(esquema)"_s] = b.Columna(
        b.conexion.EsSqlServer()
            ? "select table_name || column_name || data_type || coalesce(character_maximum_length, 0) from "
              "information_schema.columns where table_schema = 'public' order by 1"
            : "select type || name || coalesce(sql, '') from sqlite_master order by name");
    return h;
}

// Rows of `antes` missing from `despues` plus rows new in it.
int FilasCambiadas(QStringList antes, QStringList despues)
{
    int cambiadas = 0;
    for (const QString &f : despues)
        if (!antes.removeOne(f))
            ++cambiadas;
    return cambiadas + int(antes.size());
}

enum class Silencio { Nunca, SiVacio, Siempre };

// One box of one screen: `probar` types the text and presses the button, and returns what the
// screen's own reading path shows afterwards with what it should show, or nothing when the text
// was not taken. `tabla` is the only table that may change (by one row) when it is taken.
struct Casilla {
    QString pantalla;
    const char *tabla;
    Silencio silencio;
    std::function<std::optional<std::pair<QString, QString>>(const QString &)> probar;
};

using Par = std::pair<QString, QString>;

// A box's own table; money moved also writes the journal of operations.
bool Propia(const Casilla &c, const QString &tabla)
{
    return c.tabla
           && (tabla == QLatin1String(c.tabla)
               || (tabla == QLatin1String("operaciones") && QLatin1String(c.tabla) == QLatin1String("caja")));
}

std::optional<Par> Importe(const QString &leido, const QString &tecleado)
{
    const std::optional<double> v = LeerImporte(tecleado);
    return Par(leido, v ? FormatoImporte(*v) : u"(rechazado)"_s);
}

// A worker or a family named on its dialog, and the name as the dialog shows it when opened again.
template <class Dialogo>
std::optional<Par> NombreNuevo(const char *tabla, const char *campo, const QString &s)
{
    const int antes = DimeMaximo(campo, tabla);
    Dialogo d;
    d.CargarFormulario(0, {});
    d.txtFamilia = s;
    d.cmdAceptar_Click();
    const int id = DimeMaximo(campo, tabla);
    if (id == antes)
        return std::nullopt;
    Dialogo leido;
    leido.CargarFormulario(id, {});
    return Par(leido.txtFamilia.trimmed(), s.trimmed());
}

} // namespace

class PruebaHostil : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cadaCajaDeCadaPantalla()
    {
        QElapsedTimer reloj;
        reloj.start();
        BaseDePrueba b;
        SembrarTaller(b);
        PantallasPrueba pantallas;
        G().NombreCierre = u"20261205"_s;
        const QStringList hostiles = Hostiles();
        int telefono = 0;
        auto Unico = [&telefono] { return u"6%1"_s.arg(++telefono, 8, 10, QLatin1Char('0')); };
        // A search or a lookup: it takes the text when it says nothing about it.
        auto Buscado = [&b](const QString &leido, const QString &esperado) -> std::optional<Par> {
            return b.dialogos.mensajes.isEmpty() ? std::optional<Par>(Par(leido, esperado)) : std::nullopt;
        };
        QList<Casilla> cajas;

        // The customer card, box by box; a name kept is then found by the customer search.
        using F = frmFIchaCliente;
        for (QString F::*campo : {&F::txtNombre, &F::txtDireccion, &F::txtCodPostal, &F::txtLocalidad,
                                  &F::txtNif, &F::txtTelefono})
            cajas.append({u"frmFIchaCliente"_s, "clientes", Silencio::Nunca,
                          [&, campo](const QString &s) -> std::optional<Par> {
                              frmFIchaCliente f;
                              f.txtNombre = u"Ana"_s;
                              f.txtTelefono = Unico();
                              f.*campo = s;
                              if (!f.GuardarCliente())
                                  return std::nullopt;
                              const int id = DimeMaximo("idcliente", "clientes");
                              frmFIchaCliente leida;
                              leida.LlenarDatosCliente(id);
                              if (campo == &frmFIchaCliente::txtNombre) {
                                  frmListaClientes l;
                                  l.txtNombre = s;
                                  l.cmdBuscar_Click();
                                  if (FilaDeTexto(l.gridClientes, 0, QString::number(id)) < 0)
                                      return Par(u"(la búsqueda no lo encuentra)"_s, s);
                              }
                              // Name and telephone are the two a customer cannot go without.
                              const bool obligado = campo == &frmFIchaCliente::txtNombre
                                                    || campo == &frmFIchaCliente::txtTelefono;
                              return Par(leida.*campo, obligado && s.trimmed().isEmpty()
                                                           ? u"(guardado sin él)"_s
                                                           : s.trimmed());
                          }});
        cajas.append({u"frmListaClientes: búsqueda"_s, nullptr, Silencio::Nunca, [&](const QString &s) {
                          frmListaClientes l;
                          l.txtNombre = s;
                          l.cmdBuscar_Click();
                          return Buscado(s, s);
                      }});

        // Names of the catalogue and the workshop: a blank one is ignored, as the screens say.
        cajas.append(
            {u"frmNuevoColor"_s, "colores", Silencio::SiVacio, [](const QString &s) -> std::optional<Par> {
                 frmNuevoColor n;
                 n.txtColor = s;
                 n.cmdAceptar_Click();
                 if (n.txtColor.trimmed().isEmpty())
                     return std::nullopt;
                 frmColores c;
                 c.CargarColores();
                 for (int r = 0; r < c.gridColores.Rows(); ++r)
                     for (int k = 0; k < c.gridColores.Cols(); ++k)
                         if (c.gridColores.TextMatrix(r, k) == s.trimmed())
                             return Par(s.trimmed(), s.trimmed());
                 return std::nullopt;
             }});
        cajas.append({u"frmNuevoTrabajador"_s, "costureras", Silencio::SiVacio, [&](const QString &s) {
                          return NombreNuevo<frmNuevoTrabajador>("costureras", "idcosturera", s);
                      }});
        cajas.append({u"frmNuevaFamilia"_s, "familias", Silencio::SiVacio, [&](const QString &s) {
                          return NombreNuevo<frmNuevaFamilia>("familias", "idfamilia", s);
                      }});
        // The product card: its description, and a price typed into its box.
        for (const bool precio : {false, true})
            cajas.append({u"frmMantProductos"_s, "productos", Silencio::Nunca,
                          [&, precio](const QString &s) -> std::optional<Par> {
                              const int antes = DimeMaximo("idproducto", "productos");
                              frmMantProductos m;
                              m.CargarFormulario(0, {});
                              m.cmbFamilia.ElegirTexto(u"Pantalones"_s);
                              m.txtDescripcion = precio ? u"Bajo"_s : s;
                              m.txtPVPPublico = precio ? s : u"8"_s;
                              m.txtPrecioEspecial = m.txtPagoTrabajador = u"4"_s;
                              m.cmdAceptar_Click();
                              const int id = DimeMaximo("idproducto", "productos");
                              if (id == antes)
                                  return std::nullopt;
                              frmMantProductos leida;
                              leida.CargarFormulario(id, {});
                              if (!precio)
                                  return Par(leida.txtDescripcion, s.trimmed());
                              // More decimals than cents are rounded, the card says so on screen.
                              return Par(leida.txtPVPPublico, FormatoImporte(RedondearImporte(Val(s))));
                          }});
        // The shop's parameters, box by box (the printer box only takes what the printer reads).
        using P = frmParametrosGenerales;
        for (QString P::*campo :
             {&P::txtEmpresa, &P::txtNombre, &P::txtNif, &P::txtDireccion, &P::txtTelefono, &P::txtCodPostal,
              &P::txtLocalidad, &P::txtPie1, &P::txtpie2, &P::txtPie3, &P::txtPie4, &P::txtPie5, &P::txtPie6,
              &P::txtPie7, &P::txtConfPuerto, &P::txtAnchuraCarro})
            cajas.append({u"frmParametrosGenerales"_s, "parametros", Silencio::Nunca,
                          [&, campo](const QString &s) -> std::optional<Par> {
                              frmParametrosGenerales f;
                              f.CargarFormulario({});
                              f.txtAnchuraCarro = u"40"_s;
                              f.*campo = s;
                              b.dialogos.siNo = {6, 7};
                              if (!f.cmdAceptar_Click())
                                  return std::nullopt;
                              frmParametrosGenerales leida;
                              leida.CargarFormulario({});
                              return Par(leida.*campo, s.trimmed());
                          }});

        // The sale screen: the customer's telephone, the money handed over, a line's new price,
        // haberdashery, a withdrawal from the till and the delivery date.
        b.Insertar("productos", "idproducto, idfamilia, nombre, precio1, activo", {"4, 1, 'Entallar', 9, 0"});
        frmPrincipal p;
        p.ReiniciarVenta();
        p.gridFamilias.Row = 1;
        p.gridFamilias_Click();
        p.gridProductos.Row = 1;
        p.gridProductos_Click();
        QCOMPARE(p.gridTPV.Rows(), 3);
        cajas.append({u"frmPrincipal: teléfono"_s, nullptr, Silencio::SiVacio, [&](const QString &s) {
                          b.dialogos.pad = {s};
                          p.cmdTelefono_Click();
                          // A customer found by it shows the telephone as kept, without spaces.
                          return s.isEmpty() ? std::optional<Par>()
                                             : Buscado(p.txtTelefono.trimmed(), s.trimmed());
                      }});
        cajas.append({u"frmPrincipal: importes"_s, nullptr, Silencio::Nunca, [&](const QString &s) {
                          b.dialogos.pad = {s};
                          p.cmdPendiente_Click();
                          // A keypad closed without a figure hands over nothing.
                          return b.dialogos.mensajes.isEmpty()
                                     ? Importe(p.txtEntregado, s.isEmpty() ? u"0"_s : s)
                                     : std::nullopt;
                      }});
        cajas.append({u"frmPrincipal: importes"_s, nullptr, Silencio::SiVacio, [&](const QString &s) {
                          p.gridTPV.Row = 2;
                          p.gridTPV.Col = frmPrincipal::ColImporte;
                          b.dialogos.pad = {s};
                          p.gridTPV_Click();
                          return b.dialogos.mensajes.isEmpty() && !s.isEmpty()
                                     ? Importe(p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte), s)
                                     : std::nullopt;
                      }});
        // The till movement the action booked (a withdrawal, `signo` -1, is kept negative).
        auto Movimiento = [&](const QString &s, int signo,
                              const std::function<void()> &accion) -> std::optional<Par> {
            const int antes = DimeMaximo("idmovimiento", "caja");
            b.dialogos.pad = {s};
            accion();
            if (DimeMaximo("idmovimiento", "caja") == antes)
                return std::nullopt;
            return Importe(FormatoImporte(signo
                                          * Val(b.Valor("select importe from caja where idmovimiento = "
                                                        "(select max(idmovimiento) from caja)"))),
                           s);
        };
        cajas.append({u"frmPrincipal: importes"_s, "caja", Silencio::SiVacio, [&](const QString &s) {
                          return Movimiento(s, 1, [&] {
                              b.dialogos.siNo = {6, 7};
                              p.cmdMerceria_Click();
                              b.dialogos.siNo.clear();
                          });
                      }});
        cajas.append({u"Sacar dinero de caja: importe retirado"_s, "caja", Silencio::SiVacio,
                      [&](const QString &s) { return Movimiento(s, -1, cmdSacarDinero_Click); }});
        cajas.append({u"frmPrincipal: fecha de entrega"_s, nullptr, Silencio::Siempre,
                      [&](const QString &s) -> std::optional<Par> {
                          b.dialogos.calendario = {s};
                          p.cmdFechaEntrega_Click();
                          return std::nullopt;
                      }});
        // Order numbers on the keypad, scanned garment tickets, a reference's detail.
        cajas.append(
            {u"frmPrincipal, Entrada desde trabajadores, Modificar arreglo, Anular arreglo, frmAsigancion: número de arreglo"_s,
             nullptr, Silencio::Siempre, [&](const QString &s) -> std::optional<Par> {
                 // Hand-over, modify and annul (unanswered: not annulled), the workshop's search.
                 b.dialogos.pad = {s, s, s, s, s};
                 p.cmdEntregaarreglos_Click();
                 FRMoPCIONES m;
                 m.cmdEntregaTerminados_Click();
                 m.cmdModificarArreglo_Click();
                 m.cmdAnularArreglo_Click();
                 frmAsigancion a;
                 a.CargarFormulario({});
                 a.cmdBuscarPorNumero_Click();
                 return std::nullopt;
             }});
        cajas.append({u"frmAsignarBArras, frmEntradaPrendasBarras: lector de códigos"_s, nullptr,
                      Silencio::Siempre, [&](const QString &s) -> std::optional<Par> {
                          frmAsignarBArras a;
                          a.CargarFormulario({});
                          a.txtBarras = s;
                          a.Command1_Click();
                          frmEntradaPrendasBarras e;
                          e.CargarFormulario({});
                          e.txtBarras = s;
                          e.Command1_Click();
                          return std::nullopt;
                      }});
        cajas.append({u"frmDetalleReferencia"_s, nullptr, Silencio::Siempre, [&](const QString &s) {
                          frmDetalleReferencia d;
                          d.CargarFormulario(s, {});
                          return Buscado(d.lblReferencia, u"Ref.: "_s + s);
                      }});
        // Typed figures of the listings: the year of the shop accounts, the days of the late orders.
        cajas.append({u"frmPagosTiendas: año"_s, nullptr, Silencio::Nunca, [&](const QString &s) {
                          frmPagosTiendas f;
                          f.CargarFormulario({});
                          f.cmbMeses.Elegir(1);
                          f.cmbAno.Text = s;
                          f.cmdAceptar_Click();
                          return Buscado(f.cmbAno.Text, s);
                      }});
        cajas.append({u"frmAtrasados: días"_s, nullptr, Silencio::Nunca, [&](const QString &s) {
                          frmAtrasados f;
                          f.CargarFormulario({});
                          f.cmbMeses.Text = s;
                          f.cmdVer_Click();
                          return Buscado(f.cmbMeses.Text, s);
                      }});

        // The days of the call list, kept in the parameters.
        cajas.append({u"frmAvisos: plazo en días"_s, "parametros", Silencio::SiVacio,
                      [&](const QString &s) -> std::optional<Par> {
                          frmAvisos a;
                          b.dialogos.pad = {s};
                          a.cmdPlazo_Click();
                          if (s.trimmed().isEmpty() || !b.dialogos.mensajes.isEmpty())
                              return std::nullopt;
                          frmAvisos leida;
                          leida.CargarFormulario({});
                          return Par(QString::number(leida.Dias), QString::number(s.trimmed().toInt()));
                      }});

        // Every screen the registry says staff type into has its boxes here, under the registry's
        // name (its form model, or a menu action's caption) before the colon.
        std::set<const FichaPantalla *> cubiertas;
        for (const Casilla &c : std::as_const(cajas))
            for (const QString &clave : c.pantalla.section(u':', 0, 0).split(u", "_s)) {
                QVERIFY2(BuscarPantalla(clave), qPrintable(clave + u": no está en el registro"_s));
                cubiertas.insert(BuscarPantalla(clave));
            }
        for (const FichaPantalla &f : RegistroPantallas())
            QVERIFY2(!(f.rasgos & SeTeclea) || cubiertas.count(&f), f.nombre);

        // Each box takes each text, or refuses it in Spanish; nothing else in the shop moves: after
        // each text no table but the box's own gains or loses a row, and after each box every other
        // table holds the very rows it held, the box's own at most the rows its texts changed.
        static const QRegularExpression soloCifras(u"^[0-9.,]*$"_s);
        QMap<QString, int> probadas;
        auto antes = Huella(b);
        const QStringList tablas = antes.keys();
        QStringList reales = tablas, cuentas;
        reales.removeAll(u"(esquema)"_s);
        for (const QString &t : reales)
            cuentas << u"(select count(*) from %1)"_s.arg(t);
        const QString sqlCuentas = u"select "_s + cuentas.join(u" || ',' || "_s);
        for (const Casilla &caja : cajas) {
            int guardadas = 0;
            for (const QString &s : hostiles) {
                const QString que = caja.pantalla + u" <- "_s + s.left(40).toHtmlEscaped();
                const QStringList filasAntes = b.Valor(sqlCuentas).split(u',');
                b.dialogos.mensajes.clear();
                std::optional<Par> r;
                try {
                    r = caja.probar(s);
                } catch (const std::exception &e) {
                    QFAIL(qPrintable(que + u": "_s + QString::fromUtf8(e.what())));
                }
                ++probadas[caja.pantalla];
                const QStringList mensajes = b.dialogos.mensajes;
                for (const QString &m : mensajes)
                    QVERIFY2(!m.trimmed().isEmpty() && !EnIngles(m), qPrintable(que + u": "_s + m));
                const bool callar = caja.silencio == Silencio::Siempre
                                    || (caja.silencio == Silencio::SiVacio && s.trimmed().isEmpty());
                if (r) {
                    QVERIFY2(r->first == r->second,
                             qPrintable(que + u": "_s + r->first.left(40) + u" / "_s + r->second.left(40)));
                    if (caja.pantalla.contains(u"importe"_s))
                        QVERIFY2(soloCifras.match(s.trimmed()).hasMatch(),
                                 qPrintable(que + u": tomado como importe"_s));
                    guardadas += caja.tabla ? 1 : 0;
                } else {
                    QVERIFY2(callar || !mensajes.isEmpty(),
                             qPrintable(que + u": rechazado sin decir nada"_s));
                }
                const QStringList filasDespues = b.Valor(sqlCuentas).split(u',');
                for (qsizetype t = 0; t < reales.size(); ++t) {
                    const int mas = filasDespues.value(t).toInt() - filasAntes.value(t).toInt();
                    QVERIFY2(mas == 0 || (r && Propia(caja, reales[t]) && mas == 1),
                             qPrintable(que + u": filas de más o de menos en "_s + reales[t]));
                }
            }
            const auto despues = Huella(b);
            QCOMPARE(despues.keys(), tablas);
            for (const QString &t : tablas)
                QVERIFY2(FilasCambiadas(antes.value(t), despues.value(t))
                             <= (Propia(caja, t) ? 2 * guardadas : 0),
                         qPrintable(caja.pantalla + u": "_s + t + u" cambió"_s));
            antes = despues;
        }
        // The figures of the reliability table: inputs tried per screen on this backend.
        for (auto i = probadas.cbegin(); i != probadas.cend(); ++i)
            std::printf("HOSTIL %d %s\n", i.value(), i.key().toUtf8().constData());
        std::printf("FIABILIDAD hostil %s %d %d %d %.1f\n",
                    b.conexion.EsSqlServer() ? "postgresql" : "sqlite", int(hostiles.size()),
                    int(hostiles.size() * cajas.size()), int(probadas.size()), reloj.elapsed() / 1000.0);
    }
};

QTEST_MAIN(PruebaHostil)
#include "test_bd_hostil.moc"
