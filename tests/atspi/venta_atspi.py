# Takes in a one-garment order on the sale screen over AT-SPI, as a person with a screen reader
# would, and reads back the customer's name and the figures through the Text interface.
import sys
import time

import pyatspi


def esperar(buscar, que):
    for _ in range(100):
        encontrado = buscar()
        if encontrado:
            return encontrado
        time.sleep(0.1)
    sys.exit('no aparece ' + que)


programa = esperar(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'hilvan'), None), 'hilvan')


def control(rol, nombre):
    visible = lambda o: o.getRoleName() == rol and o.name == nombre and o.getState().contains(pyatspi.STATE_SHOWING)
    return esperar(lambda: pyatspi.findDescendant(programa, visible), rol + ' ' + nombre)


def pulsar(*nombres):
    for nombre in nombres:
        control('push button', nombre).queryAction().doAction(0)
        time.sleep(0.3)


def tocar(tabla, fila, columna=None):
    t = control('table', tabla).queryTable()
    ancho = lambda c: t.getAccessibleAt(fila, c).queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width
    columna = columna if columna is not None else next(c for c in range(t.nColumns) if ancho(c) > 2)
    e = t.getAccessibleAt(fila, columna).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(e.x + e.width // 2, e.y + e.height // 2, 'b1c')
    time.sleep(0.5)


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
tocar('Familias', 0)
tocar('Arreglos de la familia', 0)
tocar('Prendas y arreglos del encargo', 0, 5)  # the garment's delivery date
pulsar('Dentro de 1 semana')
pulsar('Teléfono del cliente', *'600111222', 'Aceptar')
pulsar('Introduzca la cantidad', '1', '0', 'Aceptar')
leido = {n: valor(n) for n in ('Nombre del cliente', 'Importe total', 'Entregado', 'Pendiente')}
print(leido)
esperado = {'Nombre del cliente': 'María Muñoz García', 'Importe total': '22.00', 'Entregado': '10.00',
            'Pendiente': '12.00'}
if leido != esperado:
    sys.exit('esperaba %s' % esperado)
pulsar('Fin arreglo')
tocar('Seleccione el usuario', 0)  # the picker closes on the name
tocar('Imprimir, Ref. 9', 2)  # "Nada": no printer here
esperar(lambda: valor('Importe total') in ('', '0.00'), 'la venta vacía tras guardar')
print('encargo 9 guardado')
