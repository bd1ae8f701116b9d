#include "BaseDePrueba.h"

#include "core/BaseDatos.h"
#include "core/Formato.h"
#include "core/Programa.h"

#include <QFile>
#include <QUuid>
#include <QtTest>

using namespace Qt::StringLiterals;

Motor BaseDePrueba::MotorPedido()
{
    return qEnvironmentVariable("HILVAN_MOTOR").toLower() == QLatin1String("postgresql") ? Motor::PostgreSQL
                                                                                         : Motor::SQLite;
}

DatosServidor BaseDePrueba::ServidorDePrueba(const QString &basedatos)
{
    DatosServidor d;
    d.host = qEnvironmentVariable("HILVAN_PG_HOST", u"127.0.0.1"_s);
    d.puerto = qEnvironmentVariableIntValue("HILVAN_PG_PORT");
    if (d.puerto == 0)
        d.puerto = 55432;
    d.usuario = qEnvironmentVariable("HILVAN_PG_USER", u"postgres"_s);
    d.basedatos = basedatos;
    return d;
}

BaseDePrueba::BaseDePrueba(bool conSemilla)
{
    // Values a previous test may have left behind.
    G() = ValoresPrograma();
    if (MotorPedido() == Motor::PostgreSQL) {
        nombreBaseServidor = u"prueba_"_s + QUuid::createUuid().toString(QUuid::Id128).left(16);
        {
            Conexion admin;
            admin.AbrirPostgreSQL(ServidorDePrueba(u"postgres"_s));
            admin.Ejecutar(u"create database "_s + nombreBaseServidor);
        }
        conexion.AbrirPostgreSQL(ServidorDePrueba(nombreBaseServidor));
    } else {
        conexion.AbrirSQLite(dir.filePath(u"prueba.db"_s), true);
        G().RutaBaseDatos = dir.filePath(u"prueba.db"_s);
    }
    if (conSemilla)
        CrearBaseDatos(conexion);
    G().conexion = &conexion;
    G().EsSqlServer = conexion.EsSqlServer();
    G().reloj = &reloj;
    G().dialogos = &dialogos;
    G().AnchuraTicket = 40;
}

BaseDePrueba::~BaseDePrueba()
{
    G() = ValoresPrograma();
    conexion.Cerrar();
    if (!nombreBaseServidor.isEmpty()) {
        try {
            Conexion admin;
            admin.AbrirPostgreSQL(ServidorDePrueba(u"postgres"_s));
            admin.Ejecutar(u"drop database if exists "_s + nombreBaseServidor);
        } catch (...) {
        }
    }
}

QStringList BaseDePrueba::Columna(const QString &sql)
{
    return Filas(conexion, sql);
}

QString BaseDePrueba::Valor(const QString &sql)
{
    return Columna(sql).value(0);
}

void BaseDePrueba::Insertar(const char *tabla, const char *columnas,
                            std::initializer_list<const char *> filas)
{
    for (const char *valores : filas)
        conexion.Ejecutar(u"insert into %1 (%2) values (%3)"_s.arg(
            QString::fromUtf8(tabla), QString::fromUtf8(columnas), QString::fromUtf8(valores)));
}

QMap<QString, QStringList> BaseDePrueba::Contenido()
{
    QMap<QString, QStringList> r;
    for (const QString &tabla :
         Columna(conexion.motor() == Motor::PostgreSQL
                     ? u"select tablename from pg_tables where schemaname = 'public'"_s
                     : u"select name from sqlite_master where type = 'table' and name not like "
                       "'sqlite_%'"_s)) {
        QStringList filas = Filas(conexion, u"select * from "_s + tabla, u"<nulo>"_s);
        filas.sort();
        r.insert(tabla, filas);
    }
    return r;
}

QStringList BaseDePrueba::LineasConfiguracion(const QString &puesto) const
{
    QStringList l{u"\"prueba.db\""_s, QString(), QString(), QString(), QString()};
    if (!nombreBaseServidor.isEmpty()) {
        const DatosServidor d = ServidorDePrueba(nombreBaseServidor);
        l = QStringList{QString(), d.host + u':' + QString::number(d.puerto), d.basedatos, d.usuario,
                        QString()};
    }
    return puesto.isEmpty() ? l : l << puesto;
}

QByteArray LeerArchivo(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QStringList Filas(Conexion &c, const QString &sql, const QString &nulo)
{
    QStringList r;
    for (Recordset rs = c.AbrirRecordset(sql); !rs.EOF_(); rs.MoveNext()) {
        QStringList celdas;
        for (int i = 0; i < rs.NumCampos(); ++i)
            celdas.append(rs.Campo(i).isNull() ? nulo : TextoDeValor(rs.Campo(i)));
        r.append(celdas.join(QLatin1Char('|')));
    }
    return r;
}
