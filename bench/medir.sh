#!/usr/bin/env bash
# Measures the program on ten years of a shop, on SQLite and on PostgreSQL (see bench/README.md).
#
#   bench/medir.sh [hilvan-bench options...]
#
# Builds hilvan-admin and hilvan-bench, creates the SQLite shop once a day (kept under the build
# folder), starts a throwaway PostgreSQL server with scripts/pg-prueba.sh and loads the same shop
# into it, runs hilvan-bench on both and writes the tables to BUILD/bench-datos/resultados.md.
#
# Environment: HILVAN_BUILD (build folder, default build/), ARREGLOS (150000), SEMILLA (1),
# SOLO_SQLITE=1 (skip the server), HILVAN_PG_PORT (55433: not the test suite's 55432, so that a
# test run elsewhere does not wait for this one), IDA_VUELTA ("0": the server's round trips to
# measure, e.g. "0 5 30"; hilvan-bench puts its delaying proxy in front of the server for each).
set -euo pipefail

raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${HILVAN_BUILD:-$raiz/build}"
arreglos="${ARREGLOS:-150000}"
semilla="${SEMILLA:-1}"
export HILVAN_PG_PORT="${HILVAN_PG_PORT:-55433}"
datos="$build/bench-datos"
admin="$build/src/hilvan-admin"
banco="$build/bench/hilvan-bench"

cmake -S "$raiz" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target hilvan-admin hilvan-bench -j 2
mkdir -p "$datos"

# The history ends the working day before it is made: made again each day, so that the last
# weeks of work are this week's.
nombre="tienda-$arreglos-$semilla"
hoy="$(date +%F)"
if [[ ! -f "$datos/$nombre.db" || "$(cat "$datos/$nombre.fecha" 2>/dev/null)" != "$hoy" ]]; then
    rm -f "$datos/$nombre.db" "$datos/$nombre.db-wal" "$datos/$nombre.db-shm"
    echo "Creando la tienda SQLite de $arreglos arreglos..."
    "$admin" demo --orders "$arreglos" --seed "$semilla" --config "$datos/$nombre-sqlite.dat" --base "$nombre.db"
    echo "$hoy" >"$datos/$nombre.fecha"
fi
configs=(--config "$datos/$nombre-sqlite.dat")

if [[ "${SOLO_SQLITE:-0}" != "1" ]]; then
    servidor="$datos/pg"
    trap 'HILVAN_ADMIN="$admin" "$raiz/scripts/pg-prueba.sh" stop "$servidor" >/dev/null' EXIT
    HILVAN_ADMIN="$admin" "$raiz/scripts/pg-prueba.sh" start "$servidor" >/dev/null
    "${PG_BIN:-/usr/lib/postgresql/15/bin}/createdb" -h 127.0.0.1 -p "$HILVAN_PG_PORT" -U postgres tienda
    echo "Creando la tienda PostgreSQL de $arreglos arreglos..."
    "$admin" demo --orders "$arreglos" --seed "$semilla" --config "$datos/$nombre-pg.dat" \
        --servidor "127.0.0.1:$HILVAN_PG_PORT" tienda postgres ''
    configs+=(--config "$datos/$nombre-pg.dat")
fi

"$banco" "${configs[@]}" --salida "$datos/resultados.md" "$@"
echo "Resultados en $datos/resultados.md"
# The same server farther away: every exchange through a proxy that delays it.
for ms in ${IDA_VUELTA:-0}; do
    [[ "$ms" == 0 || "${SOLO_SQLITE:-0}" == "1" ]] && continue
    "$banco" --config "$datos/$nombre-pg.dat" --ida-vuelta "$ms" --sin-copia \
        --salida "$datos/resultados-$ms-ms.md" "$@"
    echo "Resultados a $ms ms en $datos/resultados-$ms-ms.md"
done
