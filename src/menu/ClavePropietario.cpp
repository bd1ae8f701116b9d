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

void Guardar(const QString &pin, const QString &quien)
{
    Transaccion t(Bd());
    const QString valor = pin.isEmpty() ? QStringLiteral("null") : ComillasSQL(Cifrar(pin));
    if (Bd().Ejecutar(QStringLiteral("update parametros set pin = ") + valor) == 0)
        Bd().Ejecutar(QStringLiteral("insert into parametros (pin) values (") + valor + QStringLiteral(")"));
    AnotarOperacion(pin.isEmpty() ? Operacion::PinQuitado : Operacion::PinPuesto, QString(), 0, std::nullopt,
                    quien);
    t.Confirmar();
}

bool Pedir()
{
    Estado &e = EstadoActual();
    if (e.dentro)
        return true;
    const QString guardado = Guardado();
    if (guardado.isEmpty())
        return true;
    const QDateTime ahora = RelojPrograma().Ahora();
    if (e.bloqueadoHasta.isValid() && ahora < e.bloqueadoHasta) {
        Dlg().Mensaje(QString::fromUtf8("Se ha tecleado un PIN equivocado demasiadas veces. Espere un "
                                        "minuto y vuelva a intentarlo."));
        return false;
    }
    const QString pin = Dlg().PadClave(QStringLiteral("PIN del propietario"));
    if (pin.isEmpty())
        return false;
    if (Coincide(guardado, pin)) {
        e = Estado{true, 0, {}};
        return true;
    }
    if (++e.fallos >= FallosParaBloquear) {
        e.fallos = 0;
        e.bloqueadoHasta = ahora.addSecs(SegundosBloqueo);
        Dlg().Mensaje(QString::fromUtf8("PIN equivocado cinco veces seguidas: no se podrá volver a intentar "
                                        "hasta dentro de un minuto."));
    } else {
        Dlg().Mensaje(QStringLiteral("PIN equivocado."));
    }
    return false;
}

void Salir()
{
    EstadoActual().dentro = false;
}

void CambiarConTeclado()
{
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
    Guardar(pin);
    EstadoActual().dentro = true;
    Dlg().Mensaje(QString::fromUtf8("PIN guardado. Desde ahora se pedirá para abrir la caja, las cuentas, "
                                    "los datos y la configuración."));
}

void QuitarConPregunta()
{
    if (Guardado().isEmpty()) {
        Dlg().Mensaje(QString::fromUtf8("No hay ningún PIN puesto."));
        return;
    }
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿Quitar el PIN del propietario?\r\nCualquiera podrá abrir la "
                                            "caja, las cuentas y la configuración."))
        != 6)
        return;
    Guardar(QString());
    Dlg().Mensaje(QStringLiteral("PIN quitado."));
}

} // namespace ClavePropietario
