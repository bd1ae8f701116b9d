#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "printing/CanalTickets.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketsArreglo.h"
#include "ui/PantallasQt.h"
#include "ui/frmPrincipalVista.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {


QPushButton *Boton(QWidget &v, const char *nombre)
{
    return v.findChild<QPushButton *>(QString::fromLatin1(nombre));
}

} // namespace

class PruebaAcabarGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pedidoHastaElTicket()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        for (const char *tabla : {"caja", "arreglos_detalles", "arreglos"})
            b.conexion.Ejecutar(QStringLiteral("delete from ") + QString::fromLatin1(tabla));
        G().NombreCierre = QStringLiteral("20261205");
        SalidaMemoria impresora;
        G().salidaTickets = &impresora;
        PantallasQt pantallas;
        G().pantallas = &pantallas;
        frmPrincipal p;
        p.ReiniciarVenta();
        frmPrincipalVista v(p);
        v.show();
        QApplication::processEvents();

        auto *familias = v.findChild<QTableView *>(QStringLiteral("gridFamilias"));
        auto *productos = v.findChild<QTableView *>(QStringLiteral("gridProductos"));
        auto *tpv = v.findChild<QTableView *>(QStringLiteral("gridTPV"));
        QPushButton *acabar = Boton(v, "cmdAcabarEncargo");
        QVERIFY(familias && productos && tpv && acabar);
        QVERIFY(acabar->isEnabled());
        QVERIFY(acabar->height() >= 64);

        // An empty order is refused with its message.
        QTest::mouseClick(acabar, Qt::LeftButton);
        QCOMPARE(b.dialogos.mensajes,
                 QStringList{QStringLiteral("Seleccione algun arreglo para alguna prenda")});

        // Trousers (Bajo, Meter cintura) and a skirt (Bajo), each with its date.
        auto prenda = [&](const QString &familia, const QStringList &lineas, const QString &fecha) {
            TocarCelda(familias, BuscarCelda(familias, 1, familia));
            const int separador = tpv->model()->rowCount() - 1;
            for (const QString &l : lineas)
                TocarCelda(productos, BuscarCelda(productos, 1, l));
            b.dialogos.calendario.push_back(fecha);
            TocarCelda(tpv, tpv->model()->index(separador, frmPrincipal::ColFecha));
            QTest::mouseClick(Boton(v, "cmdVerFamilias"), Qt::LeftButton);
        };
        prenda(QString::fromUtf8("Pantalón"), {QStringLiteral("Bajo"), QStringLiteral("Meter cintura")},
               QStringLiteral("10/12/2026"));
        prenda(QStringLiteral("Falda"), {QStringLiteral("Bajo")}, QStringLiteral("12/12/2026"));
        b.dialogos.pad.push_back(QStringLiteral("600111222"));
        QTest::mouseClick(Boton(v, "cmdTelefono"), Qt::LeftButton);
        QCOMPARE(v.findChild<QLabel *>(QStringLiteral("txtNombreCliente"))->text(),
                 QString::fromUtf8("María Muñoz García"));
        b.dialogos.pad.push_back(QStringLiteral("30"));
        QTest::mouseClick(Boton(v, "cmdPendiente"), Qt::LeftButton);
        QCOMPARE(v.findChild<QLabel *>(QStringLiteral("txtCambio"))->text(), QStringLiteral("1.00"));
        QCOMPARE(v.findChild<QLabel *>(QStringLiteral("txtFechaEntrega"))->text(),
                 QStringLiteral("12/12/26"));

        b.dialogos.mensajes.clear();
        b.dialogos.usuarios = {2};
        b.dialogos.siNo = {6, 6};
        QTest::mouseClick(acabar, Qt::LeftButton);
        QCOMPARE(b.dialogos.mensajes, QStringList());
        QCOMPARE(b.dialogos.preguntas,
                 (QStringList{QString::fromUtf8(
                                  "¿Imprimir ticket con descripción del arreglo de cada prenda?\r\nRef.: 1"),
                              QString::fromUtf8("¿Imprimir ticket del arreglo?\r\nRef.: 1")}));

        QCOMPARE(b.Columna(QStringLiteral(
                     "select referenciaprenda from arreglos_detalles order by idarreglodetalle")),
                 (QStringList{QStringLiteral("1.1"), QStringLiteral("1.1"), QStringLiteral("1.2")}));
        QCOMPARE(b.Valor(QStringLiteral("select idcliente from arreglos where idarreglo = 1")),
                 QStringLiteral("1"));
        QCOMPARE(b.Valor(QStringLiteral("select idusuario from arreglos where idarreglo = 1")),
                 QStringLiteral("2"));
        QCOMPARE(Val(b.Valor(QStringLiteral("select importe from caja where idarreglo = 1"))), 29.0);

        // What the printer got: both garment tickets, the drawer, the customer's ticket.
        QCOMPARE(impresora.Tickets().size(), 3);
        SalidaMemoria esperado;
        G().salidaTickets = &esperado;
        ImprimirTicketPrenda(QStringLiteral("1.1"));
        ImprimirTicketPrenda(QStringLiteral("1.2"));
        AbrirCajon();
        ImprimirArreglo(1);
        QCOMPARE(impresora.Bytes(), esperado.Bytes());
        QVERIFY(impresora.Bytes().contains("Cliente: Maria Mu\xa5oz Garcia"));

        // The screen is ready for the next customer.
        QCOMPARE(tpv->model()->rowCount(), 0);
        QCOMPARE(v.findChild<QLabel *>(QStringLiteral("txtTotal"))->text(), QStringLiteral("0.00"));
        QCOMPARE(v.findChild<QLabel *>(QStringLiteral("txtNombreCliente"))->text(), QString());
        QVERIFY(familias->isVisible());
    }
};

QTEST_MAIN(PruebaAcabarGui)
#include "test_acabar_gui.moc"
