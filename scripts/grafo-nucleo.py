#!/usr/bin/env python3
"""Prints the include graph of src/core as a Mermaid graph, one node per file pair (X.h + X.cpp),
and fails when the graph has a circle: core is the bottom layer and each of its files must be
readable without the ones that use it."""
import pathlib
import re
import sys

nucleo = pathlib.Path(__file__).resolve().parent.parent / "src" / "core"
nodos = sorted({f.stem for f in nucleo.glob("*.h")} | {f.stem for f in nucleo.glob("*.cpp")})
aristas = {n: set() for n in nodos}
for f in list(nucleo.glob("*.h")) + list(nucleo.glob("*.cpp")):
    for incluido in re.findall(r'^#include "(?:core/)?([^"/]+)\.h"', f.read_text(), re.M):
        if incluido in aristas and incluido != f.stem:
            aristas[f.stem].add(incluido)

print("```mermaid\ngraph TD")
for n in nodos:
    for m in sorted(aristas[n]):
        print(f"    {n} --> {m}")
print("```")

# A depth-first walk: reaching a file still on the current path closes a circle.
estado, camino, circulos = {}, [], []


def Visitar(n):
    estado[n] = 1
    camino.append(n)
    for m in sorted(aristas[n]):
        if estado.get(m) == 1:
            circulos.append(camino[camino.index(m):] + [m])
        elif m not in estado:
            Visitar(m)
    camino.pop()
    estado[n] = 2


for n in nodos:
    if n not in estado:
        Visitar(n)
for c in circulos:
    print("circle: " + " -> ".join(c), file=sys.stderr)
sys.exit(1 if circulos else 0)
