# Takes in a one-garment order on the sale screen over AT-SPI, as a person with a screen reader
# would, and reads back the order's lines through the Table interface and the customer's name and
# the figures through the Text interface.
import sys
import time

import pyatspi
from gi.repository import GLib

# Which labels announced a change of their text, as a screen reader hears it.
anunciados = set()


def oir(e):
    anunciados.add(e.source.name)


def dormir(segundos):
    # Waits while the bus's events come in.
    fin = time.time() + segundos
    while time.time() < fin:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def esperar(buscar, que):
    for _ in range(100):
        encontrado = buscar()
        if encontrado:
            return encontrado
        dormir(0.1)
    sys.exit('no aparece ' + que)


programa = esperar(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'hilvan'), None), 'hilvan')
# Registered once the program is on the bus: a listener that comes while the program is still
# starting can be missed by it, and then no change is ever announced.
pyatspi.Registry.registerEventListener(oir, 'object:text-changed')
dormir(0.5)


def control(rol, nombre):
    visible = lambda o: o.getRoleName() == rol and o.name == nombre and o.getState().contains(pyatspi.STATE_SHOWING)
    return esperar(lambda: pyatspi.findDescendant(programa, visible), rol + ' ' + nombre)


def pulsar(*nombres):
    for nombre in nombres:
        control('push button', nombre).queryAction().doAction(0)
        dormir(0.3)


def tocar(tabla, fila, cabecera=None):
    t = control('table', tabla).queryTable()
    columna = next(c for c in range(t.nColumns) if t.getColumnDescription(c) == cabecera) if cabecera else 0
    e = t.getAccessibleAt(fila, columna).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(e.x + e.width // 2, e.y + e.height // 2, 'b1c')
    dormir(0.5)


def filas(tabla):
    # A grid as a screen reader reads it: the column headers, then every row's cells.
    t = control('table', tabla).queryTable()
    leidas = [[t.getColumnHeader(c).name for c in range(t.nColumns)]]
    return leidas + [[t.getAccessibleAt(f, c).name for c in range(t.nColumns)] for f in range(t.nRows)]


def valor(nombre):
    # The caption above a box is a label of its own; the box is the one whose text is not its name.
    es = lambda o: o.getRoleName() == 'label' and o.name == nombre and o.getState().contains(pyatspi.STATE_SHOWING)
    for o in pyatspi.findAllDescendants(programa, es):
        t = o.queryText()
        texto = t.getText(0, t.characterCount)
        if texto != nombre:
            return texto
    return None


pulsar('Aceptar', '5', '0', 'Aceptar')  # a new cash day, 50 in the drawer
pulsar('Comenzar')
# Nothing on the screen a reader stops at without hearing what it is.
mudas = pyatspi.findAllDescendants(programa, lambda o: o.getRoleName() == 'label' and not o.name and o.getState().contains(pyatspi.STATE_SHOWING))
if mudas:
    sys.exit('%d etiquetas sin nombre ni texto' % len(mudas))
tocar('Familias', 0)
anunciados.clear()
tocar('Arreglos de la familia', 0)
if 'Importe total' not in anunciados:
    sys.exit('el total no se anuncia al añadir la línea: %s' % sorted(anunciados))
tocar('Prendas y arreglos del encargo', 0, 'Fecha')  # the garment's delivery date
pulsar('Dentro de 1 semana')
pulsar('Teléfono del cliente', *'600111222', 'Aceptar')
pulsar('Introduzca la cantidad', '1', '0', 'Aceptar')
lineas = filas('Prendas y arreglos del encargo')  # no hidden id column, every column named
rejilla = control('table', 'Prendas y arreglos del encargo')
hijos = [rejilla.getChildAtIndex(i) for i in range(rejilla.childCount)]
if len(hijos) != len(lineas) * len(lineas[0]) or len(set(map(id, hijos))) != len(hijos):
    sys.exit('la rejilla repite celdas entre sus hijos: %d hijos' % len(hijos))
print(lineas)
if lineas[0] != ['Borrar', 'Producto/Arreglo', 'Importe', 'Fecha'] or lineas[-1][1:3] != ['Acortar mangas', '22.00']:
    sys.exit('la rejilla del encargo no se lee como se ve')
leido = {n: valor(n) for n in ('Nombre del cliente', 'Importe total', 'Entregado', 'Pendiente')}
print(leido, 'anunciados:', sorted(anunciados))
esperado = {'Nombre del cliente': 'María Muñoz García', 'Importe total': '22.00', 'Entregado': '10.00',
            'Pendiente': '12.00'}
if leido != esperado:
    sys.exit('esperaba %s' % esperado)
pulsar('Fin arreglo')
tocar('Seleccione el usuario', 0)  # the picker closes on the name
tocar('Imprimir, Ref. 9', 2)  # "Nada": no printer here
esperar(lambda: valor('Importe total') in ('', '0.00'), 'la venta vacía tras guardar')
print('encargo 9 guardado')
