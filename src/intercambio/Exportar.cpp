#include "Exportar.h"

#include "Csv.h"
#include "Esquema.h"
#include "OrigenImportacion.h"
#include "ValoresOrigen.h"
#include "core/Fechas.h"
#include "core/Formato.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cmath>

namespace {

QString ValorExportado(const QVariant &v, TipoColumna tipo)
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (tipo) {
    case TipoColumna::Entero:
        return v.toString();
    case TipoColumna::Importe:
        return TextoCentimos(std::llround(NumeroDeValor(v) * 100));
    case TipoColumna::Fecha: {
        // The embedded engine already gives the ISO text.
        if (v.metaType().id() == QMetaType::QString && v.toString().size() == 19)
            return v.toString();
        const QString f = FormatoFecha(v, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return f.isEmpty() ? CampoEscrito(v.toString(), QLatin1Char(','), true) : f;
    }
    case TipoColumna::Texto:
        break;
    }
    return CampoEscrito(v.toString(), QLatin1Char(','), true);
}

void Escribir(QFile &f, QByteArray &pendiente, bool final)
{
    if (pendiente.size() < (1 << 20) && !final)
        return;
    if (f.write(pendiente) != pendiente.size())
        throw ErrorIntercambio(
            QString::fromUtf8("No se puede escribir %1: ¿está lleno el disco?").arg(f.fileName()));
    pendiente.clear();
}

} // namespace

std::vector<std::pair<QString, qint64>>
Exportar(Conexion &conexion, const QString &carpeta,
         const std::function<void(const QString &, qint64, qint64)> &progreso)
{
    const QDir dir(carpeta);
    if (!QDir().mkpath(carpeta))
        throw ErrorIntercambio(QString::fromUtf8("No se puede crear la carpeta %1.").arg(carpeta));
    for (const TablaEsquema &t : TablasEsquema())
        if (dir.exists(t.nombre + QStringLiteral(".csv")))
            throw ErrorIntercambio(
                QString::fromUtf8("La carpeta %1 ya tiene %2.csv: elija una carpeta vacía.")
                    .arg(carpeta, t.nombre));
    std::vector<std::pair<QString, qint64>> filas;
    Transaccion transaccion(conexion, true);
    for (const TablaEsquema &t : TablasEsquema()) {
        QStringList nombres;
        for (const ColumnaEsquema &c : t.columnas)
            nombres += c.nombre;
        const qint64 total = qint64(NumeroDeValor(
            conexion.AbrirRecordset(QStringLiteral("select count(*) from ") + t.nombre).Campo(0)));
        QFile f(dir.filePath(t.nombre + QStringLiteral(".csv")));
        if (!f.open(QIODevice::WriteOnly))
            throw ErrorIntercambio(QString::fromUtf8("No se puede escribir %1.").arg(f.fileName()));
        QByteArray pendiente = nombres.join(QLatin1Char(',')).toUtf8() + "\r\n";
        qint64 n = 0;
        QString linea;
        const QString sql = QStringLiteral("select %1 from %2").arg(nombres.join(QLatin1Char(',')), t.nombre)
                            + (t.clave.isEmpty() ? QString() : QStringLiteral(" order by ") + t.clave);
        conexion.Recorrer(sql, [&](const FilaLeida &fila) {
            linea.clear();
            for (size_t i = 0; i < t.columnas.size(); ++i) {
                if (i > 0)
                    linea += QLatin1Char(',');
                linea += ValorExportado(fila.Valor(int(i)), t.columnas[i].tipo);
            }
            linea += QStringLiteral("\r\n");
            pendiente += linea.toUtf8();
            Escribir(f, pendiente, false);
            if (progreso && ++n % 5000 == 0)
                progreso(t.nombre, n, total);
        });
        Escribir(f, pendiente, true);
        if (!f.flush())
            throw ErrorIntercambio(QString::fromUtf8("No se puede escribir %1.").arg(f.fileName()));
        if (progreso)
            progreso(t.nombre, n, total);
        filas.emplace_back(t.nombre, n);
    }
    return filas;
}

QString ExportarListadoCsv(const ListadoImpreso &listado, const QString &ruta)
{
    static const QRegularExpression reImporte(
        QStringLiteral(R"(^-?\d{1,3}(,\d{3})*\.\d{2}$|^-?\d+\.\d{2}$)"));
    static const QRegularExpression reFecha(
        QStringLiteral(R"(^(\d{1,2}/\d{1,2}/\d{2,4}|\d{4}-\d{2}-\d{2})\b)"));
    auto celda = [&](const QString &texto, size_t columna) {
        QString t = texto.trimmed();
        // Figures in right-aligned columns are amounts; elsewhere "12.10" may be a garment reference.
        const bool derecha =
            columna < listado.alineaciones.size() && listado.alineaciones[columna] == Alineacion::Derecha;
        if (derecha && reImporte.match(t).hasMatch()) {
            t.remove(QLatin1Char(',')).replace(QLatin1Char('.'), QLatin1Char(','));
        } else if (reFecha.match(t).hasMatch()) {
            if (const QDateTime f = FechaDeTexto(t); f.isValid())
                t = f.toString(f.time() == QTime(0, 0) ? QStringLiteral("dd/MM/yyyy")
                                                       : QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        }
        return CampoEscrito(t, QLatin1Char(';'), false);
    };
    QString texto = QChar(0xFEFF);
    bool cabecera = false;
    for (const PaginaListado &p : listado.paginas) {
        for (size_t f = 0; f < p.filas.size(); ++f) {
            // Every page repeats the heading row; the last page's spare rows are empty.
            if (f == 0 && cabecera)
                continue;
            const auto &fila = p.filas[f];
            if (std::all_of(fila.begin(), fila.end(), [](const QString &c) { return c.trimmed().isEmpty(); }))
                continue;
            cabecera = true;
            QStringList campos;
            for (size_t c = 0; c < listado.anchos.size(); ++c)
                if (listado.anchos[c] > 1)
                    campos += celda(c < fila.size() ? fila[c] : QString(), c);
            texto += campos.join(QLatin1Char(';')) + QStringLiteral("\r\n");
        }
    }
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(texto.toUtf8()) < 0 || !f.flush())
        return QString::fromUtf8("No se puede escribir el archivo %1.").arg(ruta);
    return {};
}
