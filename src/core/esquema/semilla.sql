-- The rows no screen maintains: staff, payment methods and the one row of shop parameters.
insert into usuarios (idusuario, nombre) values (1, 'Encargada');
insert into formaspago (idformapago, nombre) values (1, 'Efectivo');
insert into formaspago (idformapago, nombre) values (2, 'Tarjeta');
insert into formaspago (idformapago, nombre) values (3, 'Bizum');
insert into parametros (nombretienda, nombre, nif, direccion, telefono, cp, localidad, pie1, pie2, pie3, pie4, pie5, pie6, pie7, puertocom, parametrospuerto, anchuracarro) values ('ARREGLOS DE ROPA', '', '', '', '', '', '', 'Gracias por su visita', '', '', '', '', '', '', '0', '9600,n,8,1', '40');
