#pragma once

class Recordset;
struct ValoresPrograma;

// Reads the shop's parametros row into the program-wide values, each field with Null read as
// empty text and trimmed, and the ticket width from anchuracarro (0 when that is not a number
// above 0). False when the table has no row.
bool LeerParametros(ValoresPrograma &g);
// The same from a row read along with other columns (the start-up's first reading).
bool LeerParametros(ValoresPrograma &g, const Recordset &rs);
