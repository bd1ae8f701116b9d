#include "Importar.h"

#include "Csv.h"
#include "Esquema.h"
#include "OrigenImportacion.h"
#include "ValoresOrigen.h"
#include "core/BaseDatos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cmath>
#include <optional>

namespace {

constexpr int FilasPorSentencia = 500;

// A row that cannot be taken: its reason, for the message or the report.
struct FilaRechazada {
    QString motivo;
};

class Importacion
{
public:
    Importacion(Conexion &c, const OpcionesImportar &o) : c_(c), o_(o) {}

    void Tabla(const OrigenImportacion &origen, const TablaEsquema &tabla, ResultadoImportar &r);
    std::vector<Comprobacion> Comprobar();
    void Avisar(const QString &tabla, double parte, qint64 guardadas = 0, qint64 total = 0) const
    {
        if (o_.progreso)
            o_.progreso({tabla, parte, guardadas, total});
    }
    qint64 omitidas = 0;

private:
    // One source row as SQL values; throws FilaRechazada.
    QString Valores(const TablaEsquema &t, const std::vector<int> &fuente,
                    const std::vector<CampoCsv> &campos, const LectorFechas &fechas,
                    std::vector<std::optional<qint64>> &numeros);
    void Rechazar(const QString &tabla, qint64 fila, const QString &motivo,
                  const std::vector<CampoCsv> &campos, QChar separador);
    void Anotar(const TablaEsquema &t, const std::vector<std::optional<qint64>> &numeros);
    QString Valor(const QString &sql);

    Conexion &c_;
    const OpcionesImportar &o_;
    QFile informe_;
    // The money of one source row, by column, as far as it can be read.
    void SumarOrigen(const TablaEsquema &t, const std::vector<int> &fuente,
                     const std::vector<CampoCsv> &campos, QHash<QString, qint64> &sumas) const;

    // What the source says it holds, and what was left out of it, for the checks.
    QStringList tablas_;
    QHash<QString, qint64> filasOrigen_, filasOmitidas_;
    QHash<QString, qint64> sumasOrigen_, sumasOmitidas_; // "tabla.columna" -> cents
    qint64 mayorArreglo_ = 0, abiertos_ = 0, sinPagar_ = 0, deudaTiendas_ = 0;
    // What later tables are checked against.
    QSet<qint64> tiendas_, arreglos_, arreglosTienda_;
};

QString Importacion::Valores(const TablaEsquema &t, const std::vector<int> &fuente,
                             const std::vector<CampoCsv> &campos, const LectorFechas &fechas,
                             std::vector<std::optional<qint64>> &numeros)
{
    QString sql = QStringLiteral("(");
    for (size_t i = 0; i < t.columnas.size(); ++i) {
        const ColumnaEsquema &col = t.columnas[i];
        numeros[i].reset();
        if (i > 0)
            sql += QLatin1Char(',');
        const CampoCsv *campo = fuente[i] >= 0 ? &campos[size_t(fuente[i])] : nullptr;
        const bool vacio = !campo || campo->texto.trimmed().isEmpty();
        if (vacio && (col.tipo != TipoColumna::Texto || !campo || !campo->entrecomillado)) {
            if (col.nombre == t.clave)
                throw FilaRechazada{QString::fromUtf8("no tiene número (%1)").arg(col.nombre)};
            sql += QLatin1String("Null");
            continue;
        }
        QString motivo;
        switch (col.tipo) {
        case TipoColumna::Entero:
            numeros[i] = EnteroOrigen(campo->texto, motivo);
            break;
        case TipoColumna::Importe:
            numeros[i] = CentimosOrigen(campo->texto, motivo);
            break;
        case TipoColumna::Fecha:
            if (LectorFechas::IsoCompleta(campo->texto)) {
                sql += QLatin1Char('\'') + campo->texto + QLatin1Char('\'');
                continue;
            }
            if (const auto f = fechas.Leer(campo->texto, motivo)) {
                sql += LiteralFechaSQL(*f);
                continue;
            }
            break;
        case TipoColumna::Texto: {
            const QString texto = TextoOrigen(campo->texto);
            if (texto.size() > LargoMaximoTexto)
                throw FilaRechazada{
                    QString::fromUtf8("%1 tiene más de %2 caracteres").arg(col.nombre).arg(LargoMaximoTexto)};
            sql += ComillasSQL(texto);
            continue;
        }
        }
        if (!numeros[i])
            throw FilaRechazada{col.nombre + QStringLiteral(": ") + motivo};
        sql += col.tipo == TipoColumna::Importe ? TextoCentimos(*numeros[i]) : QString::number(*numeros[i]);
    }
    return sql + QLatin1Char(')');
}

void Importacion::Rechazar(const QString &tabla, qint64 fila, const QString &motivo,
                           const std::vector<CampoCsv> &campos, QChar separador)
{
    if (!o_.omitirErroneas)
        throw ErrorIntercambio(QString::fromUtf8("Tabla %1, fila %2: %3. No se ha importado nada.")
                                   .arg(tabla)
                                   .arg(fila)
                                   .arg(motivo));
    if (!informe_.isOpen()) {
        informe_.setFileName(o_.informe);
        if (!informe_.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw ErrorIntercambio(QString::fromUtf8("No se puede escribir el informe %1.").arg(o_.informe));
        informe_.write("tabla,fila,motivo,contenido\r\n");
    }
    QStringList contenido;
    for (const CampoCsv &c : campos)
        contenido += CampoEscrito(c.texto, separador, c.entrecomillado);
    const QString linea = tabla + QLatin1Char(',') + QString::number(fila) + QLatin1Char(',')
                          + CampoEscrito(motivo, QLatin1Char(','), true) + QLatin1Char(',')
                          + CampoEscrito(contenido.join(separador), QLatin1Char(','), true)
                          + QStringLiteral("\r\n");
    informe_.write(linea.toUtf8());
    ++omitidas;
}

// The figures of a row taken, and what the rows of later tables must find.
void Importacion::Anotar(const TablaEsquema &t, const std::vector<std::optional<qint64>> &numeros)
{
    auto valor = [&](const char *columna) { return numeros[size_t(t.Columna(QLatin1String(columna)))]; };
    if (t.nombre == QLatin1String("clientes") && valor("estienda") == 1) {
        tiendas_.insert(*valor("idcliente"));
    } else if (t.nombre == QLatin1String("arreglos")) {
        const qint64 id = *valor("idarreglo");
        arreglos_.insert(id);
        mayorArreglo_ = std::max(mayorArreglo_, id);
        const bool entregado = valor("entregadoacliente") == 1;
        abiertos_ += !entregado;
        if (entregado && valor("idcliente") && tiendas_.contains(*valor("idcliente")))
            arreglosTienda_.insert(id);
    } else if (t.nombre == QLatin1String("arreglos_detalles")) {
        sinPagar_ += valor("idcosturera").has_value() && valor("pagadoatrabajador") != 1;
        if (arreglosTienda_.contains(*valor("idarreglo")))
            deudaTiendas_ += valor("precio").value_or(0);
    } else if (t.nombre == QLatin1String("caja")) {
        if (valor("idarreglo") && arreglosTienda_.contains(*valor("idarreglo")))
            deudaTiendas_ -= valor("importe").value_or(0);
    }
}

void Importacion::SumarOrigen(const TablaEsquema &t, const std::vector<int> &fuente,
                              const std::vector<CampoCsv> &campos, QHash<QString, qint64> &sumas) const
{
    QString motivo;
    for (size_t i = 0; i < t.columnas.size(); ++i)
        if (t.columnas[i].tipo == TipoColumna::Importe && size_t(fuente[i]) < campos.size()
            && !campos[size_t(fuente[i])].texto.trimmed().isEmpty())
            if (const auto c = CentimosOrigen(campos[size_t(fuente[i])].texto, motivo))
                sumas[t.nombre + QLatin1Char('.') + t.columnas[i].nombre] += *c;
}

void Importacion::Tabla(const OrigenImportacion &origen, const TablaEsquema &t, ResultadoImportar &r)
{
    const QString nombre = origen.Nombre(t.nombre);
    if (nombre.isEmpty()) {
        r.avisos +=
            QString::fromUtf8("El origen no tiene la tabla %1: se queda como en la base de datos nueva.")
                .arg(t.nombre);
        return;
    }
    Avisar(t.nombre, 0);
    const qint64 contadas = origen.Filas(t.nombre);
    const QString texto = DecodificarTexto(origen.Leer(t.nombre, [&](qint64 lineas) {
        Avisar(t.nombre, contadas > 0 ? 0.5 * double(std::min(lineas, contadas)) / double(contadas) : 0);
    }));
    LectorCsv lector(texto);
    std::vector<CampoCsv> campos;
    // Which source field fills each column.
    std::vector<int> fuente(t.columnas.size(), -1);
    int ancho = 0;
    if (lector.Siguiente(campos)) {
        ancho = int(campos.size());
        for (int s = 0; s < ancho; ++s) {
            const int i = t.Columna(campos[size_t(s)].texto.trimmed());
            if (i < 0)
                r.avisos +=
                    QString::fromUtf8("La columna %1 de la tabla %2 no es de este programa: no se importa.")
                        .arg(campos[size_t(s)].texto.trimmed(), t.nombre);
            else
                fuente[size_t(i)] = s;
        }
    }
    // A column left empty would lose what the shop kept in it (every price of every order); only
    // those this program added since the old one may be missing.
    for (size_t i = 0; i < fuente.size(); ++i)
        if (fuente[i] < 0
            && std::none_of(std::begin(ColumnasAnadidas), std::end(ColumnasAnadidas),
                            [&](const ColumnaAnadida &c) {
                                return t.nombre == QLatin1String(c.tabla)
                                       && t.columnas[i].nombre == QLatin1String(c.columna);
                            }))
            throw ErrorIntercambio(
                QString::fromUtf8("La tabla %1 del origen no tiene la columna %2: sin ella se perderían sus "
                                  "datos. No se ha importado nada.")
                    .arg(t.nombre, t.columnas[i].nombre));

    // A first reading counts the rows, adds up their money and tells how the dates are written.
    LectorFechas fechas;
    qint64 total = 0;
    {
        LectorCsv cuenta(texto);
        cuenta.Siguiente(campos);
        while (cuenta.Siguiente(campos)) {
            ++total;
            for (size_t i = 0; i < fuente.size(); ++i)
                if (t.columnas[i].tipo == TipoColumna::Fecha && fuente[i] >= 0
                    && size_t(fuente[i]) < campos.size())
                    fechas.Observar(campos[size_t(fuente[i])].texto);
            SumarOrigen(t, fuente, campos, sumasOrigen_);
            if (contadas < 0 && total % 2000 == 0)
                Avisar(t.nombre, 0.5 * cuenta.Leido());
        }
    }
    if (contadas >= 0 && contadas != total)
        throw ErrorIntercambio(
            QString::fromUtf8("El archivo dice que la tabla %1 tiene %2 filas, pero solo se "
                              "han podido leer %3: está dañado o incompleto. No se ha "
                              "importado nada.")
                .arg(nombre)
                .arg(contadas)
                .arg(total));
    filasOrigen_[t.nombre] = total;
    if (const QString motivo = fechas.Decidir(); !motivo.isEmpty())
        throw ErrorIntercambio(QStringLiteral("Tabla %1: %2.").arg(t.nombre, motivo));

    tablas_ += t.nombre;
    // The rows a new database brings (staff, payment methods, parameters) give way to the shop's.
    c_.Ejecutar(QStringLiteral("delete from ") + t.nombre);
    QStringList nombres;
    for (const ColumnaEsquema &col : t.columnas)
        nombres += col.nombre;
    const QString cabecera =
        QStringLiteral("insert into %1 (%2) values ").arg(t.nombre, nombres.join(QLatin1Char(',')));
    const int clave = t.Columna(t.clave);
    const int linea =
        t.nombre == QLatin1String("arreglos_detalles") ? t.Columna(QStringLiteral("idarreglo")) : -1;
    // The counter finds a customer by telephone: one number, one customer.
    const int telefono =
        t.nombre == QLatin1String("clientes") ? fuente[size_t(t.Columna(QStringLiteral("telefono")))] : -1;
    QHash<QString, qint64> telefonos;
    QSet<qint64> claves;
    std::vector<std::optional<qint64>> numeros(t.columnas.size());
    QString sentencia;
    int enSentencia = 0;
    qint64 fila = 0, tomadas = 0;
    Avisar(t.nombre, 0.5, 0, total);
    while (lector.Siguiente(campos)) {
        ++fila;
        try {
            if (int(campos.size()) != ancho)
                throw FilaRechazada{
                    QString::fromUtf8("tiene %1 campos y la cabecera %2").arg(campos.size()).arg(ancho)};
            const QString valores = Valores(t, fuente, campos, fechas, numeros);
            if (clave >= 0 && claves.contains(*numeros[size_t(clave)]))
                throw FilaRechazada{
                    QString::fromUtf8("el número %1 está repetido").arg(*numeros[size_t(clave)])};
            if (linea >= 0 && (!numeros[size_t(linea)] || !arreglos_.contains(*numeros[size_t(linea)])))
                throw FilaRechazada{QString::fromUtf8("es una línea del arreglo %1, que no está en el origen")
                                        .arg(numeros[size_t(linea)] ? QString::number(*numeros[size_t(linea)])
                                                                    : QStringLiteral("(vacío)"))};
            if (telefono >= 0) {
                const QString numero = TextoOrigen(campos[size_t(telefono)].texto);
                if (const auto otro = telefonos.constFind(numero);
                    !numero.isEmpty() && otro != telefonos.cend())
                    throw FilaRechazada{
                        QString::fromUtf8("el teléfono %1 ya es del cliente %2").arg(numero).arg(*otro)};
                telefonos.insert(numero, *numeros[size_t(clave)]);
            }
            if (clave >= 0)
                claves.insert(*numeros[size_t(clave)]);
            Anotar(t, numeros);
            sentencia += (enSentencia ? QLatin1Char(',') : QLatin1Char(' ')) + valores;
            ++tomadas;
            if (++enSentencia == FilasPorSentencia) {
                c_.Ejecutar(cabecera + sentencia);
                sentencia.clear();
                enSentencia = 0;
            }
        } catch (const FilaRechazada &f) {
            Rechazar(t.nombre, fila, f.motivo, campos, lector.Separador());
            ++filasOmitidas_[t.nombre];
            SumarOrigen(t, fuente, campos, sumasOmitidas_);
        }
        if (fila % 2000 == 0)
            Avisar(t.nombre, 0.5 + 0.5 * double(fila) / double(total), tomadas, total);
    }
    if (enSentencia)
        c_.Ejecutar(cabecera + sentencia);
    Avisar(t.nombre, 1, tomadas, total);
    if (const qint64 n = filasOmitidas_.value(t.nombre))
        r.omitidasPorTabla +=
            QString::fromUtf8("%1: %2 de las %3 filas del origen").arg(t.nombre).arg(n).arg(total);
}

QString Importacion::Valor(const QString &sql)
{
    Recordset rs = c_.AbrirRecordset(sql);
    return NuloABlanco(rs.Campo(0));
}

std::vector<Comprobacion> Importacion::Comprobar()
{
    std::vector<Comprobacion> r;
    auto centimos = [&](const QString &sql) {
        Recordset rs = c_.AbrirRecordset(sql);
        return TextoCentimos(std::llround(NumeroDeValor(rs.Campo(0)) * 100));
    };
    for (const TablaEsquema &t : TablasEsquema()) {
        if (!tablas_.contains(t.nombre))
            continue;
        Avisar(QString(), 0.5);
        // Rows left out (omitirErroneas) are shown against the source's own count.
        const qint64 omitidas = filasOmitidas_.value(t.nombre), filas = filasOrigen_.value(t.nombre);
        r.push_back({QStringLiteral("Filas de ") + t.nombre, QString::number(filas),
                     Valor(QStringLiteral("select count(*) from ") + t.nombre),
                     omitidas ? QString::number(filas - omitidas) : QString(),
                     omitidas ? QString::fromUtf8("omitidas: %1").arg(omitidas) : QString()});
        for (const ColumnaEsquema &col : t.columnas)
            if (col.tipo == TipoColumna::Importe) {
                const QString campo = t.nombre + QLatin1Char('.') + col.nombre;
                const qint64 suma = sumasOrigen_.value(campo);
                const QString sinOmitidas = TextoCentimos(suma - sumasOmitidas_.value(campo));
                r.push_back({QStringLiteral("Suma de ") + campo, TextoCentimos(suma),
                             centimos(QStringLiteral("select sum(%1) from %2").arg(col.nombre, t.nombre)),
                             omitidas ? sinOmitidas : QString(),
                             omitidas ? QStringLiteral("sin las omitidas: ") + sinOmitidas : QString()});
            }
    }
    if (tablas_.contains(QLatin1String("arreglos"))) {
        r.push_back(
            {QString::fromUtf8("Último número de arreglo"), QString::number(mayorArreglo_),
             QString::number(qint64(NumeroDeValor(
                 c_.AbrirRecordset(QStringLiteral("select max(idarreglo) from arreglos")).Campo(0))))});
        r.push_back({QStringLiteral("Arreglos sin entregar"), QString::number(abiertos_),
                     Valor(QStringLiteral("select count(*) from arreglos where entregadoacliente is null or "
                                          "entregadoacliente <> 1"))});
    }
    if (tablas_.contains(QLatin1String("arreglos_detalles"))) {
        r.push_back(
            {QStringLiteral("Prendas sin pagar al trabajador"), QString::number(sinPagar_),
             Valor(QStringLiteral("select count(*) from arreglos_detalles where idcosturera is not null and "
                                  "(pagadoatrabajador is null or pagadoatrabajador <> 1)"))});
        r.push_back({QString::fromUtf8("Líneas sin su arreglo"), QStringLiteral("0"),
                     Valor(QStringLiteral("select count(*) from arreglos_detalles d where not exists "
                                          "(select 1 from arreglos a where a.idarreglo = d.idarreglo)"))});
    }
    if (tablas_.contains(QLatin1String("caja"))) {
        const QString deTiendas = QStringLiteral(
            " inner join arreglos a on a.idarreglo = x.idarreglo inner join clientes c on c.idcliente = "
            "a.idcliente where c.estienda = 1 and a.entregadoacliente = 1");
        r.push_back(
            {QStringLiteral("Deuda de las tiendas"), TextoCentimos(deudaTiendas_),
             centimos(QStringLiteral("select (select coalesce(sum(x.precio), 0) from arreglos_detalles x")
                      + deTiendas + QStringLiteral(") - (select coalesce(sum(x.importe), 0) from caja x")
                      + deTiendas + QLatin1Char(')'))});
    }
    const QString integridad =
        c_.motor() == Motor::SQLite
            ? Valor(QStringLiteral("pragma integrity_check"))
            : (Valor(QStringLiteral(
                   "select count(*) from pg_index i inner join pg_class t on t.oid = i.indrelid "
                   "where t.relnamespace = 'public'::regnamespace and not i.indisvalid"))
                       == QLatin1String("0")
                   ? QStringLiteral("ok")
                   : QString::fromUtf8("índices no válidos"));
    r.push_back({QStringLiteral("Integridad de la base de datos"), QStringLiteral("ok"), integridad});
    return r;
}

} // namespace

ResultadoImportar Importar(Conexion &conexion, const OpcionesImportar &opciones)
{
    ResultadoImportar r;
    try {
        const OrigenImportacion origen(opciones.origen);
        if (opciones.omitirErroneas && QFileInfo(opciones.origen).isDir()
            && QFileInfo(opciones.informe).absoluteDir() == QDir(opciones.origen))
            throw ErrorIntercambio(
                QString::fromUtf8("El informe de filas omitidas no puede ir en la carpeta de origen, "
                                  "que no se toca: indique otro con --informe."));
        if (Recordset rs = conexion.AbrirRecordset(QStringLiteral(
                "select (select count(*) from arreglos) + (select count(*) from clientes) as n"));
            NumeroDeValor(rs.Campo(0)) > 0)
            throw ErrorIntercambio(QString::fromUtf8(
                "La base de datos ya tiene arreglos o clientes: solo se importa en una base de datos recién "
                "creada (hilvan-admin init). No se ha importado nada."));
        const auto &tablas = TablasEsquema();
        for (const QString &n : origen.Tablas()) {
            if (std::none_of(tablas.begin(), tablas.end(), [&](const TablaEsquema &t) {
                    return t.nombre.compare(n, Qt::CaseInsensitive) == 0 || origen.Nombre(t.nombre) == n;
                }))
                r.avisos +=
                    QString::fromUtf8("La tabla %1 del origen no es de este programa: no se importa.").arg(n);
        }
        if (std::none_of(tablas.begin(), tablas.end(),
                         [&](const TablaEsquema &t) { return !origen.Nombre(t.nombre).isEmpty(); }))
            throw ErrorIntercambio(
                QString::fromUtf8("%1 no tiene ninguna tabla de la tienda (arreglos, clientes, "
                                  "caja...): no son los datos del programa anterior. No se "
                                  "ha importado nada.")
                    .arg(QFileInfo(opciones.origen).fileName()));
        // Without these a shop cannot start: its orders, customers, money, staff and parameters.
        for (const char *imprescindible : {"arreglos", "arreglos_detalles", "clientes", "caja", "costureras",
                                           "usuarios", "formaspago", "parametros"})
            if (origen.Nombre(QLatin1String(imprescindible)).isEmpty())
                throw ErrorIntercambio(
                    QString::fromUtf8("Al origen le falta la tabla %1, que la tienda necesita. "
                                      "No se ha importado nada.")
                        .arg(QLatin1String(imprescindible)));
        Importacion importacion(conexion, opciones);
        // Years of orders do not fit the embedded engine's usual page cache, which would write
        // half-built pages out and read them back; the import gets a larger one while it runs.
        const bool servidor = conexion.motor() == Motor::PostgreSQL;
        const QString cache =
            servidor ? QString()
                     : NuloABlanco(conexion.AbrirRecordset(QStringLiteral("pragma cache_size")).Campo(0));
        if (!servidor)
            conexion.Ejecutar(QStringLiteral("pragma cache_size = -262144"));
        struct Restaurar {
            Conexion &c;
            QString cache;
            ~Restaurar()
            {
                if (!cache.isEmpty())
                    try {
                        c.Ejecutar(QStringLiteral("pragma cache_size = ") + cache);
                    } catch (...) {
                    }
            }
        } restaurar{conexion, cache};
        Transaccion t(conexion);
        // On the server every row would move the counter of new numbers one at a time: it is moved
        // once, past the largest number, when everything has been checked (a counter moved is not
        // undone with the rest).
        QStringList contadores;
        for (const TablaEsquema &tabla : TablasEsquema()) {
            if (servidor && tabla.autonumerica && !origen.Nombre(tabla.nombre).isEmpty()) {
                contadores += tabla.nombre;
                if (!EsTablaAnadida(tabla.nombre))
                    conexion.Ejecutar(
                        QStringLiteral("alter table %1 disable trigger seguir_id").arg(tabla.nombre));
            }
            importacion.Tabla(origen, tabla, r);
        }
        r.omitidas = importacion.omitidas;
        r.comprobaciones = importacion.Comprobar();
        if (!std::all_of(r.comprobaciones.begin(), r.comprobaciones.end(),
                         [](const Comprobacion &c) { return c.Bien(); })) {
            r.error =
                QString::fromUtf8("Las comprobaciones no coinciden con el origen. No se ha importado nada.");
            return r;
        }
        importacion.Avisar(QString(), 1);
        for (const TablaEsquema &tabla : TablasEsquema()) {
            if (!contadores.contains(tabla.nombre))
                continue;
            conexion.Ejecutar(QStringLiteral("select setval(pg_get_serial_sequence('%1', '%2'), "
                                             "coalesce((select max(%2) from %1), 1), "
                                             "(select max(%2) from %1) is not null)")
                                  .arg(tabla.nombre, tabla.clave));
            if (!EsTablaAnadida(tabla.nombre))
                conexion.Ejecutar(
                    QStringLiteral("alter table %1 enable trigger seguir_id").arg(tabla.nombre));
        }
        t.Confirmar();
        r.ok = true;
    } catch (const ErrorIntercambio &e) {
        r.error = e.Mensaje();
    } catch (const ErrorBaseDatos &e) {
        r.error = e.Mensaje() + QStringLiteral(" No se ha importado nada.");
    }
    return r;
}

QString TablaComprobaciones(const std::vector<Comprobacion> &comprobaciones)
{
    int ancho = 12, anchoOrigen = 6, anchoBase = 13;
    for (const Comprobacion &c : comprobaciones) {
        ancho = std::max(ancho, int(c.que.size()));
        anchoOrigen = std::max(anchoOrigen, int(c.origen.size()));
        anchoBase = std::max(anchoBase, int(c.base.size()));
    }
    auto linea = [&](const QString &a, const QString &b, const QString &c, const QString &d) {
        return a.leftJustified(ancho) + QStringLiteral("  ") + b.rightJustified(anchoOrigen)
               + QStringLiteral("  ") + c.rightJustified(anchoBase) + QStringLiteral("  ") + d
               + QLatin1Char('\n');
    };
    QString r = linea(QString::fromUtf8("Comprobación"), QStringLiteral("Origen"),
                      QStringLiteral("Base de datos"), QString());
    for (const Comprobacion &c : comprobaciones)
        r += linea(c.que, c.origen, c.base,
                   (c.Bien() ? QStringLiteral("bien") : QStringLiteral("NO COINCIDE"))
                       + (c.nota.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(c.nota)));
    return r;
}
