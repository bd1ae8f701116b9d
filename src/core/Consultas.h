#pragma once

#include "Conexion.h"

#include <QString>

// Reading single values from the shop's database, on the program's connection.

Recordset AbrirRecordset(const QString &sql);

// A stored line whose product has since been deleted keeps its place and price under this name.
inline constexpr const char *NombreProductoRetirado = "Producto retirado del catálogo";

// The shop clock as "dd/mm/yyyy hh:mm:ss".
QString DimeFechaServidor();
// The server's clock read along with another statement (getdate()): the next DimeFechaServidor
// follows it instead of asking again.
void AnotarFechaServidor(const QVariant &fecha);
// Reads the server's clock again now if it would be due soon (the sale screen's timer, between
// touches). Throws ErrorBaseDatos.
void AdelantarFechaServidor();
// max(campo) of a table: 0 for an empty table, 1 when the query gives no row.
qint64 DimeMaximo(const QString &campo, const QString &tabla);
// The bounds of a listing read a page of order numbers at a time, newest first: the lowest order
// number less one and the highest (0 and 0 without orders).
struct LimitesArreglos {
    qint64 minimo = 0, maximo = 0;
};
LimitesArreglos DimeLimitesArreglos();
// The orders above `desde` up to `hasta`, on both sides of the orders-lines join: the server does
// not carry a range across it, and would read every order for each page.
QString CondicionPaginaArreglos(qint64 desde, qint64 hasta);
// The next number of a table numbered by the program (max + 1), inside the caller's transaction.
// Counters sharing a server take it one at a time: the number stays theirs until they commit.
qint64 DimeSiguienteNumero(const QString &campo, const QString &tabla);

// An order's next number: past every number an order, a line or a cash movement already uses, so
// money left under an annulled number is never inherited by a new customer.
qint64 DimeSiguienteNumeroArreglo();
// Everything another counter can change about an order, as one text: its row, its lines and the
// money booked to it. A screen keeps it when it loads the order and saves only while it is the
// same; "" once the order is gone.
QString DimeHuellaArreglo(qint64 idarreglo);
// The statement that reads that text in one round trip: the order's row with each of its lines
// (one row per line, ordered by line, one row with null lines when it has none) and the count
// and sum of its money. `mas` adds fields after those (", expression as name"), left out of the
// fingerprint: a screen reads what it shows in the same statement, from the same moment.
QString SqlHuellaArreglo(qint64 idarreglo, const QString &mas = QString());
// The fingerprint of what SqlHuellaArreglo read, leaving out the last `fuera` fields.
QString HuellaDe(Recordset &rs, int fuera = 0);
// Holds the order's row until the transaction ends, so that two counters writing the same order
// take turns (the embedded file's transaction already holds the whole file).
void BloquearArreglo(qint64 idarreglo);

double DimeTotalArreglo(qint64 idarreglo);
int DimeIdFamiliaProducto(qint64 idproducto);
QString DimeNombreCosturera(qint64 idcosturera);
int DimeCostureraDesactivada(qint64 idcosturera);
bool ExisteArreglo(qint64 idarreglo);
QString DimeNombreClienteArreglo(qint64 idarreglo);
QString DimeTelefonoClienteArreglo(qint64 idarreglo);
bool ArregloEntregado(qint64 idarreglo);
// Whether an order exists and has been handed over, in one read.
enum class EntregaArreglo { NoExiste, SinEntregar, Entregado };
EntregaArreglo DimeEntregaArreglo(qint64 idarreglo);
// Records when the last garment of an order came back ready for the customer, or clears it while
// one is still out: the call list counts the days waiting from it. Called in the transaction of
// the change.
void AnotarArregloListo(qint64 idarreglo);
QString DimeNombreDeFamilia(qint64 idfamilia);
int DimeUsuarioArreglo(qint64 idarreglo);
int DimeCosturera(const QString &referenciaprenda);
QString DimeNombreUsuario(qint64 idusuario);
double DimeSumaCajaArreglo(qint64 idarreglo);
QString DimeFechaUltimoMovimiento();
QString DimeUltimoCierre();
bool EsTienda(qint64 idcliente);
bool ExisteTelefono(const QString &telefono);
