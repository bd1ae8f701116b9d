#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "ui/PantallasQt.h"
#include "ui/frmPrincipalVista.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

class PruebaVentaGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pedidoATactil()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
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
        auto *total = v.findChild<QLabel *>(QStringLiteral("txtTotal"));
        QVERIFY(familias && productos && tpv && total);
        QVERIFY(familias->isVisible());
        QVERIFY(!productos->isVisible());

        TocarCelda(familias, BuscarCelda(familias, 1, QString::fromUtf8("Pantalón")));
        QVERIFY(productos->isVisible());
        QVERIFY(!familias->isVisible());
        TocarCelda(productos, BuscarCelda(productos, 1, QStringLiteral("Bajo")));
        TocarCelda(productos, BuscarCelda(productos, 1, QStringLiteral("Meter cintura")));
        QCOMPARE(TextosVista(tpv, frmPrincipal::ColNombre), (QStringList{QString::fromUtf8("-- Pantalón --"),
                                                                     QStringLiteral("Bajo"),
                                                                     QStringLiteral("Meter cintura")}));
        QCOMPARE(total->text(), QStringLiteral("20.00"));

        TocarCelda(tpv, tpv->model()->index(1, frmPrincipal::ColBorrar));
        QCOMPARE(TextosVista(tpv, frmPrincipal::ColNombre),
                 (QStringList{QString::fromUtf8("-- Pantalón --"), QStringLiteral("Meter cintura")}));
        QCOMPARE(TextosVista(tpv, frmPrincipal::ColImporte),
                 (QStringList{QStringLiteral("--"), QStringLiteral("12.00")}));
        QCOMPARE(total->text(), QStringLiteral("12.00"));
        QCOMPARE(v.findChild<QLabel *>(QStringLiteral("txtPendiente"))->text(), QStringLiteral("12.00"));

        // The back-office doors are open; every button is a finger high.
        for (const char *texto : {"Entrega de arreglos", "Opciones"}) {
            QPushButton *boton = nullptr;
            for (QPushButton *b : v.findChildren<QPushButton *>())
                if (b->text() == QString::fromUtf8(texto))
                    boton = b;
            QVERIFY2(boton && boton->isEnabled(), texto);
        }
        for (QPushButton *boton : v.findChildren<QPushButton *>())
            if (boton->isVisible())
                QVERIFY2(boton->height() >= 64, qPrintable(boton->objectName()));

        // Escape asks before leaving; "Cancelar" keeps the screen.
        b.dialogos.siNo = {7};
        QTest::keyClick(&v, Qt::Key_Escape);
        QCOMPARE(b.dialogos.preguntas, QStringList{QString::fromUtf8("¿Cerrar la aplicación?")});
        QVERIFY(v.isVisible());
    }
};

QTEST_MAIN(PruebaVentaGui)
#include "test_venta_gui.moc"
