#include "DireccionImpresora.h"

#include "SalidaArchivo.h"
#include "SalidaRed.h"
#include "SalidaSerie.h"
#include "core/Formato.h"

namespace {

const QString PrefijoRed = QStringLiteral("tcp://");

} // namespace

bool DireccionImpresora::LeerRed(const QString &texto, QString &host, int &puerto)
{
    QString resto = texto.trimmed();
    if (resto.startsWith(PrefijoRed, Qt::CaseInsensitive))
        resto = resto.mid(PrefijoRed.size());
    puerto = PuertoImpresoraRed;
    // [v6 address]:port, or host:port with a single colon.
    if (resto.startsWith(QLatin1Char('['))) {
        const int cierre = int(resto.indexOf(QLatin1Char(']')));
        if (cierre < 0)
            return false;
        host = resto.mid(1, cierre - 1);
        resto = resto.mid(cierre + 1);
        if (!resto.isEmpty() && !resto.startsWith(QLatin1Char(':')))
            return false;
        resto = resto.mid(1);
    } else if (resto.count(QLatin1Char(':')) == 1) {
        host = resto.section(QLatin1Char(':'), 0, 0);
        resto = resto.section(QLatin1Char(':'), 1);
    } else {
        host = resto;
        resto.clear();
    }
    if (!resto.isEmpty()) {
        bool ok = false;
        puerto = resto.toInt(&ok);
        if (!ok || puerto < 1 || puerto > 65535)
            return false;
    }
    return !host.isEmpty() && !host.contains(QLatin1Char(' ')) && !host.contains(QLatin1Char('/'));
}

DireccionImpresora DireccionImpresora::Leer(const QString &puertocom, const QString &parametrospuerto)
{
    DireccionImpresora d;
    const QString texto = parametrospuerto.trimmed();
    if (texto.startsWith(QLatin1Char('/'))) {
        d.tipo = Dispositivo;
        d.ruta = texto;
    } else if (texto.startsWith(PrefijoRed, Qt::CaseInsensitive)) {
        d.tipo = Red;
        if (!LeerRed(texto, d.host, d.puerto))
            d.host.clear(); // a printer that is nowhere: every line is lost
    } else {
        d.puerto = int(Val(puertocom));
        d.tipo = d.puerto > 0 ? Serie : Pantalla;
        d.ajustes = texto;
    }
    return d;
}

QString DireccionImpresora::Descripcion() const
{
    switch (tipo) {
    case Serie:
        return QStringLiteral("puerto serie COM%1 (%2, %3)")
            .arg(puerto)
            .arg(SalidaSerie::Dispositivo(puerto), ajustes);
    case Dispositivo:
        return QStringLiteral("dispositivo ") + ruta;
    case Red:
        return QStringLiteral("impresora de red %1, puerto %2").arg(host).arg(puerto);
    case Pantalla:
        break;
    }
    return QStringLiteral("vista previa en pantalla");
}

std::unique_ptr<SalidaTickets> CrearSalidaImpresora(const DireccionImpresora &d)
{
    switch (d.tipo) {
    case DireccionImpresora::Serie:
        return std::make_unique<SalidaSerie>(d.puerto, d.ajustes);
    case DireccionImpresora::Dispositivo:
        return std::make_unique<SalidaArchivo>(d.ruta);
    case DireccionImpresora::Red:
        return std::make_unique<SalidaRed>(d.host, quint16(d.puerto));
    case DireccionImpresora::Pantalla:
        break;
    }
    return nullptr;
}
