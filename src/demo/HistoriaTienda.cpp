#include "demo/HistoriaTienda.h"

#include "core/Formato.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QString kIso = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// Rows travel a hundred at a time through one prepared statement: ten years load in seconds
// on the file and without a round trip per row on the server.
class Lote
{
public:
    Lote(Conexion &c, const QString &tabla, const QStringList &columnas)
        : c_(c), tabla_(tabla), columnas_(columnas), lleno_(c.db())
    {
    }

    void Fila(std::initializer_list<QVariant> valores)
    {
        Q_ASSERT(qsizetype(valores.size()) == columnas_.size());
        valores_.insert(valores_.end(), valores.begin(), valores.end());
        if (qsizetype(valores_.size()) == kFilas * columnas_.size()) {
            if (!preparado_)
                Preparar(lleno_, kFilas);
            preparado_ = true;
            Ejecutar(lleno_, kFilas);
        }
    }

    void Vaciar()
    {
        if (valores_.empty())
            return;
        QSqlQuery resto(c_.db());
        const int filas = int(qsizetype(valores_.size()) / columnas_.size());
        Preparar(resto, filas);
        Ejecutar(resto, filas);
    }

    qint64 filas = 0;

private:
    static constexpr int kFilas = 100;

    void Preparar(QSqlQuery &q, int filas)
    {
        const QString una = QLatin1Char('(') + QStringList(columnas_.size(), QStringLiteral("?")).join(u", ")
                            + QLatin1Char(')');
        const QString sql = QStringLiteral("insert into ") + tabla_ + QStringLiteral(" (")
                            + columnas_.join(u", ") + QStringLiteral(") values ")
                            + QStringList(filas, una).join(u", ");
        if (!q.prepare(sql))
            Fallo(q, sql);
    }

    void Ejecutar(QSqlQuery &q, int filas)
    {
        for (size_t i = 0; i < valores_.size(); ++i)
            q.bindValue(int(i), valores_[i]);
        if (!q.exec())
            Fallo(q, tabla_);
        valores_.clear();
        this->filas += filas;
    }

    [[noreturn]] static void Fallo(const QSqlQuery &q, const QString &sql)
    {
        throw ErrorBaseDatos(QStringLiteral("Error en la base de datos.\r\n") + q.lastError().text(), sql);
    }

    Conexion &c_;
    QString tabla_;
    QStringList columnas_;
    QSqlQuery lleno_;
    bool preparado_ = false;
    std::vector<QVariant> valores_;
};

class Azar
{
public:
    explicit Azar(quint32 semilla) : g_(semilla) {}
    int Entre(int a, int b) { return int(g_.bounded(a, b + 1)); } // both ends included
    double U() { return g_.generateDouble(); }
    bool Prob(double p) { return U() < p; }
    template <class T> const T &Uno(const std::vector<T> &v)
    {
        return v[size_t(Entre(0, int(v.size()) - 1))];
    }
    int Ponderado(const std::vector<int> &pesos)
    {
        int total = 0;
        for (int p : pesos)
            total += p;
        int r = Entre(0, total - 1);
        for (size_t i = 0; i < pesos.size(); ++i) {
            if (r < pesos[i])
                return int(i);
            r -= pesos[i];
        }
        return int(pesos.size()) - 1;
    }

private:
    QRandomGenerator g_;
};

struct Arreglo {
    const char *nombre;
    double precio;
};

// Ten alterations per kind of garment; the last one is no longer offered (`activo` = 1).
const std::vector<std::vector<Arreglo>> &Grupos()
{
    static const std::vector<std::vector<Arreglo>> g = {
        {{"Bajo", 8},
         {"Bajo con vuelta", 10},
         {"Meter cintura", 12},
         {"Sacar cintura", 12},
         {"Estrechar pernera", 15},
         {"Cambiar cremallera", 10},
         {"Meter de tiro", 11},
         {"Poner goma en cintura", 9},
         {"Acortar largo", 14},
         {"Subir de cintura", 16}},
        {{"Acortar mangas", 18},
         {"Meter costados", 20},
         {"Cambiar forro", 45},
         {"Cambiar botones", 6},
         {"Entallar", 16},
         {"Estrechar hombros", 25},
         {"Acortar largo", 20},
         {"Cambiar puños", 14},
         {"Cambiar cuello", 15},
         {"Subir hombros", 22}},
        {{"Bajo", 14},
         {"Meter costados", 16},
         {"Acortar tirantes", 7},
         {"Entallar", 18},
         {"Cambiar cremallera", 12},
         {"Estrechar escote", 15},
         {"Meter pinzas", 12},
         {"Acortar largo", 18},
         {"Poner forro", 30},
         {"Ajustar talle", 20}},
        {{"Bajo (metro)", 6},
         {"Poner cinta de fruncir", 8},
         {"Acortar", 12},
         {"Ensanchar", 14},
         {"Poner trabillas", 10},
         {"Coser dobladillo", 7},
         {"Poner ollaos", 15},
         {"Cambiar cremallera", 12},
         {"Hacer a medida", 40},
         {"Rematar bordes", 9}},
        {{"Urgente (entrega en el día)", 6},
         {"Coser descosido", 5},
         {"Poner parche", 6},
         {"Zurcido invisible", 15},
         {"Cambiar botones", 6},
         {"Poner corchetes", 4},
         {"Coser etiqueta", 3},
         {"Poner goma", 7},
         {"Reforzar costuras", 8},
         {"Planchado", 4}},
        {{"Productos mercería", 0},
         {"Botones", 2},
         {"Cremallera", 3.5},
         {"Hilo", 2},
         {"Goma elástica (metro)", 1.5},
         {"Cinta al bies", 2.5},
         {"Corchetes", 1},
         {"Entretela (metro)", 4},
         {"Parches térmicos", 3},
         {"Velcro (metro)", 3}},
    };
    return g;
}

constexpr int kGrupoMerceria = 5;
constexpr int kProductoUrgente = 21; // the sale screen dates its garment for the same day

struct Familia {
    const char *nombre;
    int grupo;
    double factor; // price of this garment's work against the kind's base price
    int peso;      // how often it comes through the door
};

// The third family's first product is the urgent service, number 21.
const std::vector<Familia> &Familias()
{
    static const std::vector<Familia> f = {
        {"Pantalón", 0, 1, 200},
        {"Vaquero", 0, 1, 120},
        {"Varios", 4, 1, 50},
        {"Falda", 0, 1.1, 80},
        {"Vestido", 2, 1, 80},
        {"Chaqueta", 1, 1, 60},
        {"Camisa", 1, 0.7, 60},
        {"Abrigo", 1, 1.3, 40},
        {"Cortinas", 3, 1, 30},
        {"Mercería", kGrupoMerceria, 1, 0},
        {"Americana", 1, 1.1, 30},
        {"Traje", 1, 1.4, 20},
        {"Gabardina", 1, 1.3, 15},
        {"Blusa", 1, 0.7, 25},
        {"Vestido de fiesta", 2, 1.5, 15},
        {"Vestido de novia", 2, 2.5, 5},
        {"Bermuda", 0, 0.9, 10},
        {"Pantalón corto", 0, 0.8, 8},
        {"Falda larga", 0, 1.2, 10},
        {"Jersey", 1, 0.8, 10},
        {"Chaleco", 1, 0.8, 6},
        {"Cazadora", 1, 1.2, 10},
        {"Cazadora de piel", 1, 1.8, 6},
        {"Plumífero", 1, 1.3, 6},
        {"Mono", 2, 1, 4},
        {"Pijama", 0, 0.7, 3},
        {"Chándal", 0, 0.8, 6},
        {"Uniforme", 1, 1, 8},
        {"Camiseta", 1, 0.6, 6},
        {"Sábanas", 3, 0.8, 4},
        {"Mantel", 3, 0.9, 4},
        {"Visillos", 3, 0.9, 6},
        {"Funda de sofá", 3, 1.5, 3},
        {"Cojines", 3, 0.6, 3},
        {"Ropa de bebé", 2, 0.6, 4},
        {"Ropa de trabajo", 0, 1, 6},
        {"Kimono", 2, 1.2, 2},
        {"Disfraz", 2, 1, 4},
        {"Bañador", 2, 0.7, 2},
        {"Toga", 1, 1.3, 2},
    };
    return f;
}

const std::vector<const char *> kNombres = {
    "María",   "Carmen",    "Josefa",  "Isabel",    "Ana",    "Laura",   "Marta",  "Cristina", "Lucía",
    "Paula",   "Elena",     "Pilar",   "Dolores",   "Teresa", "Rosa",    "Sara",   "Raquel",   "Beatriz",
    "Silvia",  "Nuria",     "Irene",   "Alba",      "Andrea", "Sofía",   "Julia",  "Inés",     "Begoña",
    "Antonio", "José",      "Manuel",  "Francisco", "David",  "Juan",    "Javier", "Daniel",   "Carlos",
    "Jesús",   "Alejandro", "Miguel",  "Rafael",    "Pedro",  "Pablo",   "Ángel",  "Sergio",   "Fernando",
    "Jorge",   "Luis",      "Alberto", "Álvaro",    "Diego",  "Patrick", "Íñigo"};

const std::vector<const char *> kApellidos = {
    "García",   "Rodríguez", "González", "Fernández", "López",     "Martínez", "Sánchez",   "Pérez",
    "Gómez",    "Martín",    "Jiménez",  "Ruiz",      "Hernández", "Díaz",     "Moreno",    "Muñoz",
    "Álvarez",  "Romero",    "Alonso",   "Gutiérrez", "Navarro",   "Torres",   "Domínguez", "Vázquez",
    "Ramos",    "Gil",       "Ramírez",  "Serrano",   "Blanco",    "Molina",   "Morales",   "Suárez",
    "Ortega",   "Delgado",   "Castro",   "Ortiz",     "Rubio",     "Marín",    "Sanz",      "Núñez",
    "Iglesias", "Medina",    "Garrido",  "Cortés",    "Castillo",  "Santos",   "Lozano",    "Guerrero",
    "Cano",     "Prieto",    "Méndez",   "Cruz",      "Calvo",     "Gallego",  "Vidal",     "León",
    "Márquez",  "Herrera",   "Peña",     "O'Brien"};

const std::vector<const char *> kTiposTienda = {"Boutique",   "Modas",  "Tintorería", "Confecciones",
                                                "Lavandería", "Novias", "Sastrería",  "Tienda"};
const std::vector<const char *> kNombresTienda = {
    "Lola",     "La Estrella", "Carmela", "El Dedal", "Azahar", "Sol",   "Duquesa",
    "Alameda",  "Nácar",       "Marisol", "La Perla", "Olivo",  "Ébano", "Goya",
    "Princesa", "Del Carmen",  "La Moda", "Bruma",    "Chelo",  "Aurora"};

const std::vector<const char *> kCalles = {"C/ Mayor",           "C/ Toledo",
                                           "Av. de la Albufera", "C/ Fuencarral",
                                           "C/ Atocha",          "C/ Embajadores",
                                           "C/ Preciados",       "C/ Huertas",
                                           "C/ Alcalá",          "C/ Goya",
                                           "C/ Princesa",        "Paseo de Extremadura",
                                           "C/ Serrano",         "C/ Bravo Murillo",
                                           "C/ Arturo Soria",    "Av. de América",
                                           "C/ López de Hoyos",  "C/ General Ricardos",
                                           "Av. de Oporto",      "C/ Marqués de Vadillo"};

const std::vector<const char *> kLocalidades = {"Madrid", "Madrid", "Madrid",  "Madrid",   "Madrid",
                                                "Madrid", "Getafe", "Leganés", "Alcorcón", "Móstoles"};

const std::vector<const char *> kNombresCostureras = {
    "Rosa",     "Pilar",      "Encarna",    "Lucía",     "Mercedes",  "Dolores",  "Amparo", "Consuelo",
    "Remedios", "Inmaculada", "Montserrat", "Begoña",    "Nuria",     "Raquel",   "Sonia",  "Yolanda",
    "Patricia", "Cristina",   "Beatriz",    "Silvia",    "Mónica",    "Verónica", "Alicia", "Teresa",
    "Fátima",   "Milagros",   "Rocío",      "Esperanza", "Ana María", "Luz"};
constexpr int kCostureras = 30;
constexpr int kDesactivadas = 8; // the first eight left the shop over the years

const std::vector<const char *> kColores = {
    "Negro",   "Blanco",       "Azul marino", "Azul cielo", "Rojo",  "Granate", "Verde",  "Verde botella",
    "Gris",    "Gris marengo", "Marrón",      "Beige",      "Crema", "Rosa",    "Fucsia", "Amarillo",
    "Mostaza", "Naranja",      "Morado",      "Lila",       "Camel", "Plata",   "Dorado"};

// Times are written as the shop's wall clock; keeping them in UTC spares the time-zone lookup
// that local times cost on every row.
QDateTime Momento(const QDate &dia, const QTime &hora)
{
    return QDateTime(dia, hora, Qt::UTC);
}

QString Medianoche(const QDate &dia)
{
    return dia.toString(QStringLiteral("yyyy-MM-dd 00:00:00"));
}

QString T(const char *t)
{
    return QString::fromUtf8(t);
}

double Redondo(double v, double paso)
{
    return std::round(v / paso) * paso;
}

bool DiaDeTrabajo(const QDate &d)
{
    if (d.dayOfWeek() == 7)
        return false;
    if (d.month() == 8 && d.day() <= 15) // closed for the summer
        return false;
    static const int festivos[][2] = {{1, 1},  {6, 1},  {1, 5},  {15, 8}, {12, 10},
                                      {1, 11}, {6, 12}, {8, 12}, {25, 12}};
    for (const auto &f : festivos)
        if (d.day() == f[0] && d.month() == f[1])
            return false;
    return true;
}

// One movement of a cash day, booked in the order of its time.
struct Movimiento {
    QDateTime cuando;
    double importe;
    QString concepto;
    int formapago;
    qint64 idarreglo;
};

struct Prenda {
    int familia = 0;
    QString nombre;
    std::vector<int> productos;
    std::vector<double> precios;
    QDate entrega;
    int costurera = 0; // 0 = not assigned
    QDateTime asignada;
    int diaListo = -1; // working day it came back to the shop; -1 = not yet
    bool pagada = false;
};

class Historia
{
public:
    Historia(Conexion &c, const OpcionesHistoria &o)
        : c_(c), o_(o), azar_(o.semilla),
          arreglos_(c, QStringLiteral("arreglos"),
                    {QStringLiteral("idarreglo"), QStringLiteral("idusuario"), QStringLiteral("idcliente"),
                     QStringLiteral("fechaarreglo"), QStringLiteral("fechaprevistaentrega"),
                     QStringLiteral("fecharealentrega"), QStringLiteral("entregado"),
                     QStringLiteral("pagado"), QStringLiteral("entregadoacliente")}),
          lineas_(c, QStringLiteral("arreglos_detalles"),
                  {QStringLiteral("idarreglo"), QStringLiteral("idproducto"), QStringLiteral("precio"),
                   QStringLiteral("nombreprenda"), QStringLiteral("referenciaprenda"),
                   QStringLiteral("fechaentrega"), QStringLiteral("listoparaentrega"),
                   QStringLiteral("idcosturera"), QStringLiteral("fechaasignaciontrabajador"),
                   QStringLiteral("pagadoatrabajador")}),
          caja_(c, QStringLiteral("caja"),
                {QStringLiteral("importe"), QStringLiteral("concepto"), QStringLiteral("fecha"),
                 QStringLiteral("nombrecierre"), QStringLiteral("cerrado"), QStringLiteral("formapago"),
                 QStringLiteral("idarreglo"), QStringLiteral("idticket")})
    {
    }

    ResumenHistoria Generar();

private:
    void Maestros();
    void Clientes();
    void Calendario();
    void Dia(int d, int pedidos);
    void Pedido(int d, const QDateTime &cuando);
    int Costurera(int d);
    int FormaPago(int d);
    int DiaDesde(const QDate &fecha) const; // first working day on or after the date
    QDateTime HoraEn(int d, const QTime &desde = QTime(10, 0));
    double Progreso(int d) const { return dias_.size() > 1 ? double(d) / double(dias_.size() - 1) : 1.0; }

    Conexion &c_;
    OpcionesHistoria o_;
    Azar azar_;
    Lote arreglos_, lineas_, caja_;

    std::vector<QDate> dias_;
    std::vector<std::vector<Movimiento>> agenda_; // movements already known for each cash day
    std::vector<std::vector<int>> productosFamilia_;
    std::vector<int> pesosFamilia_;
    std::vector<int> tiendas_, privados_;
    qint64 numero_ = 0;
    QDate inicioMesUltimo_;
};

ResumenHistoria Historia::Generar()
{
    const qint64 ya =
        c_.AbrirRecordset(QStringLiteral("select count(*) as n from arreglos")).Campo(0).toLongLong()
        + c_.AbrirRecordset(QStringLiteral("select count(*) as n from clientes")).Campo(0).toLongLong();
    if (ya > 0)
        throw ErrorBaseDatos(QStringLiteral("La base de datos ya tiene arreglos o clientes: la historia se "
                                            "genera sobre una base de datos recién creada."),
                             QString());
    Transaccion t(c_);
    Maestros();
    Clientes();
    Calendario();

    // Busier Mondays, short Saturdays, and days that are simply quieter than others.
    std::vector<double> acumulado(dias_.size());
    double suma = 0;
    for (size_t d = 0; d < dias_.size(); ++d) {
        const int dow = dias_[d].dayOfWeek();
        const double peso = (dow == 6 ? 0.5 : dow == 1 ? 1.2 : 1.0) * (0.75 + 0.5 * azar_.U());
        suma += peso;
        acumulado[d] = suma;
    }
    qint64 repartidos = 0;
    for (size_t d = 0; d < dias_.size(); ++d) {
        const qint64 hasta = d + 1 == dias_.size() ? o_.arreglos : qint64(acumulado[d] / suma * o_.arreglos);
        Dia(int(d), int(hasta - repartidos));
        repartidos = hasta;
    }
    arreglos_.Vaciar();
    lineas_.Vaciar();
    caja_.Vaciar();
    t.Confirmar();
    // A server that has run for years has its statistics and visibility maps up to date.
    if (c_.motor() == Motor::PostgreSQL)
        c_.Ejecutar(QStringLiteral("vacuum analyze"));

    ResumenHistoria r;
    r.arreglos = arreglos_.filas;
    r.lineas = lineas_.filas;
    r.clientes = qint64(tiendas_.size() + privados_.size());
    r.tiendas = qint64(tiendas_.size());
    r.movimientos = caja_.filas;
    r.dias = int(dias_.size());
    r.primerDia = dias_.front();
    r.ultimoDia = dias_.back();
    return r;
}

void Historia::Maestros()
{
    c_.Ejecutar(QStringLiteral("delete from usuarios"));
    Lote usuarios(c_, QStringLiteral("usuarios"), {QStringLiteral("idusuario"), QStringLiteral("nombre")});
    int id = 0;
    for (const char *u : {"Marisa", "Carmen", "Julia", "Rocío", "Ana"})
        usuarios.Fila({++id, T(u)});
    usuarios.Vaciar();

    c_.Ejecutar(QStringLiteral("delete from parametros"));
    c_.Ejecutar(QString::fromUtf8(
        "insert into parametros (nombretienda, nombre, nif, direccion, telefono, cp, localidad, pie1, pie2, "
        "pie3, "
        "pie4, pie5, pie6, pie7, puertocom, parametrospuerto, anchuracarro) values ('ARREGLOS LA AGUJA', "
        "'La Aguja Costura S.L.', 'B28765432', 'C/ Bravo Murillo, 140', '915 334 455', '28020', 'Madrid', "
        "'Gracias por su confianza', 'Plazo de recogida: 3 meses', 'Imprescindible presentar este ticket', "
        "'', '', '', '', '0', '9600,n,8,1', '40')"));

    Lote colores(c_, QStringLiteral("colores"), {QStringLiteral("nombre")});
    for (const char *col : kColores)
        colores.Fila({T(col)});
    colores.Vaciar();

    Lote familias(c_, QStringLiteral("familias"), {QStringLiteral("nombre")});
    Lote productos(c_, QStringLiteral("productos"),
                   {QStringLiteral("idfamilia"), QStringLiteral("nombre"), QStringLiteral("precio1"),
                    QStringLiteral("precio2"), QStringLiteral("precio3"), QStringLiteral("activo")});
    int idproducto = 0;
    productosFamilia_.assign(Familias().size() + 1, {});
    pesosFamilia_.clear();
    for (size_t f = 0; f < Familias().size(); ++f) {
        const Familia &fam = Familias()[f];
        const int idfamilia = int(f) + 1;
        familias.Fila({T(fam.nombre)});
        pesosFamilia_.push_back(fam.peso);
        const std::vector<Arreglo> &grupo = Grupos()[size_t(fam.grupo)];
        for (size_t i = 0; i < grupo.size(); ++i) {
            ++idproducto;
            const double p1 = Redondo(grupo[i].precio * fam.factor, 0.5);
            const double p2 = Redondo(p1 * 0.8, 0.5);
            // Some work is paid to the worker as a third of the price charged (precio3 = 0).
            const double p3 =
                fam.grupo == kGrupoMerceria || idproducto % 7 == 3 ? 0 : Redondo(p1 * 0.45, 0.5);
            const bool activo = i + 1 < grupo.size();
            productos.Fila({idfamilia, T(grupo[i].nombre), p1, p2, p3, activo ? 0 : 1});
            if (activo && fam.grupo != kGrupoMerceria)
                productosFamilia_[size_t(idfamilia)].push_back(idproducto);
        }
    }
    familias.Vaciar();
    productos.Vaciar();

    Lote costureras(c_, QStringLiteral("costureras"),
                    {QStringLiteral("nombre"), QStringLiteral("desactivado")});
    for (int w = 0; w < kCostureras; ++w) {
        // Older rows never had the flag written: Null reads as active.
        const QVariant desactivado = w < kDesactivadas ? QVariant(1) : w % 5 == 4 ? QVariant() : QVariant(0);
        costureras.Fila({T(kNombresCostureras[size_t(w)]), desactivado});
    }
    costureras.Vaciar();
}

void Historia::Clientes()
{
    const int n = int(std::clamp<qint64>(std::llround(o_.arreglos * 2.0 / 15.0), 60, 20000));
    const int nTiendas = std::clamp(n / 500, 3, 40);
    const int paso = n / nTiendas;
    Lote clientes(c_, QStringLiteral("clientes"),
                  {QStringLiteral("nombre"), QStringLiteral("direccion"), QStringLiteral("cpostal"),
                   QStringLiteral("localidad"), QStringLiteral("nif"), QStringLiteral("telefono"),
                   QStringLiteral("estienda")});
    for (int i = 0; i < n; ++i) {
        const bool tienda = i % paso == paso / 2 && int(tiendas_.size()) < nTiendas;
        const QString direccion =
            T(azar_.Uno(kCalles)) + QStringLiteral(", ") + QString::number(azar_.Entre(1, 180));
        const QString cp =
            QStringLiteral("280") + QStringLiteral("%1").arg(azar_.Entre(1, 55), 2, 10, QLatin1Char('0'));
        // i * 7919 modulo 10^8 never repeats, so no two customers share a telephone.
        const qint64 resto = (qint64(i) * 7919 + 1234567) % 100000000;
        if (tienda) {
            tiendas_.push_back(i + 1);
            const QString nombre =
                T(azar_.Uno(kTiposTienda)) + QLatin1Char(' ') + T(azar_.Uno(kNombresTienda));
            clientes.Fila({nombre, direccion, cp, T(azar_.Uno(kLocalidades)),
                           QStringLiteral("B") + QString::number(10000000 + azar_.Entre(0, 89999999)),
                           QString::number(910000000 + resto % 10000000), 1});
        } else {
            privados_.push_back(i + 1);
            const QString nombre = T(azar_.Uno(kNombres)) + QLatin1Char(' ') + T(azar_.Uno(kApellidos))
                                   + QLatin1Char(' ') + T(azar_.Uno(kApellidos));
            clientes.Fila(
                {nombre, direccion, cp, T(azar_.Uno(kLocalidades)),
                 azar_.Prob(0.1) ? QStringLiteral("%1X").arg(azar_.Entre(10000000, 99999999)) : QString(),
                 QString::number(600000000 + resto), azar_.Prob(0.7) ? QVariant(0) : QVariant()});
        }
    }
    clientes.Vaciar();
}

void Historia::Calendario()
{
    // Fifty orders a working day: 150,000 orders are about ten years of work.
    const int n = std::max(40, int((o_.arreglos + 49) / 50));
    const QDate hoy = o_.hoy.isValid() ? o_.hoy : QDate::currentDate();
    for (QDate d = hoy.addDays(-1); int(dias_.size()) < n; d = d.addDays(-1))
        if (DiaDeTrabajo(d))
            dias_.push_back(d);
    std::reverse(dias_.begin(), dias_.end());
    agenda_.assign(dias_.size(), {});
    inicioMesUltimo_ = QDate(dias_.back().year(), dias_.back().month(), 1);
}

int Historia::DiaDesde(const QDate &fecha) const
{
    return int(std::lower_bound(dias_.begin(), dias_.end(), fecha) - dias_.begin());
}

QDateTime Historia::HoraEn(int d, const QTime &desde)
{
    const int cierre = dias_[size_t(d)].dayOfWeek() == 6 ? 14 * 3600 : 20 * 3600;
    const int inicio = std::min(desde.msecsSinceStartOfDay() / 1000, cierre - 60);
    return Momento(dias_[size_t(d)], QTime(0, 0).addSecs(azar_.Entre(inicio, cierre - 60)));
}

int Historia::FormaPago(int d)
{
    // Cards came slowly, Bizum only in the last years.
    const double t = Progreso(d);
    if (t < 0.3)
        return azar_.Prob(0.95) ? 1 : 2;
    if (t < 0.7)
        return azar_.Prob(0.75) ? 1 : 2;
    return azar_.Ponderado({60, 30, 10}) + 1;
}

int Historia::Costurera(int d)
{
    // Worker w joins at `desde` and, for the first eight, leaves at `hasta` (share of the history).
    const double t = Progreso(d);
    std::vector<int> pesos(kCostureras, 0);
    for (int w = 0; w < kCostureras; ++w) {
        const double desde = w < 12 ? 0 : (w - 12) / 18.0 * 0.9;
        const double hasta = w < kDesactivadas ? 0.15 + 0.09 * w : 1.0;
        if (t >= desde && t <= hasta)
            pesos[size_t(w)] = w % 3 + 1;
    }
    return azar_.Ponderado(pesos) + 1;
}

void Historia::Dia(int d, int pedidos)
{
    const QDate dia = dias_[size_t(d)];
    const bool sabado = dia.dayOfWeek() == 6;
    std::vector<QDateTime> horas;
    for (int i = 0; i < pedidos; ++i)
        horas.push_back(HoraEn(d));
    std::sort(horas.begin(), horas.end());
    for (const QDateTime &h : horas)
        Pedido(d, h);

    // Today's deposits and handovers, and what earlier orders left for today, are in the agenda.
    std::vector<Movimiento> movs;
    movs.swap(agenda_[size_t(d)]);
    const double iniciales[] = {100, 150, 50, 200};
    movs.push_back({Momento(dia, QTime(9, 30)), iniciales[azar_.Ponderado({7, 1, 1, 1})],
                    QStringLiteral("Inicio caja"), 1, 0});
    for (int i = azar_.Ponderado({35, 35, 20, 10}); i > 0; --i)
        movs.push_back({HoraEn(d), azar_.Entre(3, 50) * 0.5, QString::fromUtf8("Mercería"), 1, 0});
    if (azar_.Prob(0.6))
        movs.push_back({Momento(dia, sabado ? QTime(14, 0) : QTime(20, 0)), -10.0 * azar_.Entre(5, 30),
                        QStringLiteral("Retirado de caja"), 1, 0});

    std::stable_sort(movs.begin(), movs.end(),
                     [](const Movimiento &a, const Movimiento &b) { return a.cuando < b.cuando; });
    const QString cierre = dia.toString(QStringLiteral("yyyyMMdd"));
    // Opening a cash day closes every earlier one: only the last day is still open.
    const int cerrado = d + 1 == int(dias_.size()) ? 0 : 1;
    for (const Movimiento &m : movs)
        caja_.Fila(
            {m.importe, m.concepto, m.cuando.toString(kIso), cierre, cerrado, m.formapago, m.idarreglo, 0});
}

void Historia::Pedido(int d, const QDateTime &cuando)
{
    const qint64 n = ++numero_;
    const int ultimo = int(dias_.size()) - 1;
    const bool esTienda = azar_.Prob(0.08);
    int cliente;
    if (esTienda) {
        cliente = tiendas_[size_t(std::min<double>(
            tiendas_.size() - 1, std::floor(std::pow(azar_.U(), 1.5) * double(tiendas_.size()))))];
    } else {
        // A few customers come often, most now and then; the frequent ones are spread over the ids.
        const size_t k = size_t(std::floor(std::pow(azar_.U(), 1.3) * double(privados_.size())));
        cliente = privados_[(std::min(k, privados_.size() - 1) * 7919) % privados_.size()];
    }

    const int numPrendas = azar_.Ponderado({58, 25, 10, 4, 3}) + 1;
    std::vector<Prenda> prendas(static_cast<size_t>(numPrendas));
    double total = 0;
    QDate prevista;
    int listoTodas = 0; // the last working day a garment came back; -1 when one has not
    for (Prenda &p : prendas) {
        p.familia = azar_.Ponderado(pesosFamilia_) + 1;
        const std::vector<int> &oferta = productosFamilia_[size_t(p.familia)];
        const int numLineas = std::min<int>(int(oferta.size()), azar_.Ponderado({58, 28, 10, 4}) + 1);
        while (int(p.productos.size()) < numLineas) {
            const int id = azar_.Uno(oferta);
            if (id == kProductoUrgente && !azar_.Prob(0.2))
                continue; // the urgent service is the exception, not the rule
            if (std::find(p.productos.begin(), p.productos.end(), id) == p.productos.end())
                p.productos.push_back(id);
        }
        const Familia &fam = Familias()[size_t(p.familia - 1)];
        p.nombre = QStringLiteral("-- ") + T(fam.nombre)
                   + (azar_.Prob(0.6) ? QLatin1Char(' ') + T(azar_.Uno(kColores)) : QString())
                   + QStringLiteral(" --");
        const bool urgente = std::count(p.productos.begin(), p.productos.end(), kProductoUrgente) > 0;
        p.entrega = urgente ? cuando.date() : cuando.date().addDays(azar_.Entre(3, 14));
        if (!prevista.isValid() || p.entrega > prevista)
            prevista = p.entrega;
        for (int id : p.productos) {
            const int i = (id - 1) % 10;
            const std::vector<Arreglo> &grupo = Grupos()[size_t(fam.grupo)];
            const double p1 = Redondo(grupo[size_t(i)].precio * fam.factor, 0.5);
            double precio = esTienda ? Redondo(p1 * 0.8, 0.5) : p1;
            if (azar_.Prob(0.03)) // a price typed at the counter
                precio = std::max(1.0, precio + azar_.Entre(-2, 5));
            p.precios.push_back(precio);
            total += precio;
        }

        const int diaAsignada = urgente ? d : d + azar_.Ponderado({30, 40, 20, 10});
        if (diaAsignada <= ultimo) {
            p.costurera = Costurera(diaAsignada);
            p.asignada = HoraEn(diaAsignada, diaAsignada == d ? cuando.time() : QTime(10, 0));
            const int listo = urgente ? diaAsignada : diaAsignada + azar_.Entre(1, 7);
            if (listo <= ultimo) {
                p.diaListo = listo;
                // Workers are paid at the turn of the month; now and then a line is forgotten.
                p.pagada = dias_[size_t(listo)] < inicioMesUltimo_ && !azar_.Prob(0.002);
            }
        }
        if (p.diaListo < 0)
            listoTodas = -1;
        else if (listoTodas >= 0)
            listoTodas = std::max(listoTodas, p.diaListo);
    }
    total = RedondearImporte(total);

    double senal = 0;
    if (!esTienda) {
        const double r = azar_.U();
        senal = r < 0.35   ? 0
                : r < 0.65 ? total
                           : std::min(total, std::max(5.0, std::floor(total * 0.5 / 5) * 5));
    }
    const QString concepto = QStringLiteral("Ref. ") + QString::number(n);
    if (senal > 0)
        agenda_[size_t(d)].push_back({cuando, senal, concepto, FormaPago(d), n});

    // Handed over when the customer comes back after the promised date and every garment is in the shop.
    int diaEntrega = -1;
    if (listoTodas >= 0 && (esTienda || !azar_.Prob(0.003))) {
        const int tarde = azar_.Prob(0.7) ? azar_.Entre(0, 3) : azar_.Entre(4, 30);
        const int dia = std::max(DiaDesde(prevista.addDays(tarde)), listoTodas);
        if (dia <= ultimo)
            diaEntrega = dia;
    }

    QDateTime fechaArreglo = cuando;
    QVariant realEntrega, entregadoACliente;
    double entregado = senal;
    if (diaEntrega >= 0) {
        const QDateTime entrega = HoraEn(diaEntrega, diaEntrega == d ? cuando.time() : QTime(10, 0));
        const double resto = RedondearImporte(total - senal);
        // A partner shop takes its garments and pays at the month's settlement.
        const double ahora = esTienda ? 0 : resto;
        if (ahora > 0)
            agenda_[size_t(diaEntrega)].push_back({entrega, ahora, concepto, FormaPago(diaEntrega), n});
        if (esTienda && resto > 0) {
            const QDate mes = entrega.date().addMonths(1);
            const int diaPago = DiaDesde(QDate(mes.year(), mes.month(), 1).addDays(azar_.Entre(0, 9)));
            if (diaPago <= ultimo) {
                const QDateTime pago = HoraEn(diaPago);
                agenda_[size_t(diaPago)].push_back({pago, resto, concepto, 1, n});
                agenda_[size_t(diaPago)].push_back(
                    {pago, -resto, QStringLiteral("Retirado caja P.T."), 1, 0});
            }
        }
        // Finishing a reopened order saves it again: its date becomes the handover's and
        // `entregado` this visit's money.
        fechaArreglo = entrega;
        entregado = ahora;
        realEntrega = entrega.toString(kIso);
        entregadoACliente = 1;
    }

    arreglos_.Fila({n, azar_.Entre(1, 5), cliente, fechaArreglo.toString(kIso), Medianoche(prevista),
                    realEntrega, entregado, 0, entregadoACliente});
    int g = 0;
    for (const Prenda &p : prendas) {
        const QString referencia = QString::number(n) + QLatin1Char('.') + QString::number(++g);
        const QVariant costurera = p.costurera ? QVariant(p.costurera) : QVariant();
        const QVariant asignada = p.costurera ? QVariant(p.asignada.toString(kIso)) : QVariant();
        QVariant listo;
        if (diaEntrega >= 0 || p.diaListo >= 0)
            listo = 1;
        else if (azar_.Prob(0.01))
            listo = 0; // marked back by mistake and toggled off again
        for (size_t i = 0; i < p.productos.size(); ++i)
            lineas_.Fila({n, p.productos[i], p.precios[i], p.nombre, referencia, Medianoche(p.entrega), listo,
                          costurera, asignada, p.pagada ? QVariant(1) : QVariant()});
    }
}

} // namespace

ResumenHistoria GenerarHistoria(Conexion &conexion, const OpcionesHistoria &opciones)
{
    Historia h(conexion, opciones);
    return h.Generar();
}
