#include "BaseDatos.h"

// Every change of the shop's schema, in order. A step is written once and never changed: shops
// upgrade through it years later. The first five bring a database from before versions were
// recorded up to date, so they look before they add (such a database may have some of it).
// A new change is a new row at the end, with the next number; the schema scripts stay as they are.

namespace {

// Columns and the table made before versions were recorded (BaseDatos.h lists them for the
// restore, which accepts a copy without them).
void PuestoEnCaja(Conexion &c, bool servidor)
{
    AnadirColumna(c, ColumnasAnadidas[0], servidor);
}

void Operaciones(Conexion &c, bool servidor)
{
    if (!c.db().tables().contains(QString::fromLatin1(TablasAnadidas[0].tabla)))
        c.Ejecutar(QString::fromLatin1(servidor ? TablasAnadidas[0].servidor : TablasAnadidas[0].sqlite));
}

void PinEnParametros(Conexion &c, bool servidor)
{
    AnadirColumna(c, ColumnasAnadidas[1], servidor);
}

void IndicesDeListas(Conexion &c, bool)
{
    // A few seconds on decades of history, once.
    c.Ejecutar(QStringLiteral("create index if not exists ix_detalles_listos on arreglos_detalles "
                              "(idcosturera, idarreglo) where listoparaentrega = 1"));
    c.Ejecutar(QStringLiteral("create index if not exists ix_caja_abierta on caja (nombrecierre) where "
                              "cerrado = 0 or cerrado is null"));
}

void UnTelefonoPorCliente(Conexion &c, bool)
{
    CrearIndiceTelefonos(c);
}

// Found by name: other steps' columns may come before them in the list.
void AnadirColumnas(Conexion &c, bool servidor, std::initializer_list<const char *> nombres)
{
    for (const char *nombre : nombres)
        for (const ColumnaAnadida &columna : ColumnasAnadidas)
            if (qstrcmp(columna.columna, nombre) == 0)
                AnadirColumna(c, columna, servidor);
}

// The second folder of the daily copies (a USB disk, a network share) and one row per day's
// automatic copy: the counter that adds the day's row makes it, the others see it made.
void CopiasAutomaticas(Conexion &c, bool servidor)
{
    AnadirColumnas(c, servidor, {"carpetacopias2"});
    if (!c.db().tables().contains(QStringLiteral("copiasautomaticas")))
        c.Ejecutar(QStringLiteral("create table copiasautomaticas (dia varchar(10) not null primary key, "
                                  "comprobada varchar(19), archivo varchar(255), aviso varchar(255))"));
}

void IntentosDelPin(Conexion &c, bool servidor)
{
    AnadirColumnas(c, servidor, {"pinrecuperacion", "pinfallos", "pinbloqueo"});
}

void AvisosDeRecogida(Conexion &c, bool servidor)
{
    AnadirColumnas(c, servidor, {"fechalisto", "fechallamada", "llamadopor", "diasaviso"});
}

} // namespace

const std::vector<PasoEsquema> &PasosEsquema()
{
    static const std::vector<PasoEsquema> pasos = {
        {1, "el mostrador de cada movimiento de caja (caja.puesto)", PuestoEnCaja},
        {2, "el registro de operaciones (tabla operaciones)", Operaciones},
        {3, "la clave del propietario (parametros.pin)", PinEnParametros},
        {4, "índices de las listas de prendas listas y de la caja abierta", IndicesDeListas},
        {5, "un cliente por teléfono (índice único de clientes.telefono)", UnTelefonoPorCliente},
        {6,
         "copias de seguridad diarias y segunda carpeta de copias (tabla copiasautomaticas, "
         "parametros.carpetacopias2)",
         CopiasAutomaticas},
        {7,
         "el código de recuperación del PIN y sus intentos equivocados (parametros.pinrecuperacion, "
         "pinfallos, pinbloqueo)",
         IntentosDelPin},
        {8, "avisos de recogida: cuándo volvió listo un arreglo y cuándo se llamó al cliente",
         AvisosDeRecogida},
    };
    return pasos;
}
