#include "ClavePropietario.h"

#include "cash/RegistroOperaciones.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "core/Reloj.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace ClavePropietario {

namespace {

// PBKDF2-HMAC-SHA256 from Qt's own network module: no library of our own for a hash that must
// be slow, and nothing more to install. A PIN has few digits, so the hash is slowed down as far
// as a touch on the keypad allows (about a tenth of a second).
constexpr int Iteraciones = 150000;
constexpr int BytesSal = 16;
constexpr int BytesClave = 32;

QByteArray Derivar(const QString &pin, const QByteArray &sal, int iteraciones)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, pin.toUtf8(), sal, iteraciones,
                                              BytesClave);
}

} // namespace

Estado &EstadoActual()
{
    static Estado estado;
    return estado;
}

QString Cifrar(const QString &pin)
{
    quint32 bloques[BytesSal / sizeof(quint32)];
    QRandomGenerator::system()->fillRange(bloques);
    const QByteArray sal(reinterpret_cast<const char *>(bloques), sizeof bloques);
    return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
        .arg(Iteraciones)
        .arg(QString::fromLatin1(sal.toBase64()),
             QString::fromLatin1(Derivar(pin, sal, Iteraciones).toBase64()));
}

bool Coincide(const QString &guardado, const QString &pin)
{
    const QStringList partes = guardado.split(QLatin1Char('$'));
    if (partes.size() != 4 || partes[0] != QLatin1String("pbkdf2-sha256"))
        return false;
    const int iteraciones = partes[1].toInt();
    if (iteraciones <= 0)
        return false;
    const QByteArray esperada = QByteArray::fromBase64(partes[3].toLatin1());
    const QByteArray calculada = Derivar(pin, QByteArray::fromBase64(partes[2].toLatin1()), iteraciones);
    // Compared whole, so that the time taken says nothing of how much matched.
    if (esperada.size() != calculada.size())
        return false;
    unsigned char distinto = 0;
    for (qsizetype i = 0; i < esperada.size(); ++i)
        distinto |= static_cast<unsigned char>(esperada[i] ^ calculada[i]);
    return distinto == 0;
}

bool Valido(const QString &pin)
{
    static const QRegularExpression cifras(QStringLiteral("^[0-9]{4,8}$"));
    return cifras.match(pin).hasMatch();
}

QString Guardado()
{
    Recordset rs = AbrirRecordset(QStringLiteral("select pin from parametros"));
    return rs.HayFilas() ? NuloABlanco(rs.Campo(0)) : QString();
}

namespace {

QString CodigoGuardado()
{
    Recordset rs = AbrirRecordset(QStringLiteral("select pinrecuperacion from parametros"));
    return rs.HayFilas() ? NuloABlanco(rs.Campo(0)) : QString();
}

// Sixteen digits: a code nobody guesses, typed once in a while at a terminal.
QString CodigoNuevo()
{
    QString codigo;
    for (int i = 0; i < 16; ++i) {
        if (i > 0 && i % 4 == 0)
            codigo += QLatin1Char('-');
        codigo += QChar(u'0' + QRandomGenerator::system()->bounded(10));
    }
    return codigo;
}

QString SoloCifras(const QString &texto)
{
    QString cifras;
    for (const QChar c : texto)
        if (c.isDigit())
            cifras += c;
    return cifras;
}

QString Hora(const QDateTime &momento)
{
    return momento.toString(QStringLiteral("HH:mm"));
}

QString Minutos(int minutos)
{
    if (minutos == 60)
        return QStringLiteral("una hora");
    return minutos == 1 ? QStringLiteral("un minuto") : QStringLiteral("%1 minutos").arg(minutos);
}

QString Bloqueado(const QDateTime &hasta)
{
    return QString::fromUtf8("Se ha tecleado un PIN equivocado demasiadas veces. No se podrá volver a "
                             "intentar hasta las %1.")
        .arg(Hora(hasta));
}

} // namespace

bool TieneCodigoRecuperacion()
{
    return !CodigoGuardado().isEmpty();
}

QString Guardar(const QString &pin, const QString &quien, const QString &tipo)
{
    const QString codigo = pin.isEmpty() ? QString() : CodigoNuevo();
    const QString valores = pin.isEmpty()
                                ? QStringLiteral("pin = null, pinrecuperacion = null")
                                : QStringLiteral("pin = %1, pinrecuperacion = %2")
                                      .arg(ComillasSQL(Cifrar(pin)), ComillasSQL(Cifrar(SoloCifras(codigo))));
    Transaccion t(Bd());
    if (Bd().Ejecutar(QStringLiteral("update parametros set pinfallos = 0, pinbloqueo = null, ") + valores)
        == 0) {
        Bd().Ejecutar(QStringLiteral("insert into parametros (pinfallos) values (0)"));
        Bd().Ejecutar(QStringLiteral("update parametros set ") + valores);
    }
    const QString &clase = !tipo.isEmpty() ? tipo
                           : pin.isEmpty() ? Operacion::PinQuitado
                                           : Operacion::PinPuesto;
    AnotarOperacion(clase, QString(), 0, std::nullopt, quien);
    t.Confirmar();
    return codigo;
}

bool CodigoBueno(const QString &codigo)
{
    const QString guardado = CodigoGuardado();
    return !guardado.isEmpty() && Coincide(guardado, SoloCifras(codigo));
}

QString AvisoBloqueo()
{
    Recordset rs = AbrirRecordset(QStringLiteral("select pinbloqueo from parametros"));
    const QDateTime hasta = rs.HayFilas() ? rs.Campo(0).toDateTime() : QDateTime();
    return hasta.isValid() && RelojPrograma().Ahora() < hasta ? Bloqueado(hasta) : QString();
}

bool Comprobar(const QString &pin, QString &aviso, const QString &quien)
{
    // Compared before the row is taken: the slow hash does not hold up the other counters.
    const bool bueno = Coincide(Guardado(), pin);
    Transaccion t(Bd());
    // Taken first, so that two counters counting at once take turns and both tries count.
    Bd().Ejecutar(QStringLiteral("update parametros set pinfallos = coalesce(pinfallos, 0)"));
    Recordset rs = AbrirRecordset(QStringLiteral("select pinfallos, pinbloqueo from parametros"));
    if (!rs.HayFilas()) { // no row, no PIN: nothing is right
        aviso = QStringLiteral("PIN equivocado.");
        return false;
    }
    const QDateTime ahora = RelojPrograma().Ahora();
    const QDateTime hasta = rs.Campo(1).toDateTime();
    // Another counter may have locked it while this PIN was being typed.
    if (hasta.isValid() && ahora < hasta) {
        aviso = Bloqueado(hasta);
        return false;
    }
    if (bueno) {
        Bd().Ejecutar(QStringLiteral("update parametros set pinfallos = 0, pinbloqueo = null"));
        t.Confirmar();
        aviso.clear();
        return true;
    }
    const int fallos = rs.Campo(0).toInt() + 1;
    QString bloqueo = QStringLiteral("null");
    aviso = QStringLiteral("PIN equivocado.");
    if (fallos % FallosParaBloquear == 0) {
        const int vez = std::min<int>(fallos / FallosParaBloquear, std::size(MinutosBloqueo)) - 1;
        const int minutos = MinutosBloqueo[vez];
        const QDateTime fin = ahora.addSecs(60 * minutos);
        bloqueo = LiteralFechaSQL(fin);
        aviso = QString::fromUtf8("PIN equivocado %1 veces seguidas: no se podrá volver a intentar hasta "
                                  "dentro de %2, a las %3.")
                    .arg(fallos)
                    .arg(Minutos(minutos), Hora(fin));
        AnotarOperacion(Operacion::PinBloqueado,
                        QString::fromUtf8("%1 PIN equivocados seguidos: bloqueado %2, hasta las %3")
                            .arg(fallos)
                            .arg(Minutos(minutos), Hora(fin)),
                        0, std::nullopt, quien);
    }
    Bd().Ejecutar(QStringLiteral("update parametros set pinfallos = %1, pinbloqueo = %2")
                      .arg(QString::number(fallos), bloqueo));
    t.Confirmar();
    return false;
}

namespace {

// The current PIN on the keypad, through the shop's count of wrong tries; tells why when refused.
bool PedirActual(const QString &titulo)
{
    const QString bloqueado = AvisoBloqueo();
    if (!bloqueado.isEmpty()) {
        Dlg().Mensaje(bloqueado);
        return false;
    }
    const QString pin = Dlg().PadClave(titulo);
    if (pin.isEmpty())
        return false;
    QString aviso;
    if (Comprobar(pin, aviso))
        return true;
    Dlg().Mensaje(aviso);
    return false;
}

} // namespace

bool Pedir()
{
    Estado &e = EstadoActual();
    if (e.dentro || Guardado().isEmpty())
        return true;
    e.dentro = PedirActual(QStringLiteral("PIN del propietario"));
    return e.dentro;
}

void Salir()
{
    EstadoActual().dentro = false;
}

void CambiarConTeclado()
{
    if (!Guardado().isEmpty() && !PedirActual(QStringLiteral("PIN actual del propietario")))
        return;
    const QString pin = Dlg().PadClave(QString::fromUtf8("PIN nuevo del propietario (de 4 a 8 cifras)"));
    if (pin.isEmpty())
        return;
    if (!Valido(pin)) {
        Dlg().Mensaje(QString::fromUtf8("El PIN debe tener de 4 a 8 cifras. No se ha cambiado nada."));
        return;
    }
    if (Dlg().PadClave(QStringLiteral("Repita el PIN nuevo")) != pin) {
        Dlg().Mensaje(QString::fromUtf8("Los dos PIN no coinciden. No se ha cambiado nada."));
        return;
    }
    const QString codigo = Guardar(pin);
    EstadoActual().dentro = true;
    Dlg().Mensaje(MensajeGuardado(codigo));
}

void QuitarConPregunta()
{
    if (Guardado().isEmpty()) {
        Dlg().Mensaje(QString::fromUtf8("No hay ningún PIN puesto."));
        return;
    }
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿Quitar el PIN del propietario?\r\nCualquiera podrá abrir la "
                                            "caja, las cuentas y la configuración."))
            != Dialogos::Si
        || !PedirActual(QStringLiteral("PIN actual del propietario")))
        return;
    Guardar(QString());
    Dlg().Mensaje(QStringLiteral("PIN quitado."));
}

QString TextoCodigo(const QString &codigo)
{
    return QString::fromUtf8("Código de recuperación: %1\r\nApúntelo y guárdelo fuera de la tienda: si "
                             "olvida el PIN, con este código y la orden hilvan-admin pin --olvidado pondrá "
                             "uno nuevo. Sirve una sola vez y deja de servir al cambiar el PIN.")
        .arg(codigo);
}

QString MensajeGuardado(const QString &codigo)
{
    return QString::fromUtf8("PIN guardado. Desde ahora se pedirá para abrir la caja, las cuentas, los datos "
                             "y la configuración.\r\n\r\n")
           + TextoCodigo(codigo);
}

QString ValoresFila()
{
    Recordset rs = AbrirRecordset(QStringLiteral("select ") + QLatin1String(ColumnasFila)
                                  + QStringLiteral(" from parametros"));
    const auto texto = [&rs](int i) {
        return rs.HayFilas() && !NuloABlanco(rs.Campo(i)).isEmpty() ? ComillasSQL(NuloABlanco(rs.Campo(i)))
                                                                    : QStringLiteral("null");
    };
    const QDateTime hasta = rs.HayFilas() ? rs.Campo(3).toDateTime() : QDateTime();
    return QStringList{texto(0), texto(1), QString::number(rs.HayFilas() ? rs.Campo(2).toInt() : 0),
                       hasta.isValid() ? LiteralFechaSQL(hasta) : QStringLiteral("null")}
        .join(QStringLiteral(", "));
}

} // namespace ClavePropietario
