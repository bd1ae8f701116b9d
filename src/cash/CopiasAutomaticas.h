#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <mutex>
#include <thread>

#include "core/Conexion.h"

// The copy of the day, made without anyone asking: at the first start of the day on any counter
// (the table copiasautomaticas keeps one row per day, and the counter that adds it makes the
// copy), verified, put in the copies folder and in the second folder of the parameters (a USB
// disk, a network share), and the older automatic copies of both thinned out. Copies made by hand
// and those set aside before a restore or an upgrade are never thinned.

// The day's copy when no counter has made it yet. Empty when all went well or there was nothing
// to do; else what went wrong, in Spanish (also kept in the day's row). Never throws.
QString CopiaDelDia(Conexion &c, const QString &carpeta, const QDateTime &ahora);

// The day's copy (CopiaDelDia) on a worker thread with a connection of its own, then the warning
// line (AvisoCopias): the first start of the day does not wait for a copy of the whole shop, which
// takes seconds, longer with a server far away. Dropping it waits for the copy to end.
class CopiaDelDiaAparte
{
public:
    CopiaDelDiaAparte(const Conexion::Apertura &apertura, const QString &carpeta, const QDateTime &ahora);
    ~CopiaDelDiaAparte();
    CopiaDelDiaAparte(const CopiaDelDiaAparte &) = delete;
    CopiaDelDiaAparte &operator=(const CopiaDelDiaAparte &) = delete;
    // True once the copy and the warning are ready: fallo is what went wrong with the copy (empty
    // when nothing did), aviso the warning line.
    bool Terminada(QString &fallo, QString &aviso);

private:
    std::mutex mutex_;
    bool terminada_ = false;
    QString fallo_, aviso_;
    std::thread hilo_;
};

// The automatic copies among archivos (file names) that thinning removes: kept are the newest
// of each of the last 7 days that have one, of the last 4 weeks and of the last 12 months, and
// always the newest of all.
QStringList CopiasQueSobran(const QStringList &archivos);

// The line the sale screen shows until it is solved: the last verified copy more than two days
// old, or the second folder missing, full or read-only. Empty when all is well.
QString AvisoCopias(Conexion &c, const QString &carpeta, const QDateTime &ahora);
