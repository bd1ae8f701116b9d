#pragma once

#include <QDateTime>
#include <QString>

// Translates the shop's SQL (written for a desktop database engine) into what the
// backend speaks. Text inside quoted literals is never touched.
//   select top N ...        -> ... LIMIT N
//   [name]                  -> name
//   convert(datetime,'d')   -> an ISO date-time literal
//   Now(), getdate()        -> the shop clock's current time as a literal; with an invalid
//                              `ahora`, the database's own clock
//   like                    -> ilike on PostgreSQL (the shop's searches ignore case)
// year(), MONTH() and DateDiff('d',a,b) are real functions on both backends: registered
// on the SQLite connection, created by the PostgreSQL schema script.
// The two backends a shop's database lives on.
enum class Motor { SQLite, PostgreSQL };

namespace Dialecto {
QString Traducir(const QString &sql, Motor motor, const QDateTime &ahora);
}
