#include "Mostrador.h"

#include "AyudasGrid.h"
#include "core/Programa.h"
#include "demo/Demo.h"
#include "masterdata/frmFIchaCliente.h"

#include <utility>

using namespace Qt::StringLiterals;

QString PantallasMostrador::Colores()
{
    ++aperturasColores;
    return Sacar(colores);
}

void PantallasMostrador::FichaCliente(const QString &telefono, int idcliente)
{
    fichas.append(telefono + u'/' + QString::number(idcliente));
    frmFIchaCliente ficha;
    ficha.CargarFormulario(telefono, idcliente, [&] {
        if (nombreNuevo.isEmpty())
            return;
        ficha.txtNombre = nombreNuevo;
        ficha.cmdAceptar_Click();
    });
}

int PantallasMostrador::AnchoTextoTwips(const QString &texto) const
{
    if (alMedir)
        std::exchange(alMedir, nullptr)();
    return int(texto.size()) * 100;
}

Mostrador::Mostrador()
{
    LlenarDemo(b.conexion, QDate(2026, 12, 5));
    for (const char *tabla : {"caja", "arreglos_detalles", "arreglos"})
        b.conexion.Ejecutar(u"delete from "_s + QString::fromLatin1(tabla));
    G().salidaTickets = &impresora;
    G().NombreCierre = u"20261205"_s;
    p.ReiniciarVenta();
}

void Mostrador::Familia(const QString &nombre)
{
    p.gridFamilias.Row = FilaDeTexto(p.gridFamilias, 1, nombre);
    p.gridFamilias_Click();
}

void Mostrador::Producto(const QString &nombre)
{
    p.gridProductos.Row = FilaDeTexto(p.gridProductos, 1, nombre);
    p.gridProductos_Click();
}

void Mostrador::Tocar(int fila, int columna)
{
    p.gridTPV.Row = fila;
    p.gridTPV.Col = columna;
    p.gridTPV_Click();
}

void Mostrador::Prenda(const QString &familia, const QStringList &productos, const QString &fecha)
{
    Familia(familia);
    const int separador = p.gridTPV.Rows() - 1;
    for (const QString &producto : productos)
        Producto(producto);
    if (!fecha.isEmpty()) {
        dialogos.calendario.push_back(fecha);
        Tocar(separador, frmPrincipal::ColFecha);
    }
    p.cmdVerFamilias_Click();
}

void Mostrador::PedidoDeDosPrendas()
{
    Prenda(u"Pantalón"_s, {u"Bajo"_s, u"Meter cintura"_s}, u"10/12/2026"_s);
    Prenda(u"Falda"_s, {u"Bajo"_s}, u"12/12/2026"_s);
    Cliente(1);
}

void Mostrador::Cliente(int idcliente, bool tienda)
{
    p.IdClienteVenta = idcliente;
    p.ClienteEsTienda = tienda ? 1 : 0;
}

void Mostrador::Entregado(const QString &cantidad)
{
    dialogos.pad.push_back(cantidad);
    p.cmdPendiente_Click();
}

int Mostrador::Guardar(int idarreglo)
{
    int n = -1;
    p.GuardarArreglo(idarreglo, n);
    return n;
}

void Mostrador::Reabrir(int idarreglo, bool paraEntregar, const std::function<void()> &alLeer)
{
    p.ReiniciarVenta();
    p.EntregandoArreglo = paraEntregar;
    pantallas.alMedir = alLeer;
    p.CargarArreglo(idarreglo, paraEntregar);
}

void Mostrador::Acabar(int idusuario, std::initializer_list<int> respuestas)
{
    dialogos.usuarios = {idusuario};
    dialogos.siNo = respuestas;
    p.cmdAcabarEncargo_Click();
}

QStringList Mostrador::Columna(int columna) const
{
    return TextosColumna(p.gridTPV, columna);
}

QString Mostrador::Volcado()
{
    const QMap<QString, QStringList> todo = b.Contenido();
    QString r;
    for (const QString &tabla : {u"arreglos"_s, u"arreglos_detalles"_s, u"caja"_s})
        r += todo.value(tabla).join(u'\n') + u"\n--\n"_s;
    return r;
}

QString PantallaDe(const frmPrincipal &p)
{
    QString r;
    for (int f = 0; f < p.gridTPV.Rows(); ++f)
        for (int c = 0; c < p.gridTPV.Cols(); ++c)
            r += p.gridTPV.TextMatrix(f, c) + u'|';
    for (const QString &t : {p.txtTotal, p.txtSenal, p.txtEntregado, p.txtPendiente, p.txtCambio,
                             p.txtFechaEntrega, p.lblNumReferencia, p.cmdFormasPagoCaption})
        r += t + u'|';
    for (int v : {p.IdClienteVenta, p.IdArregloVenta, p.ClienteEsTienda, int(p.ArregloCargado),
                  p.IdUsuarioVenta, p.IdFormaPagoVenta, int(p.EntregarAlAcabar), int(p.EntregandoArreglo)})
        r += QString::number(v) + u'|';
    return r;
}

bool Mostrador::PantallaVacia() const
{
    return p.gridTPV.Rows() == 1 && p.IdArregloVenta == 0 && p.IdClienteVenta == 0 && p.IdUsuarioVenta == 0
           && p.txtTotal == QLatin1String("0.00") && p.txtEntregado == QLatin1String("0.00")
           && !p.ArregloCargado && !p.EntregarAlAcabar && !p.EntregandoArreglo;
}
