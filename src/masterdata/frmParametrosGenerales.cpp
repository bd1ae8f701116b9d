#include "frmParametrosGenerales.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "menu/ClavePropietario.h"
#include "printing/DireccionImpresora.h"
#include "printing/SalidaSerie.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString EjemploSerie = QStringLiteral("9600,n,8,1");
const QString EjemploUsb = QStringLiteral("/dev/usb/lp0");
const QString EjemploRed = QStringLiteral("tcp://192.168.1.50:9100");

} // namespace

void frmParametrosGenerales::CargarFormulario(const std::function<void()> &mostrar)
{
    LlenarComs();
    LeerPin();
    Recordset rs = AbrirRecordset(QStringLiteral("select * from parametros"));
    if (rs.HayFilas()) {
        auto campo = [&rs](const char *c) { return NuloABlanco(rs.Campo(QString::fromLatin1(c))).trimmed(); };
        txtEmpresa = campo("nombretienda");
        txtNombre = campo("nombre");
        txtNif = campo("nif");
        txtDireccion = campo("direccion");
        txtTelefono = campo("telefono");
        txtCodPostal = campo("cp");
        txtLocalidad = campo("localidad");
        txtPie1 = campo("pie1");
        txtpie2 = campo("pie2");
        txtPie3 = campo("pie3");
        txtPie4 = campo("pie4");
        txtPie5 = campo("pie5");
        txtPie6 = campo("pie6");
        txtPie7 = campo("pie7");
        txtConfPuerto = campo("parametrospuerto");
        txtAnchuraCarro = campo("anchuracarro");
        txtCarpetaCopias2 = campo("carpetacopias2");
        const DireccionImpresora d = DireccionImpresora::Leer(campo("puertocom"), txtConfPuerto);
        if (d.tipo == DireccionImpresora::Dispositivo)
            cmbComsIndice = int(cmbComs.size()) - 2;
        else if (d.tipo == DireccionImpresora::Red)
            cmbComsIndice = int(cmbComs.size()) - 1;
        else
            SeleccionarTexto(QStringLiteral("COM") + QString::number(d.puerto));
    } else {
        cmbComsIndice = 0;
    }
    cmbComs_Click(cmbComsIndice);
    Abierto = true;
    SalirDelPrograma = false;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmParametrosGenerales::LlenarComs()
{
    cmbComs.clear();
    cmbComs.append({QStringLiteral("Vista previa en pantalla"), 0});
    for (int n = 1; n <= 16; ++n)
        cmbComs.append({QStringLiteral("COM") + QString::number(n), n});
    cmbComs.append({QStringLiteral("Impresora USB"), ImpresoraUsb});
    cmbComs.append({QStringLiteral("Impresora de red"), ImpresoraRed});
    cmbComsIndice = -1;
}

void frmParametrosGenerales::SeleccionarTexto(const QString &texto)
{
    if (texto == QLatin1String("COM0")) {
        cmbComsIndice = 0;
        return;
    }
    for (int i = 0; i < cmbComs.size(); ++i) {
        if (cmbComs[i].texto == texto) {
            cmbComsIndice = i;
            return;
        }
    }
    // A port beyond COM16 set by other means stays choosable as it is.
    cmbComs.insert(17, {texto, int(Val(texto.mid(3)))});
    cmbComsIndice = 17;
}

void frmParametrosGenerales::cmbComs_Click(int indice)
{
    cmbComsIndice = indice;
    const int dato = DatoElegido();
    const QString texto = txtConfPuerto.trimmed();
    const bool esRuta = texto.startsWith(QLatin1Char('/'));
    const bool esRed = texto.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive);
    if (dato == ImpresoraUsb) {
        lblConfPuerto = QStringLiteral("Dispositivo de la impresora");
        if (!esRuta)
            txtConfPuerto = EjemploUsb;
    } else if (dato == ImpresoraRed) {
        lblConfPuerto = QString::fromUtf8("Dirección de la impresora de red");
        if (!esRed)
            txtConfPuerto = EjemploRed;
    } else {
        lblConfPuerto = QString::fromUtf8("Configuración del puerto");
        if (esRuta || esRed)
            txtConfPuerto = EjemploSerie;
    }
}

QString frmParametrosGenerales::Validar(QString &parametrospuerto) const
{
    const std::pair<const QString *, const char *> campos[] = {
        {&txtEmpresa, "Empresa"},
        {&txtNombre, "Nombre"},
        {&txtNif, "NIF"},
        {&txtDireccion, "Dirección"},
        {&txtTelefono, "Teléfono"},
        {&txtCodPostal, "Código postal"},
        {&txtLocalidad, "Localidad"},
        {&txtPie1, "Pie del ticket, línea 1"},
        {&txtpie2, "Pie del ticket, línea 2"},
        {&txtPie3, "Pie del ticket, línea 3"},
        {&txtPie4, "Pie del ticket, línea 4"},
        {&txtPie5, "Pie del ticket, línea 5"},
        {&txtPie6, "Pie del ticket, línea 6"},
        {&txtPie7, "Pie del ticket, línea 7"},
        {&txtConfPuerto, "Configuración del puerto"},
        {&txtCarpetaCopias2, "Segunda carpeta de copias"}};
    for (const auto &[texto, campo] : campos) {
        const QString motivo = MotivoTextoNoAdmitido(*texto, QString::fromUtf8(campo));
        if (!motivo.isEmpty())
            return motivo;
    }
    static const QRegularExpression entero(QStringLiteral("^\\d{1,3}$"));
    const QString anchura = txtAnchuraCarro.trimmed();
    if (!entero.match(anchura).hasMatch() || anchura.toInt() < 20 || anchura.toInt() > 80)
        return QString::fromUtf8("Anchura del ticket: escriba un número entero de caracteres entre 20 y 80.");

    const QString carpeta = txtCarpetaCopias2.trimmed();
    if (!carpeta.isEmpty() && (!QDir::isAbsolutePath(carpeta) || !QFileInfo(carpeta).isDir()))
        return QString::fromUtf8(
            "Segunda carpeta de copias: escriba la ruta completa de una carpeta que "
            "exista, con el disco USB conectado (por ejemplo /media/usb/copias), o déjela "
            "vacía.");

    const int dato = DatoElegido();
    parametrospuerto = txtConfPuerto.trimmed();
    if (dato == ImpresoraUsb) {
        if (!parametrospuerto.startsWith(QLatin1Char('/')) || parametrospuerto.contains(QLatin1Char(' ')))
            return QString::fromUtf8(
                       "Dispositivo de la impresora: escriba la ruta del dispositivo, por ejemplo ")
                   + EjemploUsb + QLatin1Char('.');
    } else if (dato == ImpresoraRed) {
        QString host;
        int puerto = 0;
        if (!DireccionImpresora::LeerRed(parametrospuerto, host, puerto))
            return QString::fromUtf8("Dirección de la impresora de red: escriba tcp://DIRECCIÓN o "
                                     "tcp://DIRECCIÓN:PUERTO, por ejemplo ")
                   + EjemploRed + QLatin1Char('.');
        parametrospuerto =
            QStringLiteral("tcp://")
            + (host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host)
            + (puerto != PuertoImpresoraRed ? QLatin1Char(':') + QString::number(puerto) : QString());
    } else if (!(dato == 0 && parametrospuerto.isEmpty())
               && !SalidaSerie::AjustesUtilizables(parametrospuerto)) {
        return QString::fromUtf8(
                   "Configuración del puerto: escriba velocidad, paridad, bits de datos y bits de "
                   "parada que admita el puerto, por ejemplo ")
               + EjemploSerie
               + QString::fromUtf8(" (velocidades de 1200 a 115200; paridad n, e, o, m o s; "
                                   "5 a 8 bits de datos; 1 o 2 bits de parada).");
    }
    return {};
}

bool frmParametrosGenerales::cmdAceptar_Click()
{
    QString parametrospuerto;
    const QString error = Validar(parametrospuerto);
    if (!error.isEmpty()) {
        Dlg().Mensaje(error);
        return false;
    }
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿Desea actualizar los cambios?")) != Dialogos::Si)
        return false;

    // The USB and network printers are named by their address; their port number is 0.
    const QString puertocom = QString::number(qMax(DatoElegido(), 0));
    const QStringList valores = {txtEmpresa,
                                 txtNombre,
                                 txtNif,
                                 txtDireccion,
                                 txtTelefono,
                                 txtCodPostal,
                                 txtLocalidad,
                                 txtPie1,
                                 txtpie2,
                                 txtPie3,
                                 txtPie4,
                                 txtPie5,
                                 txtPie6,
                                 txtPie7,
                                 puertocom,
                                 parametrospuerto,
                                 txtAnchuraCarro.trimmed(),
                                 txtCarpetaCopias2.trimmed()};
    QStringList sql;
    for (const QString &v : valores)
        sql.append(ComillasSQL(v));
    {
        Transaccion t(Bd());
        // The shop has one row of parameters: two counters saving at once take turns, and the
        // second replaces the first's row instead of adding its own.
        if (G().EsSqlServer)
            Bd().Ejecutar(QStringLiteral("lock table parametros in exclusive mode"));
        // The owner's PIN is not on this form: the row keeps it, its wrong tries and lock too.
        sql.append(ClavePropietario::ValoresFila());
        Bd().Ejecutar(QStringLiteral("delete from parametros"));
        Bd().Ejecutar(
            QStringLiteral("insert into parametros (nombretienda, nombre, nif, direccion,telefono, cp, "
                           "localidad, pie1, pie2, pie3, pie4, pie5, pie6, pie7, puertocom, "
                           "parametrospuerto, anchuracarro, carpetacopias2, ")
            + QLatin1String(ClavePropietario::ColumnasFila) + QStringLiteral(") values (")
            + sql.join(QStringLiteral(", ")) + QStringLiteral(")"));
        t.Confirmar();
    }
    txtConfPuerto = parametrospuerto;
    Dlg().Mensaje(QString::fromUtf8("Datos de configuración guardados"));
    SalirDelPrograma =
        Dlg().MensajeSiNo(QString::fromUtf8("Para que los cambios surtan efecto, debe cerrar el "
                                            "programa.\r\n¿Desea hacerlo ahora?"))
        == Dialogos::Si;
    Abierto = false;
    return true;
}

void frmParametrosGenerales::cmdPin_Click()
{
    ClavePropietario::CambiarConTeclado();
    LeerPin();
}

void frmParametrosGenerales::cmdQuitarPin_Click()
{
    ClavePropietario::QuitarConPregunta();
    LeerPin();
}

void frmParametrosGenerales::LeerPin()
{
    const bool puesto = !ClavePropietario::Guardado().isEmpty();
    cmdPinCaption = puesto ? QStringLiteral("Cambiar PIN") : QStringLiteral("Poner PIN");
    cmdQuitarPinVisible = puesto;
}
