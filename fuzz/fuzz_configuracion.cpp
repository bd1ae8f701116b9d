#include "Entrada.h"
#include "core/Configuracion.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tam)
{
    static QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("bdcostuaccess.dat"));
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    f.write(reinterpret_cast<const char *>(datos), static_cast<qint64>(tam));
    f.close();
    const Configuracion c = LeerConfiguracion(ruta);
    if (c.existe && !c.vacio) {
        if (c.UsaServidor())
            (void)c.Servidor();
        else
            (void)c.ArchivoBaseDatos();
    }
    return 0;
}
