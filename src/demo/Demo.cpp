#include "demo/Demo.h"

#include "core/Conexion.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"

#include <QDateTime>
#include <map>
#include <vector>

namespace {

struct ProductoDemo {
    int familia;
    const char *nombre;
    double p1, p2, p3;
    int activo;
};

// Ids follow the order of insertion; product 21 is the same-day service, which dates its
// garment for today on the sale screen.
const std::vector<ProductoDemo> &Productos()
{
    static const std::vector<ProductoDemo> p = {
        {1, "Bajo", 8, 6, 3, 0},
        {1, "Bajo con vuelta", 10, 8, 4, 0},
        {1, "Meter cintura", 12, 9, 5, 0},
        {1, "Sacar cintura", 12, 9, 5, 0},
        {1, "Estrechar pernera", 15, 12, 6, 0},
        {1, "Cambiar cremallera", 10, 8, 4, 0},
        {2, "Bajo", 9, 7, 3.5, 0},
        {2, "Meter cintura", 11, 8.5, 4.5, 0},
        {2, "Cambiar cremallera", 10, 8, 4, 0},
        {3, "Bajo", 14, 11, 6, 0},
        {3, "Meter costados", 16, 12, 7, 0},
        {3, "Acortar tirantes", 7, 5.5, 3, 0},
        {3, "Entallar", 18, 14, 8, 0},
        {4, "Acortar mangas", 18, 14, 8, 0},
        {4, "Meter costados", 20, 16, 9, 0},
        {4, "Cambiar forro", 45, 36, 20, 0},
        {4, "Cambiar botones", 6, 4.5, 2, 0},
        {5, "Acortar mangas", 10, 8, 4, 0},
        {5, "Entallar", 12, 9, 5, 0},
        {5, "Cambiar puños", 14, 11, 6, 0},
        {6, "Urgente (entrega en el día)", 6, 5, 2, 0},
        {6, "Coser descosido", 5, 4, 2, 0},
        {6, "Poner parche", 6, 5, 2.5, 0},
        {7, "Acortar mangas", 22, 18, 10, 0},
        {7, "Cambiar forro", 60, 48, 25, 0},
        {8, "Bajo de cortina (metro)", 6, 5, 2.5, 0},
        {8, "Poner cinta de fruncir", 8, 6.5, 3, 0},
        {9, "Productos mercería", 0, 0, 0, 0},
        {6, "Zurcido invisible", 15, 12, 7, 1},
    };
    return p;
}

struct PrendaDemo {
    const char *nombre;
    std::vector<int> productos;
    int diasEntrega; // from today; the garment's promised date
    int estado;      // 0 taken in, 1 with a worker, 2 back in the shop, 3 worker paid
    int costurera;
};

struct ArregloDemo {
    int cliente;
    int usuario;
    int haceDias; // taken in this many days ago
    double senal;
    bool entregado; // handed over yesterday
    std::vector<PrendaDemo> prendas;
};

QString Q(const char *t)
{
    return ComillasSQL(QString::fromUtf8(t));
}

} // namespace

void LlenarDemo(Conexion &c, const QDate &hoy)
{
    Transaccion t(c);
    c.Ejecutar(QStringLiteral("update usuarios set nombre = 'Marisa' where idusuario = 1"));
    c.Ejecutar(QStringLiteral("insert into usuarios (idusuario, nombre) values (2, 'Carmen')"));
    c.Ejecutar(QStringLiteral("insert into usuarios (idusuario, nombre) values (3, 'Julia')"));
    c.Ejecutar(QStringLiteral("delete from parametros"));
    c.Ejecutar(QString::fromUtf8(
        "insert into parametros (nombretienda, nombre, nif, direccion, telefono, cp, localidad, pie1, pie2, "
        "pie3, "
        "pie4, pie5, pie6, pie7, puertocom, parametrospuerto, anchuracarro) values ('HILVÁN ARREGLOS', "
        "'Hilván Costura S.L.', 'B12345678', 'C/ Mayor, 12', '912 345 678', '28013', 'Madrid', "
        "'Gracias por su confianza', 'Plazo de recogida: 3 meses', 'Imprescindible presentar este ticket', "
        "'', '', '', '', '0', '9600,n,8,1', '40')"));

    for (const char *f :
         {"Pantalón", "Falda", "Vestido", "Chaqueta", "Camisa", "Varios", "Abrigo", "Cortinas", "Mercería"})
        c.Ejecutar(QStringLiteral("insert into familias (nombre) values (") + Q(f) + QStringLiteral(")"));
    for (const ProductoDemo &p : Productos())
        c.Ejecutar(
            QStringLiteral(
                "insert into productos (idfamilia, nombre, precio1, precio2, precio3, activo) values (")
            + QString::number(p.familia) + QStringLiteral(", ") + Q(p.nombre) + QStringLiteral(", ")
            + TextoNumero(p.p1) + QStringLiteral(", ") + TextoNumero(p.p2) + QStringLiteral(", ")
            + TextoNumero(p.p3) + QStringLiteral(", ") + QString::number(p.activo) + QStringLiteral(")"));

    struct ClienteDemo {
        const char *nombre, *direccion, *cp, *localidad, *nif, *telefono;
        int tienda;
    };
    const ClienteDemo clientes[] = {
        {"María Muñoz García", "C/ Toledo, 45, 2º B", "28005", "Madrid", "", "600111222", 0},
        {"José Luis Pérez", "Av. de la Albufera, 120", "28038", "Madrid", "", "600333444", 0},
        {"Boutique Lola", "C/ Fuencarral, 88", "28004", "Madrid", "B87654321", "915556677", 1},
        {"Ana Belén Rodríguez", "C/ Atocha, 7", "28012", "Madrid", "", "611222333", 0},
        {"Carmen Núñez Sanz", "C/ Embajadores, 30", "28012", "Madrid", "", "622333444", 0},
        {"Tintorería La Estrella", "C/ Preciados, 14", "28013", "Madrid", "B11223344", "914443322", 1},
        {"Patrick O'Brien", "C/ Huertas, 3", "28014", "Madrid", "", "633444555", 0},
        {"Lucía Fernández", "C/ Alcalá, 210", "28028", "Madrid", "", "644555666", 0},
        {"Antonio Gómez Ruiz", "C/ Goya, 19", "28001", "Madrid", "", "655666777", 0},
        {"Susana Martín", "C/ Princesa, 52", "28008", "Madrid", "", "666777888", 0},
        {"Rafael Ortiz", "Paseo de Extremadura, 5", "28011", "Madrid", "", "677888999", 0},
        {"Elena Sánchez Vidal", "C/ Serrano, 101", "28006", "Madrid", "", "688999000", 0},
    };
    for (const ClienteDemo &k : clientes)
        c.Ejecutar(QStringLiteral(
                       "insert into clientes(nombre, direccion, cpostal, localidad, nif, telefono, estienda) "
                       "values (")
                   + Q(k.nombre) + QStringLiteral(", ") + Q(k.direccion) + QStringLiteral(", ") + Q(k.cp)
                   + QStringLiteral(", ") + Q(k.localidad) + QStringLiteral(", ") + Q(k.nif)
                   + QStringLiteral(", ") + Q(k.telefono) + QStringLiteral(", ") + QString::number(k.tienda)
                   + QStringLiteral(")"));

    for (const char *w : {"Rosa", "Pilar", "Encarna", "Lucía (jubilada)"})
        c.Ejecutar(QStringLiteral("insert into costureras (nombre, desactivado) values (") + Q(w)
                   + (QString::fromUtf8(w).contains(QStringLiteral("jubilada")) ? QStringLiteral(", 1)")
                                                                                : QStringLiteral(", 0)")));

    for (const char *col : {"Negro",  "Blanco",        "Azul marino", "Azul cielo",   "Rojo",    "Granate",
                            "Verde",  "Verde botella", "Gris",        "Gris marengo", "Marrón",  "Beige",
                            "Crema",  "Rosa",          "Fucsia",      "Amarillo",     "Mostaza", "Naranja",
                            "Morado", "Lila",          "Camel",       "Plata",        "Dorado"})
        c.Ejecutar(QStringLiteral("insert into colores (nombre) values (") + Q(col) + QStringLiteral(")"));

    const std::vector<ArregloDemo> arreglos = {
        {1, 1, 20, 10, true, {{"Pantalón negro", {1, 3}, -6, 2, 1}}},
        {3, 2, 18, 0, true, {{"Vestido rojo", {10, 11}, -5, 3, 2}, {"Falda beige", {7}, -5, 3, 2}}},
        {4, 1, 12, 20, false, {{"Chaqueta gris marengo", {14, 17}, -1, 2, 1}}},
        {7, 3, 9, 5, false, {{"Camisa blanca", {18}, 1, 1, 3}, {"Pantalón azul marino", {2}, 1, 1, 3}}},
        {6, 2, 6, 0, false, {{"Cortinas salón", {26, 26, 27}, 4, 1, 2}}},
        {5, 1, 4, 15, false, {{"Abrigo camel", {24, 25}, 6, 0, 0}}},
        {2, 2, 2, 0, false, {{"Pantalón gris", {1}, 3, 0, 0}, {"Chaqueta negra", {14}, 5, 0, 0}}},
        {8, 3, 1, 10, false, {{"Vestido verde botella", {12, 13}, 7, 0, 0}}},
    };

    const QTime horaApertura(9, 30);
    std::map<QDate, bool> diasAbiertos;
    auto Movimiento = [&](const QDateTime &cuando, double importe, const QString &concepto, int forma,
                          int arreglo) {
        const QDate dia = cuando.date();
        if (!diasAbiertos[dia]) {
            diasAbiertos[dia] = true;
            c.Ejecutar(QStringLiteral(
                           "insert into caja (importe, concepto, fecha, nombrecierre, cerrado, formapago, "
                           "idarreglo, idticket) values (100, 'Inicio caja', ")
                       + LiteralFechaSQL(QDateTime(dia, horaApertura)) + QStringLiteral(", ")
                       + ComillasSQL(dia.toString(QStringLiteral("yyyyMMdd")))
                       + QStringLiteral(", 1, 1, 0, 0)"));
        }
        c.Ejecutar(
            QStringLiteral("insert into caja (importe, concepto, fecha, nombrecierre, cerrado, formapago, "
                           "idarreglo, idticket) values (")
            + TextoNumero(importe) + QStringLiteral(", ") + ComillasSQL(concepto) + QStringLiteral(", ")
            + LiteralFechaSQL(cuando) + QStringLiteral(", ")
            + ComillasSQL(dia.toString(QStringLiteral("yyyyMMdd"))) + QStringLiteral(", 1, ")
            + QString::number(forma) + QStringLiteral(", ") + QString::number(arreglo)
            + QStringLiteral(", 0)"));
    };

    int numero = 0;
    for (const ArregloDemo &a : arreglos) {
        ++numero;
        const QDateTime tomado(hoy.addDays(-a.haceDias), QTime(10, 0).addSecs(numero * 1260));
        const bool tienda = a.cliente == 3 || a.cliente == 6;
        int ultimoDia = -1000;
        double total = 0;
        int prenda = 0;
        for (const PrendaDemo &p : a.prendas) {
            ++prenda;
            ultimoDia = std::max(ultimoDia, p.diasEntrega);
            const QString referencia = QString::number(numero) + QLatin1Char('.') + QString::number(prenda);
            const QDateTime entrega(hoy.addDays(p.diasEntrega), QTime(0, 0));
            for (int idp : p.productos) {
                const ProductoDemo &pd = Productos()[size_t(idp - 1)];
                const double precio = tienda ? pd.p2 : pd.p1;
                total += precio;
                const bool asignada = p.estado >= 1 || a.entregado;
                const QString costurera =
                    asignada ? QString::number(p.costurera ? p.costurera : 1) : QStringLiteral("Null");
                const QString asignacion =
                    asignada ? LiteralFechaSQL(tomado.addDays(1)) : QStringLiteral("Null");
                c.Ejecutar(QStringLiteral(
                               "insert into arreglos_detalles (idarreglo, idproducto, precio, nombreprenda, "
                               "referenciaprenda, fechaentrega, listoparaentrega, idcosturera, "
                               "fechaasignaciontrabajador, pagadoatrabajador) values (")
                           + QString::number(numero) + QStringLiteral(", ") + QString::number(idp)
                           + QStringLiteral(", ") + TextoNumero(precio) + QStringLiteral(", ") + Q(p.nombre)
                           + QStringLiteral(", ") + ComillasSQL(referencia) + QStringLiteral(", ")
                           + LiteralFechaSQL(entrega) + QStringLiteral(", ")
                           + (p.estado >= 2 || a.entregado ? QStringLiteral("1") : QStringLiteral("0"))
                           + QStringLiteral(", ") + costurera + QStringLiteral(", ") + asignacion
                           + QStringLiteral(", ")
                           + (p.estado >= 3 ? QStringLiteral("1") : QStringLiteral("0"))
                           + QStringLiteral(")"));
            }
        }
        const QDateTime prevista(hoy.addDays(ultimoDia), QTime(0, 0));
        const QDateTime entregadoEl(hoy.addDays(-1), QTime(18, 15));
        c.Ejecutar(
            QStringLiteral("insert into arreglos (idusuario, idarreglo, fechaarreglo, fechaprevistaentrega, "
                           "fecharealentrega, idcliente, entregado, pagado, entregadoacliente) values (")
            + QString::number(a.usuario) + QStringLiteral(", ") + QString::number(numero)
            + QStringLiteral(", ") + LiteralFechaSQL(tomado) + QStringLiteral(", ")
            + LiteralFechaSQL(prevista) + QStringLiteral(", ")
            + (a.entregado ? LiteralFechaSQL(entregadoEl) : QStringLiteral("Null")) + QStringLiteral(", ")
            + QString::number(a.cliente) + QStringLiteral(", ") + TextoNumero(a.senal)
            + QStringLiteral(", 0, ") + (a.entregado ? QStringLiteral("1") : QStringLiteral("Null"))
            + QStringLiteral(")"));
        const QString concepto = QStringLiteral("Ref. ") + QString::number(numero);
        if (a.senal > 0)
            Movimiento(tomado, a.senal, concepto, 1, numero);
        if (a.entregado && !tienda)
            Movimiento(entregadoEl, total - a.senal, concepto, numero % 2 ? 2 : 1, numero);
    }
    Movimiento(QDateTime(hoy.addDays(-3), QTime(12, 40)), 7.5, QString::fromUtf8("Mercería"), 1, 0);
    Movimiento(QDateTime(hoy.addDays(-1), QTime(13, 5)), -50, QStringLiteral("Retirado de caja"), 1, 0);
    // Every day before today is closed; today's cash day is opened at the counter.
    c.Ejecutar(QStringLiteral("update caja set cerrado = 1"));
    t.Confirmar();
}
