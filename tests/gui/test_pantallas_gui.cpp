#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "Casos.h"
#include "PantallasPrueba.h"
#include "TallerDePrueba.h"
#include "TiendaDemo.h"
#include "core/Programa.h"
#include "counter/frmInicio.h"
#include "counter/frmPrincipal.h"
#include "dialogs/frmMensajeSiNo.h"
#include "masterdata/frmDecProd.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmFamilias.h"
#include "masterdata/frmListaClientes.h"
#include "masterdata/frmListadoProductos.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"
#include "masterdata/frmParametrosGenerales.h"
#include "printing/CanalTickets.h"
#include "printing/ImprimirListado.h"
#include "printing/SalidaSerie.h"
#include "settlements/frmPagosTiendas.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmCalculadora2Vista.h"
#include "ui/counter/frmInicioVista.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/dialogs/MensajeVista.h"
#include "ui/masterdata/frmDecProdVista.h"
#include "ui/masterdata/frmFIchaClienteVista.h"
#include "ui/masterdata/frmFamiliasVista.h"
#include "ui/masterdata/frmListaClientesVista.h"
#include "ui/masterdata/frmListadoProductosVista.h"
#include "ui/masterdata/frmMantProductosVista.h"
#include "ui/masterdata/frmNuevaFamiliaVista.h"
#include "ui/masterdata/frmParametrosGeneralesVista.h"
#include "ui/printing/SalidaListadosImpresora.h"
#include "ui/printing/SalidaTicketsPantalla.h"
#include "ui/printing/VistaPreviaTicket.h"
#include "ui/settlements/frmPagosTiendasVista.h"
#include "ui/workshop/PantallaBarrasVista.h"
#include "ui/workshop/frmAsigancionVista.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The small windows the catalogue opens, shown for real and filled in by the test.
struct PantallasCatalogo : PantallasPrueba {
    void NuevaFamilia(int idfamilia) override
    {
        frmNuevaFamilia f;
        f.CargarFormulario(idfamilia, Ver<frmNuevaFamiliaVista>(f, [&](frmNuevaFamiliaVista &v) {
                               QTest::keyClicks(v.txtFamilia(), u"Camisa"_s);
                               QTest::mouseClick(v.cmdAceptar(), Qt::LeftButton);
                               cerrada = !v.isVisible();
                           }));
    }
    void MantProductos(int idproducto) override { abiertos.append(idproducto); }
    void ListadoProductos() override { abiertos.append(-1); }
    bool cerrada = false;
    QList<int> abiertos;
};

QPushButton *Boton(QWidget &w, const char *nombre)
{
    return w.findChild<QPushButton *>(QString::fromLatin1(nombre));
}

// The real screens, except the customer card, whose form model is filled in and saved as a
// person would on it, and the options menu, which hands order 4 over to the sale screen.
const QString NombreConMarcas = u"<b>Rosa</b> & D&iacute;az <script>x()</script>"_s;

class PantallasFicha : public PantallasQt
{
public:
    void FichaCliente(const QString &telefono, int idcliente) override
    {
        frmFIchaCliente ficha;
        ficha.CargarFormulario(telefono, idcliente, [&] {
            ficha.txtNombre = NombreConMarcas;
            ficha.cmdAceptar_Click();
        });
    }
    ArregloParaVenta Opciones(int) override { return {4, true}; }
};

QString Caja(QWidget &v, const char *nombre)
{
    return v.findChild<QLabel *>(QString::fromLatin1(nombre))->text();
}

// 1000012340025 by hand: the leading 1 gives sets A A B A B B to 0 0 0 0 1 2, then 3 4 0 0 2 5
// from set C, between the guards 101, 01010 and 101; seven modules a digit.
const QString ModulosCodigo = u"101"
                              "000110100011010100111000110101100110011011"
                              "01010"
                              "100001010111001110010111001011011001001110"
                              "101"_s;

bool Oscuro(QRgb c)
{
    return qGray(c) < 100;
}

} // namespace

class PruebaPantallasGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void catalogoYClientes()
    {
        BaseDePrueba b;
        PantallasCatalogo pantallas;
        frmFamilias f;
        f.CargarFormulario(Ver<frmFamiliasVista>(f, [&](frmFamiliasVista &v) {
            QTest::mouseClick(Boton(v, "cmdNuevo"), Qt::LeftButton);
            QVERIFY(pantallas.cerrada);
            QCOMPARE(TextosVista(v.tabla(), 1), QStringList({"Camisa"}));
            Cerrar(v, Qt::Key_Escape);
        }));

        frmMantProductos ficha;
        ficha.CargarFormulario(0, Ver<frmMantProductosVista>(ficha, [&](frmMantProductosVista &v) {
                                   v.cmbFamilia->setCurrentIndex(1); // Camisa
                                   QTest::keyClicks(v.txtDescripcion, u"Bajo"_s);
                                   QTest::keyClicks(v.txtPVPPublico, u"12"_s);
                                   QCOMPARE(v.txtPagoTrabajador->text(), u"4.00"_s);
                                   QTest::keyClicks(v.txtPrecioEspecial, u"9"_s);
                                   v.chkActivo->setChecked(true);
                                   Cerrar(v, v.cmdAceptar);
                               }));

        frmListadoProductos lista;
        lista.CargarFormulario(Ver<frmListadoProductosVista>(lista, [&](frmListadoProductosVista &v) {
            TocarCelda(v.tabla(), v.tabla()->model()->index(0, 2));
            QTest::mouseClick(Boton(v, "cmdModificar"), Qt::LeftButton);
            QCOMPARE(v.tabla()->currentIndex().row(), 0);
        }));
        QCOMPARE(pantallas.abiertos, QList<int>{b.Valor(u"select idproducto from productos"_s).toInt()});

        frmDecProd menu;
        menu.CargarFormulario(
            Ver<frmDecProdVista>(menu, [&](frmDecProdVista &v) { Cerrar(v, Boton(v, "cmdVerArreglo")); }));
        QCOMPARE(pantallas.abiertos.last(), -1);

        // A new customer on the card, then found and chosen on the list.
        frmFIchaCliente cliente;
        cliente.CargarFormulario(u"600123456"_s, 0,
                                 Ver<frmFIchaClienteVista>(cliente, [&](frmFIchaClienteVista &v) {
                                     QCOMPARE(v.txtTelefono->text(), u"600123456"_s);
                                     QVERIFY(!v.cmdVerArreglos->isVisible());
                                     v.txtNombre->setText(NombreConMarcas); // keyClicks types ASCII only
                                     v.chkEstienda->setChecked(true);
                                     QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
                                     QVERIFY(v.result() == QDialog::Accepted);
                                 }));

        frmListaClientes clientes;
        const int elegido =
            clientes.CargarFormulario(Ver<frmListaClientesVista>(clientes, [&](frmListaClientesVista &v) {
                QTest::keyClicks(v.txtNombre(), u"rosa"_s);
                QTest::keyClick(v.txtNombre(), Qt::Key_Return);
                TocarCelda(v.tabla(), v.tabla()->model()->index(0, 1));
                QTest::mouseClick(v.findChildren<QPushButton *>().last(),
                                  Qt::LeftButton); // Cancelar keeps the choice
            }));
        QCOMPARE(QString::number(elegido), b.Valor(u"select idcliente from clientes"_s));
    }

    void elegirImpresoraYGuardar()
    {
        BaseDePrueba b;
        frmParametrosGenerales f;
        f.CargarFormulario([&] {
            frmParametrosGeneralesVista v(f);
            v.resize(1024, 768);
            v.show();
            QCOMPARE(v.txtEmpresa->text(), u"ARREGLOS DE ROPA"_s);
            QCOMPARE(v.cmbComs->currentText(), u"Vista previa en pantalla"_s);

            // Choosing the network printer relabels the box and offers an address to edit.
            v.cmbComs->setCurrentIndex(v.cmbComs->findText(u"Impresora de red"_s));
            Q_EMIT v.cmbComs->activated(v.cmbComs->currentIndex());
            QCOMPARE(v.lblConfPuerto->text(), u"Dirección de la impresora de red"_s);
            QCOMPARE(v.txtConfPuerto->accessibleName(), v.lblConfPuerto->text());
            v.txtConfPuerto->setText(u"tcp://10.0.0.9"_s);

            // A bad width, or a second copies folder that is not there, is refused and the screen
            // stays open; then it is saved and closes.
            v.txtAnchuraCarro->setText(u"100"_s);
            QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
            QVERIFY(v.isVisible());
            v.txtAnchuraCarro->setText(u"48"_s);
            v.txtCarpetaCopias2->setText(b.dir.filePath(u"usb"_s));
            QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
            QVERIFY(b.dialogos.mensajes.last().startsWith(u"Segunda carpeta de copias: "_s));
            v.txtCarpetaCopias2->setText(b.dir.path());
            b.dialogos.siNo = {6, 7};
            QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
            QVERIFY(v.result() == QDialog::Accepted);
        });
        // Escape closes without saving: the width saved above stays.
        f.CargarFormulario(Ver<frmParametrosGeneralesVista>(f, [&](frmParametrosGeneralesVista &v) {
            v.txtAnchuraCarro->setText(u"30"_s);
            Cerrar(v, Qt::Key_Escape);
        }));
        QCOMPARE(b.Valor(u"select anchuracarro from parametros"_s), u"48"_s);
        QCOMPARE(b.Valor(u"select carpetacopias2 from parametros"_s), b.dir.path());
    }

    void pedidoATactil()
    {
        TiendaDemo<PantallasFicha> t;
        frmPrincipal p;
        p.ReiniciarVenta();
        frmPrincipalVista v(p);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        auto *familias = v.findChild<QTableView *>(u"gridFamilias"_s);
        auto *productos = v.findChild<QTableView *>(u"gridProductos"_s);
        auto *tpv = v.findChild<QTableView *>(u"gridTPV"_s);
        QVERIFY(familias && productos && tpv);

        // The grids take Tab, yet a ticket scanned while one holds the focus still reaches the
        // scanner: there the arrows move and Space touches, like a finger.
        QCOMPARE(QApplication::focusWidget(), &v);
        QTest::keyClick(&v, Qt::Key_Tab); // reading order: the lists on the left come first
        QCOMPARE(QApplication::focusWidget(), familias);
        QTest::keyClick(familias, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(familias, Qt::Key_Down);
        QTest::keyClick(familias, Qt::Key_Space);
        QCOMPARE(p.gridFamilias.Row, 2);
        QVERIFY(p.gridProductos.Rows() > 1);
        QTest::keyClicks(familias, u"$0000000000000"_s);
        QTest::keyClick(familias, Qt::Key_Return);
        QCOMPARE(t.b.dialogos.mensajes,
                 QStringList{u"El código leído no es un ticket de prenda de esta tienda."_s});

        TocarCelda(familias, BuscarCelda(familias, 1, u"Pantalón"_s));
        TocarCelda(productos, BuscarCelda(productos, 1, u"Bajo"_s));
        TocarCelda(productos, BuscarCelda(productos, 1, u"Meter cintura"_s));
        TocarCelda(tpv, tpv->model()->index(1, frmPrincipal::ColBorrar)); // Bajo 8, Meter cintura 12
        QCOMPARE(Caja(v, "txtTotal"), u"12.00"_s);
        QCOMPARE(Caja(v, "txtPendiente"), u"12.00"_s);

        // A new telephone opens the customer card; the new customer comes back named, as typed.
        t.b.dialogos.pad = {u"699000111"_s};
        QTest::mouseClick(Boton(v, "cmdTelefono"), Qt::LeftButton);
        QCOMPARE(Caja(v, "txtTelefono"), u"699000111"_s);
        QCOMPARE(Caja(v, "txtNombreCliente"), NombreConMarcas);

        // A payment method's name is the button's caption as it is: "&" is no shortcut key.
        const QString forma = u"Tarjeta & <b>Bizum</b>"_s;
        t.b.dialogos.formasPago = {{forma, 2}};
        QTest::mouseClick(Boton(v, "cmdFormasPago"), Qt::LeftButton);
        QCOMPARE(QAccessible::queryAccessibleInterface(Boton(v, "cmdFormasPago"))->text(QAccessible::Name),
                 forma);

        // The calculator opens beside the sale screen, which goes on answering.
        QTest::mouseClick(Boton(v, "cmdCalculadora"), Qt::LeftButton);
        frmCalculadora2Vista *calculadora = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *c = qobject_cast<frmCalculadora2Vista *>(w))
                calculadora = c;
        QVERIFY(calculadora && calculadora->isVisible() && !calculadora->isModal());
        // Its keys: left to right like a desk calculator, going on from a result; one point only; a
        // second operator replaces the first; only C or a digit leaves an error.
        const auto teclear = [calculadora](const char *teclas) {
            for (const QChar k : QString::fromLatin1(teclas))
                QTest::mouseClick(calculadora->Boton(k == u'<' ? QString(QChar(0x2190)) : QString(k)),
                                  Qt::LeftButton);
            return calculadora->Pantalla();
        };
        Casos({{teclear("12.5+7.5="), u"20"_s},
               {teclear("C0.1+0.2="), u"0.3"_s},
               {teclear("C2+3*4="), u"20"_s},
               {teclear("C10-4-3="), u"3"_s},
               {teclear("C7/2="), u"3.5"_s},
               {teclear("*2="), u"7"_s},
               {teclear("C1..5"), u"1.5"_s},
               {teclear("C123<"), u"12"_s},
               {teclear("C5+-3="), u"2"_s},
               {teclear("C200+10%"), u"220"_s},
               {teclear("C200-15%"), u"170"_s},
               {teclear("C80*25%"), u"20"_s},
               {teclear("C50%"), u"0.5"_s},
               {teclear("C8/0="), u"Error"_s},
               {teclear("+="), u"Error"_s},
               {teclear("4+1="), u"5"_s}});
        calculadora->close();

        // Handing an order over: the customer and the garments cannot change, payments can.
        QTest::mouseClick(Boton(v, "cmdVerOpciones"), Qt::LeftButton);
        QCOMPARE(Caja(v, "lblNumReferencia"), u"Entrega del arreglo 4"_s);
        QVERIFY(!Boton(v, "cmdTelefono")->isEnabled() && !Boton(v, "cmdBuscarCliente")->isEnabled());
        QVERIFY(!familias->isEnabled() && !Boton(v, "cmdFechaEntrega")->isEnabled());
        QVERIFY(!TextosVista(tpv, frmPrincipal::ColBorrar).contains(u"X"_s));
        QVERIFY(Boton(v, "cmdMerceria")->isEnabled() && Boton(v, "Command1")->isEnabled());

        // Escape asks before leaving; "Cancelar" keeps the screen.
        t.b.dialogos.siNo = {7};
        QTest::keyClick(&v, Qt::Key_Escape);
        QCOMPARE(t.b.dialogos.preguntas.last(), u"¿Cerrar la aplicación?"_s);
        QVERIFY(v.isVisible());
    }

    void vistaPreviaDelTicket()
    {
        QCOMPARE(ModulosEAN13(u"123"_s), QString());

        VistaPreviaTicket vista;
        vista.MostrarTicket(QByteArray("\x1br0\x1b!\x00 \r\n", 8) + LineaBarras, 40);
        const QImage imagen = vista.grab().toImage();

        // Find a row through the bars and read the modules back from the runs of ink.
        int fila = -1, inicio = -1;
        for (int y = 0; y < imagen.height() && fila < 0; ++y)
            for (int x = 0; x < imagen.width(); ++x)
                if (Oscuro(imagen.pixel(x, y))) {
                    fila = y + 20;
                    inicio = x;
                    break;
                }
        QVERIFY(fila > 0 && fila < imagen.height());
        const int modulo = 3; // 4 dots at 0.75 px a dot
        QString leidos;
        for (int x = inicio; x < inicio + 95 * modulo; x += modulo)
            leidos += Oscuro(imagen.pixel(x + modulo / 2, fila)) ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(leidos, ModulosCodigo);
        QVERIFY(!Oscuro(imagen.pixel(inicio + 95 * modulo + 1, fila)));

        // Red lines of double size, and the paper as wide as the printer's.
        const QByteArray normal("\x1br0\x1b!\x00"
                                "Linea normal\r\n",
                                20);
        vista.MostrarTicket(normal, 40);
        const int anchoPapel40 = vista.width();
        vista.MostrarTicket(normal, 32);
        QVERIFY(vista.width() < anchoPapel40);
        const int altoNormal = vista.height();

        vista.MostrarTicket("\x1b!0\x1br1Grande\r\n", 40);
        QVERIFY(vista.height() > altoNormal);
        const QImage grande = vista.grab().toImage();
        int rojos = 0;
        for (int y = 0; y < grande.height(); ++y)
            for (int x = 0; x < grande.width(); ++x) {
                const QColor c = grande.pixelColor(x, y);
                rojos += c.red() > 150 && c.green() < 80 && c.blue() < 80;
            }
        QVERIFY(rojos > 50);
    }

    void puertoCeroMuestraElTicketAlCortar()
    {
        BaseDePrueba b; // the program's values set afresh, and again at the end
        G().puertocom = u"2"_s;
        G().parametrospuerto = u"9600,n,8,1"_s;
        QVERIFY(dynamic_cast<SalidaSerie *>(CrearSalidaTickets(nullptr).get()));

        G().puertocom = u"0"_s;
        auto salida = CrearSalidaTickets(nullptr);
        G().salidaTickets = salida.get();

        // The window comes up at the cut, not before; it is taken away with its button.
        GuionVentanas guion;
        guion.pasos.push_back([](QDialog *v) {
            QVERIFY(v->height() <= 768 && v->width() <= 1024);
            v->accept();
        });
        ImprimirLineaTicket(u"Muñoz"_s, 1, 0, 0, 0, 0);
        QCOMPARE(guion.pasos.size(), 1u);
        CortarTicket();
        QVERIFY(guion.pasos.empty());
    }

    // What the preview's print button does, on a PDF "printer": written, or told it failed.
    void vistaPrevia()
    {
        QTemporaryDir dir;
        Grid g(1, 2);
        g.SetTextMatrix(0, 1, u"Concepto"_s);
        g.AgregarFila({u"1"_s, u"Ref. 7"_s});
        for (const QString &ruta : {dir.filePath(u"hoja.pdf"_s), dir.filePath(u"no/hoja.pdf"_s)}) {
            VistaPreviaListado v(PaginarListado(g, u"Hoja de venta"_s, true, QDate(2026, 12, 5)));
            QCOMPARE(v.printer()->pageLayout().orientation(), QPageLayout::Landscape);
            v.printer()->setOutputFormat(QPrinter::PdfFormat);
            v.printer()->setOutputFileName(ruta);
            v.findChild<QPrintPreviewWidget *>()->print();
            QCOMPARE(v.fallo, !QFile::exists(ruta));
            QCOMPARE(v.fallo, ruta.contains(u"/no/"_s));
        }
        // The preview closes from its own button, printing nothing.
        VistaPreviaListado v(PaginarListado(g, u"Hoja de venta"_s, true, QDate(2026, 12, 5)));
        QTimer::singleShot(0, &v, [&v] { QTest::mouseClick(Boton(v, "cmdCerrar"), Qt::LeftButton); });
        QCOMPARE(v.exec(), int(QDialog::Rejected));
    }

    void pagosTiendas()
    {
        BaseDePrueba b;
        G().NombreCierre = u"20261205"_s;
        b.Insertar("clientes", "idcliente, nombre, estienda", {"2, 'Boutique Luna', 1"});
        b.Insertar("arreglos", "idarreglo, idcliente, fecharealentrega, entregadoacliente",
                   {"20, 2, '2026-11-15 10:00:00', 1"});
        b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, referenciaprenda",
                   {"20, 1, 30, '20.1'"});
        b.Insertar("caja", "importe, concepto, nombrecierre, idarreglo", {"10, 'Ref. 20', '20261101', 20"});
        frmPagosTiendas f;
        f.CargarFormulario(Ver<frmPagosTiendasVista>(f, [&](frmPagosTiendasVista &v) {
            v.cmbTienda()->setCurrentIndex(1);
            v.chkPendientes()->setChecked(true);
            QTest::mouseClick(v.findChild<QPushButton *>(u"cmdAceptar"_s), Qt::LeftButton);
            // At 1024 x 768 the sum and every header show whole, also with a row selected.
            v.resize(1024, 768);
            TocarCelda(v.tabla(), BuscarCelda(v.tabla(), 1, u"20"_s));
            QCOMPARE(TextosCortados(v.tabla()), QStringList());
            b.dialogos.siNo = {6};
            DobleToque(v.tabla(), BuscarCelda(v.tabla(), 1, u"20"_s));
            QCOMPARE(b.dialogos.preguntas.size(), 1);
            QCOMPARE(v.tabla()->model()->rowCount(), 0); // the ticked box reached the list: settled, gone
            Cerrar(v, v.findChild<QPushButton *>(u"cmdsalir"_s));
        }));
    }

    void asignacionYEscaneos()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        PantallasTaller pantallas;
        frmAsigancion a;
        a.CargarFormulario(Ver<frmAsigancionVista>(a, [&](frmAsigancionVista &v) {
            QTableView *t = v.tabla();
            QCOMPARE(v.lblViendo()->text(), u"Mostrando arreglos no asigandos a trabajador"_s);

            b.dialogos.trabajadores = {1};
            TocarCelda(t, BuscarCelda(t, 1, "10.2"));
            QTest::mouseClick(v.Boton("Asignar a trabajador"), Qt::LeftButton);
            QCOMPARE(t->model()->index(BuscarCelda(t, 1, "10.2").row(), 6).data().toString(), u"Rosa"_s);

            QSignalSpy completa(&v, &frmAsigancionVista::ListaCompleta);
            QTest::mouseClick(v.Boton("Ver todos los arreglos"), Qt::LeftButton);
            QVERIFY(completa.count() == 1 || completa.wait(5000));
            QCOMPARE(t->model()->rowCount(), 5);
            QCOMPARE(v.lblViendo()->text(), u"Mostrando todos los arreglos"_s);
            QCOMPARE(QApplication::overrideCursor(), nullptr);

            DobleToque(t, BuscarCelda(t, 1, "10.2"));
            QCOMPARE(pantallas.detalles, QStringList{"10.2"});

            QTest::keyClick(&v, Qt::Key_A); // any key closes the screen
            QVERIFY(!v.isVisible());
        }));

        // Thirty garment tickets read as fast as a reader types: none lost.
        b.conexion.Ejecutar(
            "insert into arreglos (idarreglo, idusuario, idcliente, fechaarreglo) select idarreglo "
            "+ 1000, 1, 1, fechaarreglo from arreglos where idarreglo = 10");
        for (int i = 0; i < 30; ++i)
            b.conexion.Ejecutar(
                u"insert into arreglos_detalles (idarreglo, idproducto, precio, "
                "nombreprenda, referenciaprenda) values (1010, 1, 8, 'Camisa', '1010.%1')"_s.arg(i + 1));
        frmAsignarBArras s;
        s.CargarFormulario([&] {
            PantallaBarrasVista v(s, &s);
            v.show();
            QVERIFY(QTest::qWaitForWindowActive(&v));
            QCOMPARE(QApplication::focusWidget(), v.txtBarras());
            for (int i = 0; i < 30; ++i)
                Escribir(v.txtBarras(), Escaneo(1010, u"1010.%1"_s.arg(i + 1)));
            // A misread is told on the screen itself, with no window to close, and changes no row.
            Escribir(v.txtBarras(), u"$100000101000"_s);
            QCOMPARE(b.dialogos.mensajes, QStringList());
            QCOMPARE(QApplication::activeWindow(), &v);
            QVERIFY(v.lblAviso()->isVisible());
            QVERIFY(v.lblAviso()->sizeHint().width() <= v.lblAviso()->width()); // shown whole
            QCOMPARE(v.gridAsignacion()->model()->rowCount(), 30);
            QVERIFY(v.txtBarras()->text().isEmpty());
            // Touching a list gives the keyboard back to the scan box.
            TocarCelda(v.gridTrabajadores(), BuscarCelda(v.gridTrabajadores(), 1, "Rosa"));
            QCOMPARE(QApplication::focusWidget(), v.txtBarras());
            Escribir(v.txtBarras(), Escaneo(10, "10.1"));
            QVERIFY(v.lblAviso()->text().isEmpty());
            TocarCelda(v.gridAsignacion(), BuscarCelda(v.gridAsignacion(), 0, "1010.3"));
            QCOMPARE(QApplication::focusWidget(), v.txtBarras());
            QCOMPARE(v.gridAsignacion()->model()->index(30, 2).data().toString(), u"Rosa"_s);
            Cerrar(v, Qt::Key_Escape);
        });
    }

    // The splash steps aside while a start-up question is on screen and comes back after it.
    void inicioSeApartaAnteUnaPregunta()
    {
        frmInicio inicio;
        frmInicioVista splash(inicio);
        splash.show();
        frmMensajeSiNo pregunta;
        MensajeVista vista(pregunta, nullptr);
        vista.show();
        QVERIFY(!splash.isVisible());
        vista.hide();
        QVERIFY(splash.isVisible());
    }
};

QTEST_MAIN(PruebaPantallasGui)
#include "test_pantallas_gui.moc"
