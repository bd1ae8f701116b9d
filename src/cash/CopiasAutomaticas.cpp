#include "CopiasAutomaticas.h"

#include "CopiaSeguridad.h"
#include "core/Conexion.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>
#include <functional>

namespace {

const QString Nombre = QStringLiteral("automatica");
const QString FormatoMomento = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// automatica_2026-12-04_090507.db, automatica_2026-12-04_090507_2.dump: the day it was made.
QDate DiaDeCopia(const QString &archivo)
{
    static const QRegularExpression nombre(
        QStringLiteral(R"(^automatica_(\d{4}-\d{2}-\d{2})_\d{6}(_\d+)?\.(db|dump)$)"));
    const QRegularExpressionMatch m = nombre.match(archivo);
    return m.hasMatch() ? QDate::fromString(m.captured(1), Qt::ISODate) : QDate();
}

QStringList Automaticas(const QString &carpeta)
{
    QStringList r;
    for (const QString &a : QDir(carpeta).entryList(QDir::Files))
        if (DiaDeCopia(a).isValid())
            r << a;
    return r;
}

void Aclarar(const QString &carpeta)
{
    for (const QString &a : CopiasQueSobran(Automaticas(carpeta)))
        QFile::remove(QDir(carpeta).filePath(a));
}

// The second folder of the copies, from the parameters (empty: none chosen).
QString SegundaCarpetaCopias(Conexion &c)
{
    return NuloABlanco(c.AbrirRecordset(QStringLiteral("select carpetacopias2 from parametros")).Campo(0))
        .trimmed();
}

} // namespace

QStringList CopiasQueSobran(const QStringList &archivos)
{
    QStringList copias;
    for (const QString &a : archivos)
        if (DiaDeCopia(a).isValid())
            copias << a;
    // The name sorts as the moment it was made ("_2" after the first of the same second).
    std::sort(copias.begin(), copias.end(), std::greater<>());
    QSet<QString> guardar;
    if (!copias.isEmpty())
        guardar << copias.first();
    const auto guardarPor = [&](int cuantos, const std::function<int(QDate)> &periodo) {
        QSet<int> vistos;
        for (const QString &a : std::as_const(copias)) {
            const int p = periodo(DiaDeCopia(a));
            if (vistos.contains(p))
                continue;
            if (vistos.size() == cuantos)
                break;
            vistos << p;
            guardar << a;
        }
    };
    guardarPor(7, [](QDate d) { return int(d.toJulianDay()); });
    guardarPor(4, [](QDate d) {
        int anio = 0;
        const int semana = d.weekNumber(&anio);
        return anio * 100 + semana;
    });
    guardarPor(12, [](QDate d) { return d.year() * 100 + d.month(); });
    QStringList sobran;
    for (const QString &a : std::as_const(copias))
        if (!guardar.contains(a))
            sobran << a;
    return sobran;
}

QString CopiaDelDia(Conexion &c, const QString &carpeta, const QDateTime &ahora)
{
    const QString dia = ComillasSQL(ahora.date().toString(Qt::ISODate));
    try {
        // The day's row first: a counter that finds it made (by another starting at the same
        // moment too: the key refuses the second row) leaves the copy to that one.
        try {
            if (c.Ejecutar(QStringLiteral("insert into copiasautomaticas (dia) select %1 where not exists "
                                          "(select 1 from copiasautomaticas where dia = %1)")
                               .arg(dia))
                == 0)
                return {};
        } catch (const ErrorBaseDatos &) {
            if (c.AbrirRecordset(QStringLiteral("select 1 from copiasautomaticas where dia = %1").arg(dia))
                    .HayFilas())
                return {};
            throw;
        }
        const ResultadoCopia r = HacerCopiaSeguridad(c, carpeta, ahora, Nombre);
        QString aviso = r.error;
        if (r.ok) {
            Aclarar(carpeta);
            const QString segunda = SegundaCarpetaCopias(c);
            if (!segunda.isEmpty()) {
                const ResultadoCopia s = CopiarEnCarpeta(r.archivo, segunda);
                if (s.ok)
                    Aclarar(segunda);
                else
                    aviso =
                        QString::fromUtf8("La copia del día está en %1, pero no en la segunda carpeta: %2")
                            .arg(r.archivo, s.error);
            }
        }
        c.Ejecutar(QStringLiteral("update copiasautomaticas set comprobada = %1, archivo = %2, aviso = %3 "
                                  "where dia = %4")
                       .arg(r.ok ? ComillasSQL(ahora.toString(FormatoMomento)) : QStringLiteral("null"),
                            ComillasSQL(QFileInfo(r.archivo).fileName()), ComillasSQL(aviso.left(255)), dia));
        return aviso;
    } catch (const ErrorBaseDatos &e) {
        return e.Mensaje();
    }
}

CopiaDelDiaAparte::CopiaDelDiaAparte(const Conexion::Apertura &apertura, const QString &carpeta,
                                     const QDateTime &ahora)
    : hilo_([this, apertura, carpeta, ahora] {
          QString fallo, aviso;
          try {
              Conexion propia;
              Conexion::Apertura a = apertura;
              a.aparte = true;
              propia.Abrir(a);
              fallo = CopiaDelDia(propia, carpeta, ahora);
              aviso = AvisoCopias(propia, carpeta, ahora);
          } catch (const ErrorBaseDatos &e) {
              fallo = e.Mensaje();
          } catch (const std::exception &) {
              fallo = QString::fromUtf8("No se ha podido hacer la copia de seguridad del día.");
          }
          std::lock_guard bloqueo(mutex_);
          fallo_ = fallo;
          aviso_ = aviso;
          terminada_ = true;
      })
{
}

CopiaDelDiaAparte::~CopiaDelDiaAparte()
{
    hilo_.join();
}

bool CopiaDelDiaAparte::Terminada(QString &fallo, QString &aviso)
{
    std::lock_guard bloqueo(mutex_);
    if (terminada_) {
        fallo = fallo_;
        aviso = aviso_;
    }
    return terminada_;
}

QString AvisoCopias(Conexion &c, const QString &carpeta, const QDateTime &ahora)
{
    try {
        // The last verified copy and the second folder in one round trip. The driver may hand the
        // moment over as a date already.
        Recordset rs = c.AbrirRecordset(QStringLiteral(
            "select max(comprobada), (select max(carpetacopias2) from parametros) from copiasautomaticas"));
        const QVariant v = rs.Campo(0);
        const QDateTime ultima = v.metaType().id() == QMetaType::QDateTime
                                     ? v.toDateTime()
                                     : QDateTime::fromString(v.toString(), FormatoMomento);
        if (!ultima.isValid())
            return QString::fromUtf8("Atención: no hay ninguna copia de seguridad comprobada. Avise al "
                                     "encargado.");
        if (ultima.addDays(2) < ahora)
            return QString::fromUtf8("Atención: la última copia de seguridad comprobada es del %1. Avise al "
                                     "encargado.")
                .arg(ultima.toString(QStringLiteral("dd/MM/yyyy")));
        const QString segunda = NuloABlanco(rs.Campo(1)).trimmed();
        if (segunda.isEmpty())
            return {};
        const QFileInfo f(segunda);
        if (!f.isDir())
            return QString::fromUtf8(
                       "Atención: no se encuentra la segunda carpeta de copias (%1). Conecte el "
                       "disco USB o compruebe la red.")
                .arg(QDir::toNativeSeparators(segunda));
        if (!f.isWritable())
            return QString::fromUtf8("Atención: no se puede escribir en la segunda carpeta de copias (%1).")
                .arg(QDir::toNativeSeparators(segunda));
        // An unplugged disk leaves its empty mount folder behind, on the computer's own disk.
        const QStorageInfo disco(segunda);
        if (disco.device() == QStorageInfo(carpeta).device())
            return QString::fromUtf8("Atención: la segunda carpeta de copias (%1) está en el mismo disco que "
                                     "las copias. Conecte el disco USB o compruebe la red.")
                .arg(QDir::toNativeSeparators(segunda));
        qint64 necesita = 1 << 20;
        const QStringList copias = Automaticas(carpeta);
        if (!copias.isEmpty())
            necesita = qMax(necesita, QFileInfo(QDir(carpeta).filePath(copias.last())).size());
        if (disco.bytesAvailable() < necesita)
            return QString::fromUtf8("Atención: la segunda carpeta de copias (%1) está llena.")
                .arg(QDir::toNativeSeparators(segunda));
        return {};
    } catch (const ErrorBaseDatos &e) {
        return e.Mensaje();
    }
}
