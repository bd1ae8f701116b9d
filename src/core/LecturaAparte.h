#pragma once

#include "Conexion.h"

#include <QStringList>
#include <QVariant>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// A whole-history listing read ahead of the screen: a worker thread opens a connection of its own
// to the same database, runs the statement there and turns its rows into plain values, while the
// screen's thread only appends the rows already read. The database works on the next rows while
// the screen fills its grid with the last ones, and the screen's connection stays free.
//
// On the server the statement streams: planned for reading in the order of its indexes, the server
// sends rows while the worker turns the last ones into values. Dropping the reading stops the worker
// (the server is told to stop) and waits for it: at most one part of rows.
class LecturaAparte final : public Lectura
{
public:
    LecturaAparte(Conexion &c, const QString &sql) : LecturaAparte(c, QStringList{sql}) {}
    // Several statements one after the other on the worker's connection (a listing's pages), their
    // rows as one list: the screen's thread never waits for the server.
    LecturaAparte(Conexion &c, const QStringList &sqls);
    // A worker that opens its connection now and waits for its statements (Empezar): a listing
    // asked for later starts without waiting for a connection to open, several round trips to a
    // far server. A screen keeps one ready while it is open.
    explicit LecturaAparte(Conexion &c) : LecturaAparte(c, QStringList{}) {}
    void Empezar(const QStringList &sqls);
    // The reading of these statements: the ready worker when there is one (a new one is made ready
    // in its place, for the next listing), else a new worker.
    static std::unique_ptr<LecturaAparte> Lanzar(std::unique_ptr<LecturaAparte> &preparada, Conexion &c,
                                                 const QStringList &sqls);
    ~LecturaAparte() override;
    LecturaAparte(const LecturaAparte &) = delete;
    LecturaAparte &operator=(const LecturaAparte &) = delete;

    // Hands up to `filas` of the rows already read, waiting a moment for the worker when there are
    // none yet (so it may hand none); false once the last row has been handed. The worker's
    // database error is thrown here, after the rows read before it.
    bool Leer(int filas, const std::function<void(const FilaLeida &fila)> &fila) override;

    static constexpr int FilasPorParte = 2000;
    static constexpr int PartesAdelantadas = 8; // how far the worker reads ahead of the screen
    static constexpr int EsperaMs = 10;

private:
    struct Parte {
        QStringList nombres;
        std::vector<QVariant> celdas; // row after row
        int filas = 0;
    };
    void Trabajar(const Conexion::Apertura &apertura, const QStringList &sqls);
    // One statement's rows, a part at a time; false when the reading was dropped.
    bool LeerSentencia(Conexion &propia, const QString &sql);
    // Queues a part for the screen, once there is room; false when the reading was dropped.
    bool Entregar(Parte &&parte);

    std::mutex mutex_;
    std::condition_variable hayFilas_, hayHueco_;
    std::deque<Parte> partes_;
    bool parar_ = false, terminada_ = false;
    bool empezada_ = false;
    QStringList sqls_; // given by Empezar
    QString error_, sqlError_;
    // The part being handed to the screen, outside the lock.
    Parte actual_;
    int fila_ = 0;
    std::thread hilo_;
};
