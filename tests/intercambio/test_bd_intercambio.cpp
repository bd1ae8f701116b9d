// Bringing a shop across: exportar, then importar into a fresh database, gives back every row; the
// old program's awkward exports are taken exactly or refused with their reason.
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "demo/Demo.h"
#include "demo/HistoriaTienda.h"
#include "intercambio/Esquema.h"
#include "intercambio/Exportar.h"
#include "intercambio/Importar.h"
#include "intercambio/OrigenImportacion.h"
#include "intercambio/frmImportar.h"

#include <QCryptographicHash>
#include <QRegularExpression>
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
        // Columns the program added to the shop's schema hold nothing of the source: a later one
        // leaves the pinned content as it was.
        QStringList columnas;
        std::vector<TipoColumna> tipos;
        for (const ColumnaEsquema &col : t.columnas)
            if (std::none_of(
                    std::begin(ColumnasAnadidas), std::end(ColumnasAnadidas), [&](const ColumnaAnadida &a) {
                        return t.nombre == QLatin1String(a.tabla) && col.nombre == QLatin1String(a.columna);
                    })) {
                columnas += col.nombre;
                tipos.push_back(col.tipo);
            }
        Recordset rs = c.AbrirRecordset(u"select %1 from %2 order by 1"_s.arg(columnas.join(','), t.nombre));
        for (; !rs.EOF_(); rs.MoveNext()) {
            QString fila = t.nombre + QLatin1Char(':');
            for (int i = 0; i < rs.NumCampos(); ++i) {
                const QVariant v = rs.Campo(i);
                fila += v.isNull()                                 ? u"<nulo>"_s
                        : tipos[size_t(i)] == TipoColumna::Importe ? QString::number(NumeroDeValor(v), 'f', 2)
                        : tipos[size_t(i)] == TipoColumna::Fecha   ? FormatoFecha(v, u"yyyy-MM-dd HH:mm:ss"_s)
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
                 "7;" + Latin("\"  Peña; Núñez \"\"la Maña\"\"  \";\"C/ Señorío, 3\r\n\r\n2º\tizqda.\"")
                     + ";\"\";;;600111222;\r\n"
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
        Escribir(dir + "/usuarios.csv", "idusuario,nombre\n1,Ana\n");
        Escribir(dir + "/formaspago.csv", "idformapago,nombre\n1,Efectivo\n");
        Escribir(dir + "/costureras.csv", "idcosturera,nombre,desactivado\n2,Rosa,0\n");
        Escribir(dir + "/parametros.csv",
                 "nombretienda,nombre,nif,direccion,telefono,cp,localidad,pie1,pie2,pie3,"
                 "pie4,pie5,pie6,pie7,puertocom,parametrospuerto,anchuracarro\n"
                 "Sur,,,,,,,,,,,,,,,,40\n");
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
        QVERIFY(r.omitidasPorTabla.contains(u"clientes: 1 de las 3 filas del origen"_s));
        const QString omitidas = QString::fromUtf8(LeerArchivo(o.informe));
        for (const QString &omitida :
             {u"clientes,3,\"el teléfono 600111222 ya es del cliente 7\""_s,
              u"arreglos,3,\"fechaarreglo: «ayer» no es una fecha\""_s,
              u"arreglos_detalles,3,\"es una línea del arreglo 99, que no está en el origen\""_s})
            QVERIFY2(omitidas.contains(omitida), qPrintable(omitidas));
        QVERIFY(r.avisos.join('\n').contains(u"no tiene la tabla productos"_s));

        // Null stays Null; a quoted empty text stays an empty text; line breaks and tabs keep the
        // words of an address apart.
        QCOMPARE(Filas(b, u"select nombre, coalesce(estienda, -1), coalesce(direccion, 'nulo'), "
                          "coalesce(cpostal, 'nulo') from clientes order by idcliente"_s),
                 QStringList({u"Peña; Núñez \"la Maña\"|-1|C/ Señorío, 3 2º izqda.|"_s,
                              u"Tienda Sur|1|nulo|nulo"_s}));
        QCOMPARE(
            Filas(b, u"select fechaarreglo, fechaprevistaentrega, entregado, coalesce(entregadoacliente, "
                     "-1) from arreglos order by idarreglo"_s),
            QStringList({"31/12/1999 18:30:00|03/01/2000|12.5|-1", "31/12/2029 10:00:00|02/01/2030|0|1"}));
        QCOMPARE(Filas(b, u"select precio, nombreprenda, pagadoatrabajador from arreglos_detalles order by "
                          "idarreglodetalle"_s),
                 QStringList({u"1234.56|Pantalón|"_s, u"20.5|Falda|1"_s}));
        QCOMPARE(Filas(b, u"select fecha, importe from caja"_s), QStringList{u"25/12/2029|-3"_s});
        // The tables the export lacks keep what a new database brings.
        QCOMPARE(Filas(b, u"select (select count(*) from productos), (select count(*) from formaspago)"_s),
                 QStringList{u"0|1"_s});
        // The partner shop owes its delivered order, less what it paid; a table's rows left out
        // are told against the source's count.
        for (const Comprobacion &c : r.comprobaciones) {
            if (c.que == QLatin1String("Deuda de las tiendas"))
                QCOMPARE(c.base, u"23.50"_s);
            if (c.que == QLatin1String("Filas de clientes"))
                QCOMPARE(c.origen + c.base + c.nota, u"32omitidas: 1"_s);
        }
    }

    // The old program's own Access file of a 400-order shop, read by the real mdbtools. A copy cut
    // short, a folder without a table or a column, or with none of the shop's tables, is refused
    // whole and leaves the new database as it was; a table of the database's own is never touched.
    void archivoAccess()
    {
        BaseDePrueba b;
        const QByteArray archivo = LeerArchivo(QStringLiteral(HILVAN_DATOS "/tienda-antigua.mdb"));
        QVERIFY(archivo.size() > 400000);
        const auto antes = b.Contenido();
        const QString mdb = b.dir.filePath(u"TIENDA.MDB"_s);
        OpcionesImportar o;
        o.origen = mdb;
        for (const double parte : {0.3, 0.5, 0.99}) {
            Escribir(mdb, archivo.left(qsizetype(archivo.size() * parte) / 4096 * 4096));
            const ResultadoImportar r = Importar(b.conexion, o);
            QVERIFY2(
                !r.ok
                    && r.error.contains(u"del archivo TIENDA.MDB no se puede leer entera: el archivo está "
                                        "dañado o incompleto"_s),
                qPrintable(r.error));
            QCOMPARE(b.Contenido(), antes);
        }
        Escribir(mdb, archivo);
        ResultadoImportar r = Importar(b.conexion, o);
        QVERIFY2(r.ok, qPrintable(r.error + '\n' + TablaComprobaciones(r.comprobaciones)));
        QCOMPARE(LeerArchivo(mdb), archivo);
        QCOMPARE(b.Columna(u"select version from esquema"_s),
                 QStringList{QString::number(VersionEsquemaPrograma())});
        QStringList filas;
        for (const char *t : {"arreglos", "arreglos_detalles", "clientes", "productos", "familias",
                              "costureras", "usuarios", "formaspago", "colores", "caja", "parametros"})
            filas += b.Valor(u"select count(*) from "_s + QLatin1String(t));
        QCOMPARE(filas.join(','), u"400,1087,60,400,40,30,5,3,23,510,1"_s);
        // Every value of every table, whichever engine holds them, as this file gave them once.
        const QStringList contenido = Contenido(b.conexion);
        QCOMPARE(QCryptographicHash::hash(contenido.join('\n').toUtf8(), QCryptographicHash::Sha1).toHex(),
                 QByteArray("0c4f0e33678581686ae9e84caef477e7eb431757"));
        QCOMPARE(Filas(b,
                       u"select nombre, direccion, coalesce(estienda, -1) from clientes where idcliente in "
                       "(40, 47) order by idcliente"_s),
                 QStringList({u"Beatriz Peña Díaz|C/ Toledo, 116|-1"_s,
                              u"Francisco O'Brien Muñoz|Av. de América, 62|0"_s}));

        const QString carpeta = b.dir.filePath(u"csv"_s);
        QVERIFY(!Exportar(b.conexion, carpeta).empty());
        BaseDePrueba c;
        const auto vacia = c.Contenido();
        o.origen = carpeta;
        auto rechaza = [&](const QString &error) {
            const ResultadoImportar r = Importar(c.conexion, o);
            QCOMPARE(r.error, error);
            QCOMPARE(c.Contenido(), vacia);
        };
        const QString detalles = carpeta + u"/arreglos_detalles.csv"_s;
        const QByteArray lineas = LeerArchivo(detalles);
        QString sinPrecio = QString::fromUtf8(lineas);
        sinPrecio.replace(
            QRegularExpression(u"^([^,\n]*,[^,\n]*,[^,\n]*),[^,\n]*"_s, QRegularExpression::MultilineOption),
            u"\\1"_s);
        Escribir(detalles, sinPrecio.toUtf8());
        rechaza(
            u"La tabla arreglos_detalles del origen no tiene la columna precio: sin ella se perderían sus "
            "datos. No se ha importado nada."_s);
        Escribir(detalles, lineas);
        QVERIFY(QFile::remove(carpeta + u"/caja.csv"_s));
        rechaza(u"Al origen le falta la tabla caja, que la tienda necesita. No se ha importado nada."_s);
        o.origen = b.dir.filePath(u"otra"_s);
        QDir().mkpath(o.origen);
        Escribir(o.origen + u"/pedidos.csv"_s, "id,total\n1,2\n");
        rechaza(
            u"otra no tiene ninguna tabla de la tienda (arreglos, clientes, caja...): no son los datos del "
            "programa anterior. No se ha importado nada."_s);
    }

    // The import screen works on a thread of its own: Cancel leaves the database as it was, and the
    // bar moves until the checks are shown and the shop's parameters are the old program's.
    void pantallaImportar()
    {
        BaseDePrueba b;
        const auto antes = b.Contenido();
        frmImportar f;
        f.CargarFormulario({});
        f.ElegirOrigen(QStringLiteral(HILVAN_DATOS "/tienda-antigua.mdb"));
        QVector<int> barra;
        const auto esperar = [&] {
            while (!f.cmdSalirEnabled) {
                QTest::qWait(20);
                f.tmrProgreso_Timer();
                if (barra.isEmpty() || barra.back() != f.barProgreso)
                    barra += f.barProgreso;
            }
        };
        f.cmdImportar_Click();
        QVERIFY(f.Importando() && !f.cmdSalirEnabled);
        f.cmdCancelar_Click();
        esperar();
        QCOMPARE(f.lblResultado, u"Importación cancelada: la base de datos queda como estaba."_s);
        QCOMPARE(b.Contenido(), antes);
        QVERIFY(!f.Importado && f.cmdImportarEnabled);

        barra.clear();
        f.cmdImportar_Click();
        esperar();
        QVERIFY2(f.Importado, qPrintable(f.lblResultado));
        QVERIFY(barra.size() >= 2 && barra.back() == 1000); // how often it moves depends on the machine
        QVERIFY(f.lblResultado.startsWith(
            u"Datos importados: 400 arreglos y 60 clientes. Los tiques de prenda"_s));
        QVERIFY(f.gridComprobaciones.Rows() > 20 && !f.cmdImportarEnabled);
        QCOMPARE(G().nombretienda, u"ARREGLOS LA AGUJA"_s);
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
