// Bringing a shop across: exportar, then importar into a fresh database, gives back every row; the
// old program's awkward exports are taken exactly or refused with their reason.
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "demo/Demo.h"
#include "demo/HistoriaTienda.h"
#include "intercambio/Esquema.h"
#include "intercambio/Exportar.h"
#include "intercambio/Importar.h"
#include "intercambio/OrigenImportacion.h"

#include <QCryptographicHash>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Every table, row by row in key order, each value in one spelling whichever engine holds it.
QStringList Contenido(Conexion &c)
{
    QStringList filas;
    for (const TablaEsquema &t : TablasEsquema()) {
        // The schema as read covers every column the database has.
        if (c.AbrirRecordset(u"select * from "_s + t.nombre).NumCampos() != int(t.columnas.size()))
            filas += u"columnas de más en "_s + t.nombre;
        QStringList columnas;
        for (const ColumnaEsquema &col : t.columnas)
            columnas += col.nombre;
        Recordset rs = c.AbrirRecordset(u"select %1 from %2 order by 1"_s.arg(columnas.join(','), t.nombre));
        for (; !rs.EOF_(); rs.MoveNext()) {
            QString fila = t.nombre + QLatin1Char(':');
            for (int i = 0; i < rs.NumCampos(); ++i) {
                const QVariant v = rs.Campo(i);
                fila += v.isNull() ? u"<nulo>"_s
                        : t.columnas[size_t(i)].tipo == TipoColumna::Importe
                            ? QString::number(NumeroDeValor(v), 'f', 2)
                        : t.columnas[size_t(i)].tipo == TipoColumna::Fecha
                            ? FormatoFecha(v, u"yyyy-MM-dd HH:mm:ss"_s)
                            : v.toString();
                fila += QLatin1Char('|');
            }
            filas += fila;
        }
    }
    return filas;
}

// One shop's export into the folder, imported into another database.
void Pasar(Conexion &de, Conexion &a, const QString &carpeta)
{
    QVERIFY(!Exportar(de, carpeta).empty());
    OpcionesImportar o;
    o.origen = carpeta;
    const ResultadoImportar r = Importar(a, o);
    QVERIFY2(r.ok, qPrintable(r.error + QLatin1Char('\n') + TablaComprobaciones(r.comprobaciones)));
    QVERIFY(r.comprobaciones.size() > 20);
}

QByteArray Latin(const char *utf8)
{
    return QString::fromUtf8(utf8).toLatin1(); // the accents the older tools write, in Windows-1252
}

} // namespace

class PruebaIntercambio : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void idaYVuelta_data()
    {
        QTest::addColumn<int>("arreglos");
        QTest::newRow("tienda de demostración") << 0;
        QTest::newRow("3000 arreglos") << 3000;
    }

    void idaYVuelta()
    {
        QFETCH(int, arreglos);
        BaseDePrueba a;
        if (arreglos == 0) {
            LlenarDemo(a.conexion, QDate(2026, 12, 5));
        } else {
            OpcionesHistoria o;
            o.arreglos = arreglos;
            o.hoy = a.reloj.Ahora().date();
            GenerarHistoria(a.conexion, o);
        }
        const QStringList original = Contenido(a.conexion);
        const QString carpeta = a.dir.filePath(u"exportado"_s);
        BaseDePrueba b;
        Pasar(a.conexion, b.conexion, carpeta);
        QCOMPARE(Contenido(b.conexion), original);
        // A second export into the same folder would overwrite the first.
        QVERIFY_THROWS_EXCEPTION(ErrorIntercambio, Exportar(a.conexion, carpeta));
        // A shop that already has orders is never mixed with another's.
        OpcionesImportar o;
        o.origen = carpeta;
        const ResultadoImportar r = Importar(a.conexion, o);
        QVERIFY(!r.ok);
        QVERIFY(r.error.contains(u"ya tiene arreglos o clientes"_s));
        // New rows go on from the largest number, not over an imported one.
        const qint64 id =
            b.conexion.Insertar(u"insert into clientes (nombre) values ('Nueva')"_s, u"idcliente"_s);
        QCOMPARE(id,
                 b.Valor(u"select max(idcliente) from clientes where nombre <> 'Nueva'"_s).toLongLong() + 1);
        if (BaseDePrueba::MotorPedido() != Motor::PostgreSQL)
            return;

        // The server's shop onto the embedded engine and back onto a new server database.
        Conexion s;
        s.AbrirSQLite(a.dir.filePath(u"copia.db"_s), true);
        CrearBaseDatos(s);
        Pasar(a.conexion, s, a.dir.filePath(u"a-sqlite"_s));
        QCOMPARE(Contenido(s), original);
        BaseDePrueba c;
        Pasar(s, c.conexion, a.dir.filePath(u"desde-sqlite"_s));
        QCOMPARE(Contenido(c.conexion), original);
    }

    // What the old program's tools write: Windows-1252, ";" or "," between fields, two-digit
    // years either side of a century, Null flags, decimal commas, a quote and a ";" in a name, a
    // line whose order is missing, a date nobody can read and an empty table.
    void exportacionAntigua()
    {
        BaseDePrueba b;
        const QString dir = b.dir.filePath(u"antiguo"_s);
        QDir().mkpath(dir);
        Escribir(dir + "/CLIENTES.csv",
                 "IdCliente;Nombre;Direccion;CPostal;Localidad;NIF;Telefono;EsTienda\r\n"
                 "7;" + Latin("\"  Peña; Núñez \"\"la Maña\"\"  \"")
                     + ";;\"\";;;600111222;\r\n"
                       "9;\"Tienda Sur\";;;;;600333444;1\r\n"
                       "12;\"Repetida\";;;;;\" 600111222\";0\r\n");
        Escribir(dir + "/Arreglos.csv", "IdArreglo,IdUsuario,IdCliente,FechaArreglo,FechaPrevistaEntrega,"
                                        "FechaRealEntrega,Entregado,Pagado,"
                                        "EntregadoACliente\n"
                                        "10,1,7,12/31/99 18:30:00,01/03/00 00:00:00,,\"12,50\",,\n"
                                        "11,1,9,12/31/29 10:00:00,01/02/30 00:00:00,01/02/30 12:00:00,0,0,1\n"
                                        "12,1,9,ayer,,,0,0,\n");
        Escribir(dir + "/arreglos_detalles.csv",
                 "idarreglodetalle,idarreglo,idproducto,precio,nombreprenda,referenciaprenda,fechaentrega,"
                 "listoparaentrega,idcosturera,fechaasignaciontrabajador,pagadoatrabajador\n"
                 "100,10,1,\"1.234,56\","
                     + Latin("\"Pantalón\"")
                     + ",\"10.1\",,,2,2000-01-02 09:00:00,\n"
                       "101,11,1,20.5,\"Falda\",\"11.1\",,1,,,True\n"
                       "102,99,1,5,\"Blusa\",\"99.1\",,,,,\n");
        Escribir(dir + "/colores.csv", "idcolor,nombre\r\n");
        Escribir(dir + "/caja.csv",
                 "idmovimiento;importe;concepto;fecha;nombrecierre;cerrado;formapago;idarreglo;idticket\r\n"
                 "1;\"-3,00\";\"Ref. 11\";25/12/2029;\"20291225\";;1;11;0\r\n");

        // Without leave to skip, the first row that cannot be taken stops everything.
        OpcionesImportar o;
        o.origen = dir;
        ResultadoImportar r = Importar(b.conexion, o);
        QVERIFY(!r.ok);
        QCOMPARE(r.error,
                 QString::fromUtf8("Tabla clientes, fila 3: el teléfono 600111222 ya es del cliente 7. "
                                   "No se ha importado nada."));
        QCOMPARE(b.Valor("select count(*) from clientes"), u"0"_s);

        o.omitirErroneas = true;
        o.informe = b.dir.filePath(u"omitidas.csv"_s);
        r = Importar(b.conexion, o);
        QVERIFY2(r.ok, qPrintable(r.error + '\n' + TablaComprobaciones(r.comprobaciones)));
        QCOMPARE(r.omitidas, 3);
        const QString omitidas = QString::fromUtf8(LeerArchivo(o.informe));
        for (const QString &omitida :
             {u"clientes,3,\"el teléfono 600111222 ya es del cliente 7\""_s,
              u"arreglos,3,\"fechaarreglo: «ayer» no es una fecha\""_s,
              u"arreglos_detalles,3,\"es una línea del arreglo 99, que no está en el origen\""_s})
            QVERIFY2(omitidas.contains(omitida), qPrintable(omitidas));
        QVERIFY(r.avisos.join('\n').contains(u"no tiene la tabla productos"_s));

        // Null stays Null; a quoted empty text stays an empty text.
        QCOMPARE(Filas(b, u"select nombre, coalesce(estienda, -1), coalesce(direccion, 'nulo'), "
                          "coalesce(cpostal, 'nulo') from clientes order by idcliente"_s),
                 QStringList({u"Peña; Núñez \"la Maña\"|-1|nulo|"_s, u"Tienda Sur|1|nulo|nulo"_s}));
        QCOMPARE(
            Filas(b, u"select fechaarreglo, fechaprevistaentrega, entregado, coalesce(entregadoacliente, "
                     "-1) from arreglos order by idarreglo"_s),
            QStringList({"31/12/1999 18:30:00|03/01/2000|12.5|-1", "31/12/2029 10:00:00|02/01/2030|0|1"}));
        QCOMPARE(Filas(b, u"select precio, nombreprenda, pagadoatrabajador from arreglos_detalles order by "
                          "idarreglodetalle"_s),
                 QStringList({u"1234.56|Pantalón|"_s, u"20.5|Falda|1"_s}));
        QCOMPARE(Filas(b, u"select fecha, importe from caja"_s), QStringList{u"25/12/2029|-3"_s});
        // The tables the export lacks keep what a new database brings.
        QCOMPARE(Filas(b, u"select (select count(*) from colores), (select count(*) from formaspago)"_s),
                 QStringList{u"0|3"_s});
        // The partner shop owes its delivered order, less what it paid.
        for (const Comprobacion &c : r.comprobaciones)
            if (c.que == QLatin1String("Deuda de las tiendas"))
                QCOMPARE(c.base, u"23.50"_s);
    }

    // No Access file can be made here (the mdbtools commands only read), so stand-ins for
    // mdb-tables and mdb-export first on PATH print what the real ones print with the options
    // the import gives them; they fail on any other options.
    void archivoAccess()
    {
        BaseDePrueba b;
        const QString bin = b.dir.filePath(u"bin"_s);
        QDir().mkpath(bin);
        Escribir(bin + "/mdb-tables",
                 "#!/bin/sh\n[ \"$1\" = -1 ] || exit 3\nprintf 'Clientes\\nArreglos\\nMSysExtra\\n'\n");
        Escribir(bin + "/mdb-export",
                 "#!/bin/sh\n"
                 "[ \"$*\" = \"-d , -R \n -q \\\" -X \\\" -D %Y-%m-%d %H:%M:%S -T %Y-%m-%d %H:%M:%S -b strip "
                 "${15} ${16}\" ] "
                 "|| { echo 'opciones inesperadas' >&2; exit 3; }\n"
                 "[ \"$LC_ALL\" = C ] || exit 4\n"
                 "case \"${16}\" in\n"
                 "Clientes) printf 'IdCliente,Nombre,Direccion,CPostal,Localidad,NIF,Telefono,EsTienda\\n"
                 "1,\"Lucía\",\"C/ Luna, 3\",,,,\"600\",0\\n' ;;\n"
                 "Arreglos) printf "
                 "'IdArreglo,IdUsuario,IdCliente,FechaArreglo,FechaPrevistaEntrega,FechaRealEntrega,"
                 "Entregado,Pagado,EntregadoACliente\\n5,1,1,2026-11-30 10:15:00,2026-12-04 "
                 "00:00:00,,7.5000,0,0\\n' ;;\n"
                 "*) exit 5 ;;\nesac\n");
        for (const char *f : {"/mdb-tables", "/mdb-export"})
            QFile::setPermissions(bin + f,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString mdb = b.dir.filePath(u"TIENDA.MDB"_s);
        Escribir(mdb, "Standard Jet DB");
        const QByteArray ruta = qgetenv("PATH");
        qputenv("PATH", bin.toUtf8() + ':' + ruta);
        OpcionesImportar o;
        o.origen = mdb;
        const ResultadoImportar r = Importar(b.conexion, o);
        qputenv("PATH", ruta);
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(r.avisos.join('\n').contains(u"La tabla MSysExtra del origen no es de este programa"_s));
        QCOMPARE(Filas(b, u"select nombre, direccion, fechaarreglo, entregado from clientes, arreglos"_s),
                 QStringList{u"Lucía|C/ Luna, 3|30/11/2026 10:15:00|7.5"_s});
        QCOMPARE(LeerArchivo(mdb), QByteArray("Standard Jet DB"));
    }

    // A printed listing as a Spanish spreadsheet opens it.
    void listadoParaHojaDeCalculo()
    {
        if (BaseDePrueba::MotorPedido() == Motor::PostgreSQL)
            QSKIP("sin base de datos");
        ListadoImpreso l;
        l.anchos = {1, 1500, 1200, 1000, 1400};
        l.alineaciones = {Alineacion::Izquierda, Alineacion::Izquierda, Alineacion::Izquierda,
                          Alineacion::Derecha, Alineacion::Izquierda};
        l.paginas.push_back({QString(),
                             {{"id", "Cliente", "Ref.", "Importe", "Fecha"},
                              {"1", "Peña; \"Sur\"", "12.10", "1,234.50", "2026-12-05 00:00:00"}}});
        l.paginas.push_back({QString(),
                             {{"id", "Cliente", "Ref.", "Importe", "Fecha"},
                              {"2", "Ana", "13.1", "-3.00", "5/12/26"},
                              {"", "", "", "", ""}}});
        QTemporaryDir dir;
        const QString ruta = dir.filePath(u"listado.csv"_s);
        QCOMPARE(ExportarListadoCsv(l, ruta), QString());
        QCOMPARE(LeerArchivo(ruta), QByteArray("\xEF\xBB\xBF"
                                               "Cliente;Ref.;Importe;Fecha\r\n"
                                               "\"Peña; \"\"Sur\"\"\";12.10;1234,50;05/12/2026\r\n"
                                               "Ana;13.1;-3,00;05/12/2026\r\n"));
        QVERIFY(!ExportarListadoCsv(l, dir.filePath(u"no/existe/listado.csv"_s)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(PruebaIntercambio)
#include "test_bd_intercambio.moc"
