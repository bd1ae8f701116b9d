-- Shop database, embedded engine. Dates are ISO-8601 text "YYYY-MM-DD HH:MM:SS".
create table if not exists arreglos (
    idarreglo integer primary key,
    idusuario integer,
    idcliente integer,
    fechaarreglo timestamp,
    fechaprevistaentrega timestamp,
    fecharealentrega timestamp,
    entregado numeric(12,2),
    pagado integer,
    entregadoacliente integer
);
create table if not exists arreglos_detalles (
    idarreglodetalle integer primary key autoincrement,
    idarreglo integer,
    idproducto integer,
    precio numeric(12,2),
    nombreprenda text,
    referenciaprenda text,
    fechaentrega timestamp,
    listoparaentrega integer,
    idcosturera integer,
    fechaasignaciontrabajador timestamp,
    pagadoatrabajador integer
);
create table if not exists clientes (
    idcliente integer primary key autoincrement,
    nombre text,
    direccion text,
    cpostal text,
    localidad text,
    nif text,
    telefono text,
    estienda integer
);
create table if not exists productos (
    idproducto integer primary key autoincrement,
    idfamilia integer,
    nombre text,
    precio1 numeric(12,2),
    precio2 numeric(12,2),
    precio3 numeric(12,2),
    activo integer
);
create table if not exists familias (
    idfamilia integer primary key autoincrement,
    nombre text
);
create table if not exists costureras (
    idcosturera integer primary key autoincrement,
    nombre text,
    desactivado integer
);
create table if not exists usuarios (
    idusuario integer primary key,
    nombre text
);
create table if not exists formaspago (
    idformapago integer primary key,
    nombre text
);
create table if not exists colores (
    idcolor integer primary key autoincrement,
    nombre text
);
create table if not exists caja (
    idmovimiento integer primary key autoincrement,
    importe numeric(12,2),
    concepto text,
    fecha timestamp,
    nombrecierre text,
    cerrado integer,
    formapago integer,
    idarreglo integer,
    idticket integer,
    puesto text
);
create table if not exists parametros (
    nombretienda text,
    nombre text,
    nif text,
    direccion text,
    telefono text,
    cp text,
    localidad text,
    pie1 text,
    pie2 text,
    pie3 text,
    pie4 text,
    pie5 text,
    pie6 text,
    pie7 text,
    puertocom text,
    parametrospuerto text,
    anchuracarro text,
    pin text
);
-- Who moved money and data: written in the same transaction as the action, never changed.
create table if not exists operaciones (
    idoperacion integer primary key autoincrement,
    fecha timestamp,
    nombrecierre text,
    puesto text,
    usuario text,
    tipo text,
    idarreglo integer,
    importe numeric(12,2),
    detalle text
);
create index if not exists ix_arreglos_cliente on arreglos (idcliente);
create index if not exists ix_arreglos_prevista on arreglos (fechaprevistaentrega);
create index if not exists ix_arreglos_realentrega on arreglos (fecharealentrega);
-- An order's lines and its total (sum of precio) read from the index alone.
create index if not exists ix_detalles_arreglo on arreglos_detalles (idarreglo, precio);
create index if not exists ix_detalles_referencia on arreglos_detalles (referenciaprenda);
create index if not exists ix_detalles_costurera on arreglos_detalles (idcosturera);
create index if not exists ix_detalles_producto on arreglos_detalles (idproducto);
-- Garments still with their worker: the pending lists stay as small as the open work.
create index if not exists ix_detalles_pendientes on arreglos_detalles (idcosturera)
    where listoparaentrega <> 1 or listoparaentrega is null;
-- Lines not yet paid to the worker, newest reference first for the pay screen's "Ver".
create index if not exists ix_detalles_sinpagar on arreglos_detalles (referenciaprenda)
    where pagadoatrabajador = 0 or pagadoatrabajador is null;
-- Garments back from their worker, one worker's newest first: the pay screen's "Ver" of one
-- worker reads its lines straight from here instead of sorting a worker's whole history.
create index if not exists ix_detalles_listos on arreglos_detalles (idcosturera, idarreglo)
    where listoparaentrega = 1;
-- Orders not handed over yet (late orders) among years of delivered ones.
create index if not exists ix_arreglos_sinentregar on arreglos (idarreglo) where entregadoacliente is null;
create index if not exists ix_clientes_telefono on clientes (telefono);
-- One customer per telephone, also when two counters save the same new customer at once.
create unique index if not exists ux_clientes_telefono on clientes (telefono) where telefono <> '';
create index if not exists ix_clientes_nombre on clientes (nombre);
-- The shop accounts start from the few partner shops, not from every order.
create index if not exists ix_clientes_tienda on clientes (estienda);
create index if not exists ix_productos_familia on productos (idfamilia);
-- What an order has been paid, and each cash day's total, read from the index alone.
create index if not exists ix_caja_arreglo on caja (idarreglo, importe);
create index if not exists ix_caja_cierre on caja (nombrecierre, importe);
-- The movements of the cash day still open: opening the next day and closing this one touch
-- these few, not decades of journal.
create index if not exists ix_caja_abierta on caja (nombrecierre) where cerrado = 0 or cerrado is null;
