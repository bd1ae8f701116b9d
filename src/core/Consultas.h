#pragma once

#include "Conexion.h"

#include <QString>

// Reading single values from the shop's database, on the program's connection.

Recordset AbrirRecordset(const QString &sql);

// A stored line whose product has since been deleted keeps its place and price under this name.
inline constexpr const char *NombreProductoRetirado = "Producto retirado del catálogo";

// The shop clock as "dd/mm/yyyy hh:mm:ss".
QString DimeFechaServidor();
// max(campo) of a table: 0 for an empty table, 1 when the query gives no row.
qint64 DimeMaximo(const QString &campo, const QString &tabla);
// The next number of a table numbered by the program (max + 1), inside the caller's transaction.
// Counters sharing a server take it one at a time: the number stays theirs until they commit.
qint64 DimeSiguienteNumero(const QString &campo, const QString &tabla);

double DimeTotalArreglo(qint64 idarreglo);
int DimeIdFamiliaProducto(qint64 idproducto);
QString DimeNombreCosturera(qint64 idcosturera);
int DimeCostureraDesactivada(qint64 idcosturera);
bool ExisteArreglo(qint64 idarreglo);
QString DimeNombreClienteArreglo(qint64 idarreglo);
QString DimeTelefonoClienteArreglo(qint64 idarreglo);
bool ArregloEntregado(qint64 idarreglo);
QString DimeNombreDeFamilia(qint64 idfamilia);
int DimeUsuarioArreglo(qint64 idarreglo);
int DimeCosturera(const QString &referenciaprenda);
QString DimeNombreUsuario(qint64 idusuario);
double DimeSumaCajaArreglo(qint64 idarreglo);
QString DimeFechaUltimoMovimiento();
QString DimeUltimoCierre();
bool EsTienda(qint64 idcliente);
bool ExisteTelefono(const QString &telefono);
