#include "LecturaAparte.h"

#include <QSqlQuery>

namespace {

// One row of a part the worker read.
class FilaDeParte final : public FilaLeida
{
public:
    FilaDeParte(const QStringList &nombres, const QVariant *celdas) : nombres_(nombres), celdas_(celdas) {}
    QVariant Valor(int campo) const override
    {
        return campo >= 0 && campo < nombres_.size() ? celdas_[campo] : QVariant();
    }
    int Indice(const QString &nombre) const override
    {
        for (int i = 0; i < nombres_.size(); ++i)
            if (nombres_[i].compare(nombre, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    QStringList Nombres() const override { return nombres_; }

private:
    const QStringList &nombres_;
    const QVariant *celdas_;
};

} // namespace

LecturaAparte::LecturaAparte(Conexion &c, const QStringList &sqls)
    : hilo_([this, apertura = c.DimeApertura(), sqls] { Trabajar(apertura, sqls); })
{
}

void LecturaAparte::Empezar(const QStringList &sqls)
{
    {
        std::lock_guard bloqueo(mutex_);
        sqls_ = sqls;
        empezada_ = true;
    }
    hayHueco_.notify_all();
}

std::unique_ptr<LecturaAparte> LecturaAparte::Lanzar(std::unique_ptr<LecturaAparte> &preparada, Conexion &c,
                                                     const QStringList &sqls)
{
    if (!preparada)
        return std::make_unique<LecturaAparte>(c, sqls);
    std::unique_ptr<LecturaAparte> lectura = std::move(preparada);
    lectura->Empezar(sqls);
    preparada = std::make_unique<LecturaAparte>(c);
    return lectura;
}

LecturaAparte::~LecturaAparte()
{
    {
        std::lock_guard bloqueo(mutex_);
        parar_ = true;
    }
    hayHueco_.notify_all();
    hilo_.join();
}

void LecturaAparte::Trabajar(const Conexion::Apertura &apertura, const QStringList &sqls)
{
    QString error, sqlError;
    try {
        Conexion propia;
        Conexion::Apertura soloLeer = apertura;
        soloLeer.soloLectura = true;
        propia.Abrir(soloLeer);
        if (apertura.motor == Motor::PostgreSQL) {
            // The server's whole list as one stream, planned as a cursor would be: in the order of the
            // order-number indexes, each order's few lines sorted among themselves, so the server sends
            // rows while the worker turns the last ones into values. Planned for the total, it would
            // join and sort everything first; a cursor would fill each part before sending it.
            // All in one round trip: a server older than 11, without jit, refuses them together and
            // plans alone.
            QSqlQuery(propia.db())
                .exec(QStringLiteral("SET max_parallel_workers_per_gather = 0;\nSET enable_hashjoin = off;\n"
                                     "SET enable_sort = off;\nSET jit = off"));
        }
        QStringList sentencias = sqls;
        if (sentencias.isEmpty()) { // ready, waiting for Empezar
            std::unique_lock bloqueo(mutex_);
            hayHueco_.wait(bloqueo, [this] { return parar_ || empezada_; });
            sentencias = sqls_;
        }
        for (const QString &sql : sentencias)
            if (!LeerSentencia(propia, sql))
                break;
    } catch (const ErrorBaseDatos &e) {
        error = e.Mensaje();
        sqlError = e.Sql();
    } catch (const std::exception &) {
        error = QString::fromUtf8("Error en la base de datos.\r\nLa base de datos no ha podido completar la "
                                  "operación.");
    }
    std::lock_guard bloqueo(mutex_);
    terminada_ = true;
    error_ = error;
    sqlError_ = sqlError;
    hayFilas_.notify_all();
}

bool LecturaAparte::LeerSentencia(Conexion &propia, const QString &sql)
{
    std::unique_ptr<Lectura> lectura = propia.AbrirLectura(sql);
    QStringList nombres;
    for (bool quedan = true; quedan;) {
        Parte p;
        const auto copiar = [&](const FilaLeida &f) {
            if (nombres.isEmpty())
                nombres = f.Nombres();
            for (int i = 0; i < nombres.size(); ++i)
                p.celdas.push_back(f.Valor(i));
            ++p.filas;
        };
        quedan = lectura->Leer(FilasPorParte, copiar);
        p.nombres = nombres;
        if (p.filas > 0 && !Entregar(std::move(p)))
            return false;
    }
    return true;
}

bool LecturaAparte::Entregar(Parte &&parte)
{
    std::unique_lock bloqueo(mutex_);
    hayHueco_.wait(bloqueo, [this] { return parar_ || partes_.size() < PartesAdelantadas; });
    if (parar_)
        return false;
    partes_.push_back(std::move(parte));
    hayFilas_.notify_all();
    return true;
}

bool LecturaAparte::Leer(int filas, const std::function<void(const FilaLeida &fila)> &fila)
{
    bool esperado = false;
    for (int leidas = 0; leidas < filas;) {
        if (fila_ >= actual_.filas) {
            std::unique_lock bloqueo(mutex_);
            if (partes_.empty() && !terminada_ && !esperado && leidas == 0) {
                hayFilas_.wait_for(bloqueo, std::chrono::milliseconds(EsperaMs),
                                   [this] { return !partes_.empty() || terminada_; });
                esperado = true;
            }
            if (partes_.empty()) {
                if (terminada_ && !error_.isEmpty()) {
                    const ErrorBaseDatos e(error_, sqlError_);
                    error_.clear();
                    throw e;
                }
                return !terminada_;
            }
            actual_ = std::move(partes_.front());
            partes_.pop_front();
            fila_ = 0;
            hayHueco_.notify_all();
        }
        const qsizetype campos = actual_.nombres.size();
        for (; fila_ < actual_.filas && leidas < filas; ++fila_, ++leidas)
            fila(FilaDeParte(actual_.nombres, actual_.celdas.data() + fila_ * campos));
    }
    std::lock_guard bloqueo(mutex_);
    return fila_ < actual_.filas || !partes_.empty() || !terminada_;
}
