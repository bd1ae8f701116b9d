#pragma once

#include "BaseDePrueba.h"
#include "PantallasPrueba.h"
#include "printing/TicketsArreglo.h"
#include "workshop/frmListaEntregar.h"

#include <QString>
#include <functional>

// A small workshop: María's order 10 (garment 10.1, a Pantalón with two alterations; 10.2 a
// Falda), order 11 already handed over (11.1), order 12 a haberdashery sale (12.1). Workers
// Lola (2) and Rosa (1) are active, Inés (3) has left. Nothing is assigned yet.
inline void SembrarTaller(BaseDePrueba &b)
{
    b.Insertar("familias", "idfamilia, nombre", {"1, 'Pantalones'"});
    b.Insertar("productos", "idproducto, idfamilia, nombre, precio1, activo",
               {"1, 1, 'Bajo', 8, 1", "2, 1, 'Meter cintura', 12, 1", "3, 1, 'Productos mercería', 0, 1"});
    b.Insertar("costureras", "idcosturera, nombre, desactivado",
               {"1, 'Rosa', 0", "2, 'Lola', null", "3, 'Inés', 1"});
    b.Insertar("clientes", "idcliente, nombre, telefono, estienda", {"1, 'María', '600111222', 0"});
    b.Insertar("arreglos",
               "idarreglo, idusuario, idcliente, fechaarreglo, fechaprevistaentrega, entregadoacliente",
               {"10, 1, 1, '2026-12-01 10:00:00', '2026-12-10 00:00:00', null",
                "11, 1, 1, '2026-11-20 10:00:00', '2026-11-27 00:00:00', 1",
                "12, 1, 1, '2026-12-02 11:00:00', '2026-12-02 00:00:00', null"});
    b.Insertar("arreglos_detalles",
               "idarreglodetalle, idarreglo, idproducto, precio, nombreprenda, referenciaprenda",
               {"1, 10, 1, 8, 'Pantalón', '10.1'", "2, 10, 2, 12, 'Pantalón', '10.1'",
                "3, 10, 1, 7, '--Falda', '10.2'", "4, 11, 1, 10, 'Chaqueta', '11.1'",
                "5, 12, 3, 5, 'Mercería', '12.1'"});
}

// What a keyboard-style reader types for a garment ticket (Enter aside).
inline QString Escaneo(qint64 idarreglo, const QString &referencia)
{
    return QLatin1Char('$') + CodigoBarrasPrenda(idarreglo, referencia);
}

// The barcode line of garment 1234.2's ticket: NUL, CR LF and bytes above 127 on the wire.
inline const QByteArray LineaBarras("\x1br0\x1b!\x00\x1dh\xc8\r\n\x1dw\x04\r\n\x1dk\x02"
                                    "1000012340025\x00\r\n",
                                    35);

// The hand-over list is the real form model; the test plays the user on it.
struct PantallasEntrega : PantallasPrueba {
    ArregloParaVenta ListaEntregar(int idarreglo) override
    {
        abiertas.append(idarreglo);
        frmListaEntregar lista;
        lista.CargarFormulario(idarreglo, [&] { usuario(lista); });
        return lista.ArregloACargar;
    }
    void ListaPrendas(int idarreglo) override { prendas.append(idarreglo); }
    std::function<void(frmListaEntregar &)> usuario = [](frmListaEntregar &) {};
    QList<int> abiertas, prendas;
};
