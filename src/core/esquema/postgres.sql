-- Shop database, server engine.
-- Names sort as a Spanish reader expects: "order by nombre collate espanol".
create collation if not exists espanol (provider = icu, locale = 'es-ES');
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
    idarreglodetalle serial primary key,
    idarreglo integer,
    idproducto integer,
    precio numeric(12,2),
    nombreprenda varchar(255),
    referenciaprenda varchar(255),
    fechaentrega timestamp,
    listoparaentrega integer,
    idcosturera integer,
    fechaasignaciontrabajador timestamp,
    pagadoatrabajador integer
);
create table if not exists clientes (
    idcliente serial primary key,
    nombre varchar(255),
    direccion varchar(255),
    cpostal varchar(255),
    localidad varchar(255),
    nif varchar(255),
    telefono varchar(255),
    estienda integer
);
create table if not exists productos (
    idproducto serial primary key,
    idfamilia integer,
    nombre varchar(255),
    precio1 numeric(12,2),
    precio2 numeric(12,2),
    precio3 numeric(12,2),
    activo integer
);
create table if not exists familias (
    idfamilia serial primary key,
    nombre varchar(255)
);
create table if not exists costureras (
    idcosturera serial primary key,
    nombre varchar(255),
    desactivado integer
);
create table if not exists usuarios (
    idusuario integer primary key,
    nombre varchar(255)
);
create table if not exists formaspago (
    idformapago integer primary key,
    nombre varchar(255)
);
create table if not exists colores (
    idcolor serial primary key,
    nombre varchar(255)
);
create table if not exists caja (
    idmovimiento serial primary key,
    importe numeric(12,2),
    concepto varchar(255),
    fecha timestamp,
    nombrecierre varchar(255),
    cerrado integer,
    formapago integer,
    idarreglo integer,
    idticket integer,
    puesto varchar(255)
);
create table if not exists parametros (
    nombretienda varchar(255),
    nombre varchar(255),
    nif varchar(255),
    direccion varchar(255),
    telefono varchar(255),
    cp varchar(255),
    localidad varchar(255),
    pie1 varchar(255),
    pie2 varchar(255),
    pie3 varchar(255),
    pie4 varchar(255),
    pie5 varchar(255),
    pie6 varchar(255),
    pie7 varchar(255),
    puertocom varchar(255),
    parametrospuerto varchar(255),
    anchuracarro varchar(255),
    pin varchar(255)
);
-- Who moved money and data: written in the same transaction as the action, never changed.
create table if not exists operaciones (
    idoperacion serial primary key,
    fecha timestamp,
    nombrecierre varchar(255),
    puesto varchar(255),
    usuario varchar(255),
    tipo varchar(255),
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
-- An update that would leave a movement as it is (closing one already closed) writes nothing.
create or replace trigger caja_sin_cambios before update on caja
    for each row execute function suppress_redundant_updates_trigger();
-- Date functions the shop's queries use, as the embedded engine has them too.
create or replace function year(timestamp) returns integer language sql immutable as $$
    select extract(year from $1)::integer
$$;
create or replace function month(timestamp) returns integer language sql immutable as $$
    select extract(month from $1)::integer
$$;
create or replace function datediff(unidad text, a timestamp, b timestamp) returns integer language sql immutable as $$
    select case lower(unidad)
        when 'yyyy' then (extract(year from b) - extract(year from a))::integer
        when 'm' then ((extract(year from b) - extract(year from a)) * 12 + extract(month from b) - extract(month from a))::integer
        when 'h' then (extract(epoch from (date_trunc('hour', b) - date_trunc('hour', a))) / 3600)::integer
        else (b::date - a::date)
    end
$$;
-- A key written by hand (a row restored or typed in with its number) moves the counter past
-- it, as the embedded engine does, so the next row the program adds does not collide with it.
create or replace function seguir_id() returns trigger language plpgsql as $$
declare
    secuencia regclass := pg_get_serial_sequence(TG_TABLE_NAME, TG_ARGV[0])::regclass;
    id bigint := (to_jsonb(new) ->> TG_ARGV[0])::bigint;
begin
    if id > coalesce(pg_sequence_last_value(secuencia), 0) then
        perform setval(secuencia, id);
    end if;
    return null;
end
$$;
create or replace trigger seguir_id after insert on arreglos_detalles
    for each row execute function seguir_id('idarreglodetalle');
create or replace trigger seguir_id after insert on clientes
    for each row execute function seguir_id('idcliente');
create or replace trigger seguir_id after insert on productos
    for each row execute function seguir_id('idproducto');
create or replace trigger seguir_id after insert on familias
    for each row execute function seguir_id('idfamilia');
create or replace trigger seguir_id after insert on costureras
    for each row execute function seguir_id('idcosturera');
create or replace trigger seguir_id after insert on colores
    for each row execute function seguir_id('idcolor');
create or replace trigger seguir_id after insert on caja
    for each row execute function seguir_id('idmovimiento');
-- Not the journal (operaciones): the server numbers its rows, an import moves its counter once, and
-- a trigger of it on seguir_id would stop a copy from before the journal from being restored
-- (pg_restore --clean drops the function).
