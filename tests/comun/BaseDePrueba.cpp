#include "BaseDePrueba.h"

#include "core/BaseDatos.h"
#include "core/Formato.h"
#include "core/Programa.h"

#include <QUuid>

Motor BaseDePrueba::MotorPedido()
{
    return qEnvironmentVariable("HILVAN_MOTOR").toLower() == QLatin1String("postgresql") ? Motor::PostgreSQL
                                                                                         : Motor::SQLite;
}

DatosServidor BaseDePrueba::ServidorDePrueba(const QString &basedatos)
{
    DatosServidor d;
    d.host = qEnvironmentVariable("HILVAN_PG_HOST", QStringLiteral("127.0.0.1"));
    d.puerto = qEnvironmentVariableIntValue("HILVAN_PG_PORT");
    if (d.puerto == 0)
        d.puerto = 55432;
    d.usuario = qEnvironmentVariable("HILVAN_PG_USER", QStringLiteral("postgres"));
    d.basedatos = basedatos;
    return d;
}

BaseDePrueba::BaseDePrueba(bool conSemilla)
{
    // Values a previous test may have left behind.
    G() = ValoresPrograma();
    if (MotorPedido() == Motor::PostgreSQL) {
        nombreBaseServidor = QStringLiteral("prueba_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
        {
            Conexion admin;
            admin.AbrirPostgreSQL(ServidorDePrueba(QStringLiteral("postgres")));
            admin.Ejecutar(QStringLiteral("create database ") + nombreBaseServidor);
        }
        conexion.AbrirPostgreSQL(ServidorDePrueba(nombreBaseServidor));
    } else {
        conexion.AbrirSQLite(dir.filePath(QStringLiteral("prueba.db")), true);
        G().RutaBaseDatos = dir.filePath(QStringLiteral("prueba.db"));
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
            admin.AbrirPostgreSQL(ServidorDePrueba(QStringLiteral("postgres")));
            admin.Ejecutar(QStringLiteral("drop database if exists ") + nombreBaseServidor);
        } catch (...) {
        }
    }
}

QStringList BaseDePrueba::Columna(const QString &sql)
{
    QStringList r;
    Recordset rs = conexion.AbrirRecordset(sql);
    while (!rs.EOF_()) {
        r.append(NuloABlanco(rs.Campo(0)));
        rs.MoveNext();
    }
    return r;
}

QString BaseDePrueba::Valor(const QString &sql)
{
    return Columna(sql).value(0);
}

void BaseDePrueba::Insertar(const char *tabla, const char *columnas,
                            std::initializer_list<const char *> filas)
{
    for (const char *valores : filas)
        conexion.Ejecutar(
            QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(QString::fromUtf8(tabla), QString::fromUtf8(columnas), QString::fromUtf8(valores)));
}

QMap<QString, QStringList> BaseDePrueba::Contenido()
{
    QMap<QString, QStringList> r;
    for (const QString &tabla :
         Columna(conexion.motor() == Motor::PostgreSQL
                     ? QStringLiteral("select tablename from pg_tables where schemaname = 'public'")
                     : QStringLiteral("select name from sqlite_master where type = 'table' and name not like "
                                      "'sqlite_%'"))) {
        QStringList filas;
        for (Recordset rs = conexion.AbrirRecordset(QStringLiteral("select * from ") + tabla); !rs.EOF_();
             rs.MoveNext()) {
            QStringList celdas;
            for (int i = 0; i < rs.NumCampos(); ++i)
                celdas.append(rs.Campo(i).isNull() ? QStringLiteral("<nulo>") : TextoDeValor(rs.Campo(i)));
            filas.append(celdas.join(QLatin1Char('|')));
        }
        filas.sort();
        r.insert(tabla, filas);
    }
    return r;
}

QStringList BaseDePrueba::LineasConfiguracion() const
{
    if (nombreBaseServidor.isEmpty())
        return {QStringLiteral("\"prueba.db\"")};
    const DatosServidor d = ServidorDePrueba(nombreBaseServidor);
    return {QString(), d.host + QLatin1Char(':') + QString::number(d.puerto), d.basedatos, d.usuario,
            QString()};
}

QStringList Filas(BaseDePrueba &b, const QString &sql)
{
    QStringList r;
    for (Recordset rs = b.conexion.AbrirRecordset(sql); !rs.EOF_(); rs.MoveNext()) {
        QStringList celdas;
        for (int i = 0; i < rs.NumCampos(); ++i)
            celdas.append(TextoDeValor(rs.Campo(i)));
        r.append(celdas.join(QLatin1Char('|')));
    }
    return r;
}
