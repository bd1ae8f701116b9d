--
-- PostgreSQL database dump
--


-- Dumped from database version 15.18 (Debian 15.18-0+deb12u1)
-- Dumped by pg_dump version 15.18 (Debian 15.18-0+deb12u1)

SET statement_timeout = 0;
SET lock_timeout = 0;
SET idle_in_transaction_session_timeout = 0;
SET client_encoding = 'UTF8';
SET standard_conforming_strings = on;
SELECT pg_catalog.set_config('search_path', '', false);
SET check_function_bodies = false;
SET xmloption = content;
SET client_min_messages = warning;
SET row_security = off;

--
-- Name: espanol; Type: COLLATION; Schema: public; Owner: -
--

CREATE COLLATION public.espanol (provider = icu, locale = 'es-ES');


--
-- Name: datediff(text, timestamp without time zone, timestamp without time zone); Type: FUNCTION; Schema: public; Owner: -
--

CREATE FUNCTION public.datediff(unidad text, a timestamp without time zone, b timestamp without time zone) RETURNS integer
    LANGUAGE sql IMMUTABLE
    AS $$
    select case lower(unidad)
        when 'yyyy' then (extract(year from b) - extract(year from a))::integer
        when 'm' then ((extract(year from b) - extract(year from a)) * 12 + extract(month from b) - extract(month from a))::integer
        when 'h' then (extract(epoch from (date_trunc('hour', b) - date_trunc('hour', a))) / 3600)::integer
        else (b::date - a::date)
    end
$$;


--
-- Name: month(timestamp without time zone); Type: FUNCTION; Schema: public; Owner: -
--

CREATE FUNCTION public.month(timestamp without time zone) RETURNS integer
    LANGUAGE sql IMMUTABLE
    AS $_$
    select extract(month from $1)::integer
$_$;


--
-- Name: seguir_id(); Type: FUNCTION; Schema: public; Owner: -
--

CREATE FUNCTION public.seguir_id() RETURNS trigger
    LANGUAGE plpgsql
    AS $$
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


--
-- Name: year(timestamp without time zone); Type: FUNCTION; Schema: public; Owner: -
--

CREATE FUNCTION public.year(timestamp without time zone) RETURNS integer
    LANGUAGE sql IMMUTABLE
    AS $_$
    select extract(year from $1)::integer
$_$;


SET default_tablespace = '';

SET default_table_access_method = heap;

--
-- Name: arreglos; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.arreglos (
    idarreglo integer NOT NULL,
    idusuario integer,
    idcliente integer,
    fechaarreglo timestamp without time zone,
    fechaprevistaentrega timestamp without time zone,
    fecharealentrega timestamp without time zone,
    entregado numeric(12,2),
    pagado integer,
    entregadoacliente integer
);


--
-- Name: arreglos_detalles; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.arreglos_detalles (
    idarreglodetalle integer NOT NULL,
    idarreglo integer,
    idproducto integer,
    precio numeric(12,2),
    nombreprenda character varying(255),
    referenciaprenda character varying(255),
    fechaentrega timestamp without time zone,
    listoparaentrega integer,
    idcosturera integer,
    fechaasignaciontrabajador timestamp without time zone,
    pagadoatrabajador integer
);


--
-- Name: arreglos_detalles_idarreglodetalle_seq; Type: SEQUENCE; Schema: public; Owner: -
--

CREATE SEQUENCE public.arreglos_detalles_idarreglodetalle_seq
    AS integer
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1;


--
-- Name: arreglos_detalles_idarreglodetalle_seq; Type: SEQUENCE OWNED BY; Schema: public; Owner: -
--

ALTER SEQUENCE public.arreglos_detalles_idarreglodetalle_seq OWNED BY public.arreglos_detalles.idarreglodetalle;


--
-- Name: caja; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.caja (
    idmovimiento integer NOT NULL,
    importe numeric(12,2),
    concepto character varying(255),
    fecha timestamp without time zone,
    nombrecierre character varying(255),
    cerrado integer,
    formapago integer,
    idarreglo integer,
    idticket integer,
    puesto character varying(255)
);


--
-- Name: caja_idmovimiento_seq; Type: SEQUENCE; Schema: public; Owner: -
--

CREATE SEQUENCE public.caja_idmovimiento_seq
    AS integer
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1;


--
-- Name: caja_idmovimiento_seq; Type: SEQUENCE OWNED BY; Schema: public; Owner: -
--

ALTER SEQUENCE public.caja_idmovimiento_seq OWNED BY public.caja.idmovimiento;


--
-- Name: clientes; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.clientes (
    idcliente integer NOT NULL,
    nombre character varying(255),
    direccion character varying(255),
    cpostal character varying(255),
    localidad character varying(255),
    nif character varying(255),
    telefono character varying(255),
    estienda integer
);


--
-- Name: clientes_idcliente_seq; Type: SEQUENCE; Schema: public; Owner: -
--

CREATE SEQUENCE public.clientes_idcliente_seq
    AS integer
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1;


--
-- Name: clientes_idcliente_seq; Type: SEQUENCE OWNED BY; Schema: public; Owner: -
--

ALTER SEQUENCE public.clientes_idcliente_seq OWNED BY public.clientes.idcliente;


--
-- Name: colores; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.colores (
    idcolor integer NOT NULL,
    nombre character varying(255)
);


--
-- Name: colores_idcolor_seq; Type: SEQUENCE; Schema: public; Owner: -
--

CREATE SEQUENCE public.colores_idcolor_seq
    AS integer
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1;


--
-- Name: colores_idcolor_seq; Type: SEQUENCE OWNED BY; Schema: public; Owner: -
--

ALTER SEQUENCE public.colores_idcolor_seq OWNED BY public.colores.idcolor;


--
-- Name: costureras; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.costureras (
    idcosturera integer NOT NULL,
    nombre character varying(255),
    desactivado integer
);


--
-- Name: costureras_idcosturera_seq; Type: SEQUENCE; Schema: public; Owner: -
--

CREATE SEQUENCE public.costureras_idcosturera_seq
    AS integer
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1;


--
-- Name: costureras_idcosturera_seq; Type: SEQUENCE OWNED BY; Schema: public; Owner: -
--

ALTER SEQUENCE public.costureras_idcosturera_seq OWNED BY public.costureras.idcosturera;


--
-- Name: familias; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.familias (
    idfamilia integer NOT NULL,
    nombre character varying(255)
);


--
-- Name: familias_idfamilia_seq; Type: SEQUENCE; Schema: public; Owner: -
--

CREATE SEQUENCE public.familias_idfamilia_seq
    AS integer
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1;


--
-- Name: familias_idfamilia_seq; Type: SEQUENCE OWNED BY; Schema: public; Owner: -
--

ALTER SEQUENCE public.familias_idfamilia_seq OWNED BY public.familias.idfamilia;


--
-- Name: formaspago; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.formaspago (
    idformapago integer NOT NULL,
    nombre character varying(255)
);


--
-- Name: operaciones; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.operaciones (
    idoperacion integer NOT NULL,
    fecha timestamp without time zone,
    nombrecierre character varying(255),
    puesto character varying(255),
    usuario character varying(255),
    tipo character varying(255),
    idarreglo integer,
    importe numeric(12,2),
    detalle text
);


--
-- Name: operaciones_idoperacion_seq; Type: SEQUENCE; Schema: public; Owner: -
--

CREATE SEQUENCE public.operaciones_idoperacion_seq
    AS integer
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1;


--
-- Name: operaciones_idoperacion_seq; Type: SEQUENCE OWNED BY; Schema: public; Owner: -
--

ALTER SEQUENCE public.operaciones_idoperacion_seq OWNED BY public.operaciones.idoperacion;


--
-- Name: parametros; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.parametros (
    nombretienda character varying(255),
    nombre character varying(255),
    nif character varying(255),
    direccion character varying(255),
    telefono character varying(255),
    cp character varying(255),
    localidad character varying(255),
    pie1 character varying(255),
    pie2 character varying(255),
    pie3 character varying(255),
    pie4 character varying(255),
    pie5 character varying(255),
    pie6 character varying(255),
    pie7 character varying(255),
    puertocom character varying(255),
    parametrospuerto character varying(255),
    anchuracarro character varying(255),
    pin character varying(255)
);


--
-- Name: productos; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.productos (
    idproducto integer NOT NULL,
    idfamilia integer,
    nombre character varying(255),
    precio1 numeric(12,2),
    precio2 numeric(12,2),
    precio3 numeric(12,2),
    activo integer
);


--
-- Name: productos_idproducto_seq; Type: SEQUENCE; Schema: public; Owner: -
--

CREATE SEQUENCE public.productos_idproducto_seq
    AS integer
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1;


--
-- Name: productos_idproducto_seq; Type: SEQUENCE OWNED BY; Schema: public; Owner: -
--

ALTER SEQUENCE public.productos_idproducto_seq OWNED BY public.productos.idproducto;


--
-- Name: usuarios; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.usuarios (
    idusuario integer NOT NULL,
    nombre character varying(255)
);


--
-- Name: arreglos_detalles idarreglodetalle; Type: DEFAULT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.arreglos_detalles ALTER COLUMN idarreglodetalle SET DEFAULT nextval('public.arreglos_detalles_idarreglodetalle_seq'::regclass);


--
-- Name: caja idmovimiento; Type: DEFAULT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.caja ALTER COLUMN idmovimiento SET DEFAULT nextval('public.caja_idmovimiento_seq'::regclass);


--
-- Name: clientes idcliente; Type: DEFAULT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.clientes ALTER COLUMN idcliente SET DEFAULT nextval('public.clientes_idcliente_seq'::regclass);


--
-- Name: colores idcolor; Type: DEFAULT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.colores ALTER COLUMN idcolor SET DEFAULT nextval('public.colores_idcolor_seq'::regclass);


--
-- Name: costureras idcosturera; Type: DEFAULT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.costureras ALTER COLUMN idcosturera SET DEFAULT nextval('public.costureras_idcosturera_seq'::regclass);


--
-- Name: familias idfamilia; Type: DEFAULT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.familias ALTER COLUMN idfamilia SET DEFAULT nextval('public.familias_idfamilia_seq'::regclass);


--
-- Name: operaciones idoperacion; Type: DEFAULT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.operaciones ALTER COLUMN idoperacion SET DEFAULT nextval('public.operaciones_idoperacion_seq'::regclass);


--
-- Name: productos idproducto; Type: DEFAULT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.productos ALTER COLUMN idproducto SET DEFAULT nextval('public.productos_idproducto_seq'::regclass);


--
-- Data for Name: arreglos; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.arreglos (idarreglo, idusuario, idcliente, fechaarreglo, fechaprevistaentrega, fecharealentrega, entregado, pagado, entregadoacliente) FROM stdin;
1	1	1	2026-11-17 10:21:00	2026-12-01 00:00:00	2026-12-06 18:15:00	10.00	0	1
2	2	3	2026-11-19 10:42:00	2026-12-02 00:00:00	2026-12-06 18:15:00	0.00	0	1
3	1	4	2026-11-25 11:03:00	2026-12-06 00:00:00	\N	20.00	0	\N
4	3	7	2026-11-28 11:24:00	2026-12-08 00:00:00	\N	5.00	0	\N
5	2	6	2026-12-01 11:45:00	2026-12-11 00:00:00	\N	0.00	0	\N
6	1	5	2026-12-03 12:06:00	2026-12-13 00:00:00	\N	15.00	0	\N
7	2	2	2026-12-05 12:27:00	2026-12-12 00:00:00	\N	0.00	0	\N
8	3	8	2026-12-06 12:48:00	2026-12-14 00:00:00	\N	10.00	0	\N
\.


--
-- Data for Name: arreglos_detalles; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.arreglos_detalles (idarreglodetalle, idarreglo, idproducto, precio, nombreprenda, referenciaprenda, fechaentrega, listoparaentrega, idcosturera, fechaasignaciontrabajador, pagadoatrabajador) FROM stdin;
1	1	1	8.00	Pantalón negro	1.1	2026-12-01 00:00:00	1	1	2026-11-18 10:21:00	0
2	1	3	12.00	Pantalón negro	1.1	2026-12-01 00:00:00	1	1	2026-11-18 10:21:00	0
3	2	10	11.00	Vestido rojo	2.1	2026-12-02 00:00:00	1	2	2026-11-20 10:42:00	1
4	2	11	12.00	Vestido rojo	2.1	2026-12-02 00:00:00	1	2	2026-11-20 10:42:00	1
5	2	7	7.00	Falda beige	2.2	2026-12-02 00:00:00	1	2	2026-11-20 10:42:00	1
6	3	14	18.00	Chaqueta gris marengo	3.1	2026-12-06 00:00:00	1	1	2026-11-26 11:03:00	0
7	3	17	6.00	Chaqueta gris marengo	3.1	2026-12-06 00:00:00	1	1	2026-11-26 11:03:00	0
8	4	18	10.00	Camisa blanca	4.1	2026-12-08 00:00:00	0	3	2026-11-29 11:24:00	0
9	4	2	10.00	Pantalón azul marino	4.2	2026-12-08 00:00:00	0	3	2026-11-29 11:24:00	0
10	5	26	5.00	Cortinas salón	5.1	2026-12-11 00:00:00	0	2	2026-12-02 11:45:00	0
11	5	26	5.00	Cortinas salón	5.1	2026-12-11 00:00:00	0	2	2026-12-02 11:45:00	0
12	5	27	6.50	Cortinas salón	5.1	2026-12-11 00:00:00	0	2	2026-12-02 11:45:00	0
13	6	24	22.00	Abrigo camel	6.1	2026-12-13 00:00:00	0	\N	\N	0
14	6	25	60.00	Abrigo camel	6.1	2026-12-13 00:00:00	0	\N	\N	0
15	7	1	8.00	Pantalón gris	7.1	2026-12-10 00:00:00	0	\N	\N	0
16	7	14	18.00	Chaqueta negra	7.2	2026-12-12 00:00:00	0	\N	\N	0
17	8	12	7.00	Vestido verde botella	8.1	2026-12-14 00:00:00	0	\N	\N	0
18	8	13	18.00	Vestido verde botella	8.1	2026-12-14 00:00:00	0	\N	\N	0
\.


--
-- Data for Name: caja; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.caja (idmovimiento, importe, concepto, fecha, nombrecierre, cerrado, formapago, idarreglo, idticket, puesto) FROM stdin;
1	100.00	Inicio caja	2026-11-17 09:30:00	20261117	1	1	0	0	\N
2	10.00	Ref. 1	2026-11-17 10:21:00	20261117	1	1	1	0	\N
3	100.00	Inicio caja	2026-12-06 09:30:00	20261206	1	1	0	0	\N
4	10.00	Ref. 1	2026-12-06 18:15:00	20261206	1	2	1	0	\N
5	100.00	Inicio caja	2026-11-25 09:30:00	20261125	1	1	0	0	\N
6	20.00	Ref. 3	2026-11-25 11:03:00	20261125	1	1	3	0	\N
7	100.00	Inicio caja	2026-11-28 09:30:00	20261128	1	1	0	0	\N
8	5.00	Ref. 4	2026-11-28 11:24:00	20261128	1	1	4	0	\N
9	100.00	Inicio caja	2026-12-03 09:30:00	20261203	1	1	0	0	\N
10	15.00	Ref. 6	2026-12-03 12:06:00	20261203	1	1	6	0	\N
11	10.00	Ref. 8	2026-12-06 12:48:00	20261206	1	1	8	0	\N
12	100.00	Inicio caja	2026-12-04 09:30:00	20261204	1	1	0	0	\N
13	7.50	Mercería	2026-12-04 12:40:00	20261204	1	1	0	0	\N
14	-50.00	Retirado de caja	2026-12-06 13:05:00	20261206	1	1	0	0	\N
\.


--
-- Data for Name: clientes; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.clientes (idcliente, nombre, direccion, cpostal, localidad, nif, telefono, estienda) FROM stdin;
1	María Muñoz García	C/ Toledo, 45, 2º B	28005	Madrid		600111222	0
2	José Luis Pérez	Av. de la Albufera, 120	28038	Madrid		600333444	0
3	Boutique Lola	C/ Fuencarral, 88	28004	Madrid	B87654321	915556677	1
4	Ana Belén Rodríguez	C/ Atocha, 7	28012	Madrid		611222333	0
5	Carmen Núñez Sanz	C/ Embajadores, 30	28012	Madrid		622333444	0
6	Tintorería La Estrella	C/ Preciados, 14	28013	Madrid	B11223344	914443322	1
7	Patrick O'Brien	C/ Huertas, 3	28014	Madrid		633444555	0
8	Lucía Fernández	C/ Alcalá, 210	28028	Madrid		644555666	0
9	Antonio Gómez Ruiz	C/ Goya, 19	28001	Madrid		655666777	0
10	Susana Martín	C/ Princesa, 52	28008	Madrid		666777888	0
11	Rafael Ortiz	Paseo de Extremadura, 5	28011	Madrid		677888999	0
12	Elena Sánchez Vidal	C/ Serrano, 101	28006	Madrid		688999000	0
\.


--
-- Data for Name: colores; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.colores (idcolor, nombre) FROM stdin;
1	Negro
2	Blanco
3	Azul marino
4	Azul cielo
5	Rojo
6	Granate
7	Verde
8	Verde botella
9	Gris
10	Gris marengo
11	Marrón
12	Beige
13	Crema
14	Rosa
15	Fucsia
16	Amarillo
17	Mostaza
18	Naranja
19	Morado
20	Lila
21	Camel
22	Plata
23	Dorado
\.


--
-- Data for Name: costureras; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.costureras (idcosturera, nombre, desactivado) FROM stdin;
1	Rosa	0
2	Pilar	0
3	Encarna	0
4	Lucía (jubilada)	1
\.


--
-- Data for Name: familias; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.familias (idfamilia, nombre) FROM stdin;
1	Pantalón
2	Falda
3	Vestido
4	Chaqueta
5	Camisa
6	Varios
7	Abrigo
8	Cortinas
9	Mercería
\.


--
-- Data for Name: formaspago; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.formaspago (idformapago, nombre) FROM stdin;
1	Efectivo
2	Tarjeta
3	Bizum
\.


--
-- Data for Name: operaciones; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.operaciones (idoperacion, fecha, nombrecierre, puesto, usuario, tipo, idarreglo, importe, detalle) FROM stdin;
\.


--
-- Data for Name: parametros; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.parametros (nombretienda, nombre, nif, direccion, telefono, cp, localidad, pie1, pie2, pie3, pie4, pie5, pie6, pie7, puertocom, parametrospuerto, anchuracarro, pin) FROM stdin;
HILVÁN ARREGLOS	Hilván Costura S.L.	B12345678	C/ Mayor, 12	912 345 678	28013	Madrid	Gracias por su confianza	Plazo de recogida: 3 meses	Imprescindible presentar este ticket					0	9600,n,8,1	40	\N
\.


--
-- Data for Name: productos; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.productos (idproducto, idfamilia, nombre, precio1, precio2, precio3, activo) FROM stdin;
1	1	Bajo	8.00	6.00	3.00	0
2	1	Bajo con vuelta	10.00	8.00	4.00	0
3	1	Meter cintura	12.00	9.00	5.00	0
4	1	Sacar cintura	12.00	9.00	5.00	0
5	1	Estrechar pernera	15.00	12.00	6.00	0
6	1	Cambiar cremallera	10.00	8.00	4.00	0
7	2	Bajo	9.00	7.00	3.50	0
8	2	Meter cintura	11.00	8.50	4.50	0
9	2	Cambiar cremallera	10.00	8.00	4.00	0
10	3	Bajo	14.00	11.00	6.00	0
11	3	Meter costados	16.00	12.00	7.00	0
12	3	Acortar tirantes	7.00	5.50	3.00	0
13	3	Entallar	18.00	14.00	8.00	0
14	4	Acortar mangas	18.00	14.00	8.00	0
15	4	Meter costados	20.00	16.00	9.00	0
16	4	Cambiar forro	45.00	36.00	20.00	0
17	4	Cambiar botones	6.00	4.50	2.00	0
18	5	Acortar mangas	10.00	8.00	4.00	0
19	5	Entallar	12.00	9.00	5.00	0
20	5	Cambiar puños	14.00	11.00	6.00	0
21	6	Urgente (entrega en el día)	6.00	5.00	2.00	0
22	6	Coser descosido	5.00	4.00	2.00	0
23	6	Poner parche	6.00	5.00	2.50	0
24	7	Acortar mangas	22.00	18.00	10.00	0
25	7	Cambiar forro	60.00	48.00	25.00	0
26	8	Bajo de cortina (metro)	6.00	5.00	2.50	0
27	8	Poner cinta de fruncir	8.00	6.50	3.00	0
28	9	Productos mercería	0.00	0.00	0.00	0
29	6	Zurcido invisible	15.00	12.00	7.00	1
\.


--
-- Data for Name: usuarios; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.usuarios (idusuario, nombre) FROM stdin;
1	Marisa
2	Carmen
3	Julia
\.


--
-- Name: arreglos_detalles_idarreglodetalle_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.arreglos_detalles_idarreglodetalle_seq', 18, true);


--
-- Name: caja_idmovimiento_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.caja_idmovimiento_seq', 14, true);


--
-- Name: clientes_idcliente_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.clientes_idcliente_seq', 12, true);


--
-- Name: colores_idcolor_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.colores_idcolor_seq', 23, true);


--
-- Name: costureras_idcosturera_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.costureras_idcosturera_seq', 4, true);


--
-- Name: familias_idfamilia_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.familias_idfamilia_seq', 9, true);


--
-- Name: operaciones_idoperacion_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.operaciones_idoperacion_seq', 1, false);


--
-- Name: productos_idproducto_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.productos_idproducto_seq', 29, true);


--
-- Name: arreglos_detalles arreglos_detalles_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.arreglos_detalles
    ADD CONSTRAINT arreglos_detalles_pkey PRIMARY KEY (idarreglodetalle);


--
-- Name: arreglos arreglos_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.arreglos
    ADD CONSTRAINT arreglos_pkey PRIMARY KEY (idarreglo);


--
-- Name: caja caja_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.caja
    ADD CONSTRAINT caja_pkey PRIMARY KEY (idmovimiento);


--
-- Name: clientes clientes_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.clientes
    ADD CONSTRAINT clientes_pkey PRIMARY KEY (idcliente);


--
-- Name: colores colores_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.colores
    ADD CONSTRAINT colores_pkey PRIMARY KEY (idcolor);


--
-- Name: costureras costureras_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.costureras
    ADD CONSTRAINT costureras_pkey PRIMARY KEY (idcosturera);


--
-- Name: familias familias_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.familias
    ADD CONSTRAINT familias_pkey PRIMARY KEY (idfamilia);


--
-- Name: formaspago formaspago_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.formaspago
    ADD CONSTRAINT formaspago_pkey PRIMARY KEY (idformapago);


--
-- Name: operaciones operaciones_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.operaciones
    ADD CONSTRAINT operaciones_pkey PRIMARY KEY (idoperacion);


--
-- Name: productos productos_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.productos
    ADD CONSTRAINT productos_pkey PRIMARY KEY (idproducto);


--
-- Name: usuarios usuarios_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.usuarios
    ADD CONSTRAINT usuarios_pkey PRIMARY KEY (idusuario);


--
-- Name: ix_arreglos_cliente; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_arreglos_cliente ON public.arreglos USING btree (idcliente);


--
-- Name: ix_arreglos_prevista; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_arreglos_prevista ON public.arreglos USING btree (fechaprevistaentrega);


--
-- Name: ix_arreglos_realentrega; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_arreglos_realentrega ON public.arreglos USING btree (fecharealentrega);


--
-- Name: ix_arreglos_sinentregar; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_arreglos_sinentregar ON public.arreglos USING btree (idarreglo) WHERE (entregadoacliente IS NULL);


--
-- Name: ix_caja_abierta; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_caja_abierta ON public.caja USING btree (nombrecierre) WHERE ((cerrado = 0) OR (cerrado IS NULL));


--
-- Name: ix_caja_arreglo; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_caja_arreglo ON public.caja USING btree (idarreglo, importe);


--
-- Name: ix_caja_cierre; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_caja_cierre ON public.caja USING btree (nombrecierre, importe);


--
-- Name: ix_clientes_nombre; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_clientes_nombre ON public.clientes USING btree (nombre);


--
-- Name: ix_clientes_telefono; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_clientes_telefono ON public.clientes USING btree (telefono);


--
-- Name: ix_clientes_tienda; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_clientes_tienda ON public.clientes USING btree (estienda);


--
-- Name: ix_detalles_arreglo; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_detalles_arreglo ON public.arreglos_detalles USING btree (idarreglo, precio);


--
-- Name: ix_detalles_costurera; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_detalles_costurera ON public.arreglos_detalles USING btree (idcosturera);


--
-- Name: ix_detalles_listos; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_detalles_listos ON public.arreglos_detalles USING btree (idcosturera, idarreglo) WHERE (listoparaentrega = 1);


--
-- Name: ix_detalles_pendientes; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_detalles_pendientes ON public.arreglos_detalles USING btree (idcosturera) WHERE ((listoparaentrega <> 1) OR (listoparaentrega IS NULL));


--
-- Name: ix_detalles_producto; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_detalles_producto ON public.arreglos_detalles USING btree (idproducto);


--
-- Name: ix_detalles_referencia; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_detalles_referencia ON public.arreglos_detalles USING btree (referenciaprenda);


--
-- Name: ix_detalles_sinpagar; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_detalles_sinpagar ON public.arreglos_detalles USING btree (referenciaprenda) WHERE ((pagadoatrabajador = 0) OR (pagadoatrabajador IS NULL));


--
-- Name: ix_productos_familia; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX ix_productos_familia ON public.productos USING btree (idfamilia);


--
-- Name: ux_clientes_telefono; Type: INDEX; Schema: public; Owner: -
--

CREATE UNIQUE INDEX ux_clientes_telefono ON public.clientes USING btree (telefono) WHERE ((telefono)::text <> ''::text);


--
-- Name: caja caja_sin_cambios; Type: TRIGGER; Schema: public; Owner: -
--

CREATE TRIGGER caja_sin_cambios BEFORE UPDATE ON public.caja FOR EACH ROW EXECUTE FUNCTION suppress_redundant_updates_trigger();


--
-- Name: arreglos_detalles seguir_id; Type: TRIGGER; Schema: public; Owner: -
--

CREATE TRIGGER seguir_id AFTER INSERT ON public.arreglos_detalles FOR EACH ROW EXECUTE FUNCTION public.seguir_id('idarreglodetalle');


--
-- Name: caja seguir_id; Type: TRIGGER; Schema: public; Owner: -
--

CREATE TRIGGER seguir_id AFTER INSERT ON public.caja FOR EACH ROW EXECUTE FUNCTION public.seguir_id('idmovimiento');


--
-- Name: clientes seguir_id; Type: TRIGGER; Schema: public; Owner: -
--

CREATE TRIGGER seguir_id AFTER INSERT ON public.clientes FOR EACH ROW EXECUTE FUNCTION public.seguir_id('idcliente');


--
-- Name: colores seguir_id; Type: TRIGGER; Schema: public; Owner: -
--

CREATE TRIGGER seguir_id AFTER INSERT ON public.colores FOR EACH ROW EXECUTE FUNCTION public.seguir_id('idcolor');


--
-- Name: costureras seguir_id; Type: TRIGGER; Schema: public; Owner: -
--

CREATE TRIGGER seguir_id AFTER INSERT ON public.costureras FOR EACH ROW EXECUTE FUNCTION public.seguir_id('idcosturera');


--
-- Name: familias seguir_id; Type: TRIGGER; Schema: public; Owner: -
--

CREATE TRIGGER seguir_id AFTER INSERT ON public.familias FOR EACH ROW EXECUTE FUNCTION public.seguir_id('idfamilia');


--
-- Name: productos seguir_id; Type: TRIGGER; Schema: public; Owner: -
--

CREATE TRIGGER seguir_id AFTER INSERT ON public.productos FOR EACH ROW EXECUTE FUNCTION public.seguir_id('idproducto');


--
-- PostgreSQL database dump complete
--


