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
