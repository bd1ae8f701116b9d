#!/usr/bin/env python3
"""A far database server on loopback: forwards TCP connections to a PostgreSQL server, holding every
chunk for half the round trip in each direction, and can cut a connection right after a COMMIT has
reached the server (as a Wi-Fi drop or a server restart does, when the counter cannot know whether
its transaction was kept).

  proxy-retardo.py --escucha PUERTO --destino HOST:PUERTO [--ida-vuelta MS]
                   [--cortar-tras-commit N | --cortar-azar P --semilla S] [--perder-commit N]
                   [--cortar-trozos P] [--control ARCHIVO]

--ida-vuelta MS       the round trip added, in milliseconds (MS/2 each way); 0 forwards at once.
--cortar-tras-commit  cut the connection that sends the N-th COMMIT (counted over all connections),
                      right after forwarding it; 0 never.
--cortar-azar P       cut after each COMMIT with probability P (0..1), from --semilla.
--perder-commit N     the N-th COMMIT never reaches the server: its connection is cut instead (a drop
                      just before it), so the transaction is undone; 0 never.
--cortar-trozos P     cut after any chunk from a client with probability P (0..1), from --semilla: a
                      drop at any moment, inside a transaction or between them.
--control ARCHIVO     read commands from this file each time it changes (or, with "-", from standard
                      input, one a line): "cortar" drops every open
                      connection now, "rechazar" refuses new ones, "aceptar" takes them again,
                      "cortar-tras-commit N" and "perder-commit N" set the count again (counting
                      from now), "cortar-tras-mensajes N" cuts the connection that sends the N-th
                      chunk from now (0: every connection now, as "cortar") (a drop at a chosen moment, inside a transaction or not); each
                      command taken is answered "hecho" on standard output.
Prints "escuchando PUERTO" on standard output once it listens; ends on SIGTERM or SIGINT.
"""
import argparse
import asyncio
import os
import random
import signal
import sys


class Proxy:
    def __init__(self, a):
        self.host, self.puerto = a.destino.rsplit(":", 1)
        self.retardo = a.ida_vuelta / 2000.0
        self.tras_commit = a.cortar_tras_commit
        self.azar = a.cortar_azar
        self.perder = a.perder_commit
        self.trozos = a.cortar_trozos
        self.mensajes = 0
        self.rng = random.Random(a.semilla)
        self.commits = 0
        self.rechazar = False
        self.abiertas = set()

    def cortar_ahora(self):
        """Whether the COMMIT just seen is the one whose connection goes: "tras" once it has gone
        out, "antes" instead of it, or None."""
        self.commits += 1
        if self.perder and self.commits == self.perder:
            return "antes"
        if self.tras_commit and self.commits == self.tras_commit:
            return "tras"
        return "tras" if self.azar > 0 and self.rng.random() < self.azar else None

    async def sentido(self, lector, escritor, del_cliente, cortar):
        """Copies one direction, each chunk delivered `retardo` after it arrived, in order."""
        cola = asyncio.Queue()
        bucle = asyncio.get_running_loop()

        async def entregar():
            while True:
                hora, datos = await cola.get()
                if datos is None:
                    break
                espera = hora - bucle.time()
                if espera > 0:
                    await asyncio.sleep(espera)
                # Once the connection is being cut the counter hears nothing more: the server's
                # answer to the COMMIT it has just received is lost on the way.
                if not del_cliente and cortar.is_set():
                    break
                escritor.write(datos)
                await escritor.drain()
            escritor.close()

        tarea = asyncio.create_task(entregar())
        resto = b""
        try:
            while True:
                datos = await lector.read(65536)
                if not datos:
                    break
                corte = None
                if del_cliente:
                    # A simple-protocol query message: 'Q', length, the text. The drivers send the
                    # end of a transaction as such a message, alone or after the last writes.
                    resto = (resto + datos)[-64:]
                    if any(m in resto for m in (b"Q\x00\x00\x00\x0bCOMMIT\x00", b"Q\x00\x00\x00\x0bcommit\x00",
                                                b";\nCOMMIT\x00")):
                        resto = b""
                        corte = self.cortar_ahora()
                    elif self.trozos > 0 and self.rng.random() < self.trozos:
                        corte = "tras"
                    if self.mensajes > 0:
                        self.mensajes -= 1
                        if self.mensajes == 0:
                            corte = corte or "tras"
                if corte != "antes":
                    cola.put_nowait((bucle.time() + self.retardo, datos))
                if corte:
                    cortar.set()
                    break
        except (ConnectionError, asyncio.CancelledError):
            pass
        cola.put_nowait((0, None))
        try:
            await tarea
        except ConnectionError:
            pass

    async def atender(self, lector_c, escritor_c):
        if self.rechazar:
            escritor_c.close()
            return
        try:
            lector_s, escritor_s = await asyncio.open_connection(self.host, int(self.puerto))
        except OSError:
            escritor_c.close()
            return
        cortar = asyncio.Event()
        tareas = [
            asyncio.create_task(self.sentido(lector_c, escritor_s, True, cortar)),
            asyncio.create_task(self.sentido(lector_s, escritor_c, False, cortar)),
        ]
        vigia = asyncio.create_task(cortar.wait())
        self.abiertas.add(vigia)
        try:
            await asyncio.wait(tareas + [vigia], return_when=asyncio.FIRST_COMPLETED)
            if cortar.is_set():
                # The COMMIT goes out to the server; the counter never hears its answer.
                await asyncio.sleep(self.retardo + 0.05)
        except asyncio.CancelledError:
            pass  # the proxy is stopping: its connections end with it, without a word
        for t in tareas:
            t.cancel()
        for e in (escritor_c, escritor_s):
            e.transport.abort()
        vigia.cancel()
        self.abiertas.discard(vigia)

    def obedecer(self, linea):
        """One command of the control file or of standard input; then "hecho" on standard output."""
        partes = linea.split()
        if not partes:
            return
        if partes[0] == "cortar" or partes[0] == "cortar-tras-mensajes" and int(partes[1]) == 0:
            # Ending a connection's watch ends the connection.
            for vigia in list(self.abiertas):
                vigia.cancel()
        elif partes[0] == "rechazar":
            self.rechazar = True
        elif partes[0] == "aceptar":
            self.rechazar = False
        elif partes[0] == "cortar-tras-commit":
            self.tras_commit, self.perder = int(partes[1]), 0
            self.commits = 0
        elif partes[0] == "perder-commit":
            self.perder, self.tras_commit = int(partes[1]), 0
            self.commits = 0
        elif partes[0] == "cortar-tras-mensajes":
            self.mensajes = int(partes[1])
        print("hecho", flush=True)

    async def vigilar(self, archivo):
        if archivo == "-":
            lector = asyncio.StreamReader()
            await asyncio.get_running_loop().connect_read_pipe(
                lambda: asyncio.StreamReaderProtocol(lector), sys.stdin)
            while linea := await lector.readline():
                self.obedecer(linea.decode())
            return
        visto = None
        while True:
            await asyncio.sleep(0.05)
            try:
                marca = os.stat(archivo).st_mtime_ns
            except FileNotFoundError:
                continue
            if marca == visto:
                continue
            visto = marca
            with open(archivo) as f:
                for linea in f.read().splitlines():
                    self.obedecer(linea)


async def principal(a):
    p = Proxy(a)
    servidor = await asyncio.start_server(p.atender, "127.0.0.1", a.escucha)
    print("escuchando", servidor.sockets[0].getsockname()[1], flush=True)
    if a.control:
        # Kept in a name: a task nobody refers to may be collected while it waits.
        vigilancia = asyncio.create_task(p.vigilar(a.control))  # noqa: F841
    fin = asyncio.Event()
    for s in (signal.SIGTERM, signal.SIGINT):
        asyncio.get_running_loop().add_signal_handler(s, fin.set)
    await fin.wait()
    servidor.close()


if __name__ == "__main__":
    ap = argparse.ArgumentParser()
    ap.add_argument("--escucha", type=int, required=True)
    ap.add_argument("--destino", required=True)
    ap.add_argument("--ida-vuelta", type=float, default=0)
    ap.add_argument("--cortar-tras-commit", type=int, default=0)
    ap.add_argument("--cortar-azar", type=float, default=0)
    ap.add_argument("--semilla", type=int, default=1)
    ap.add_argument("--perder-commit", type=int, default=0)
    ap.add_argument("--cortar-trozos", type=float, default=0)
    ap.add_argument("--control")
    sys.exit(asyncio.run(principal(ap.parse_args())))
