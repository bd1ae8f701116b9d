#!/usr/bin/env bash
# The reliability runs and their figures in one table.
#   scripts/fiabilidad.sh              short runs (those of the test command), fuzzing 10 s a target
#   scripts/fiabilidad.sh --completo   1,000 kills on SQLite and 200 on PostgreSQL, 8 counters x 500
#                                      orders on both, fuzzing 600 s a target
#   --sin-fuzz                         leaves the fuzzing out (it builds its own clang tree)
# Uses the build in build/ (HILVAN_BUILD to choose another) and its own throwaway PostgreSQL
# server on HILVAN_PG_PORT (the build's test port).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build=${HILVAN_BUILD:-$raiz/build}
completo=0 fuzz=1
for a in "$@"; do
    case $a in
        --completo) completo=1 ;;
        --sin-fuzz) fuzz=0 ;;
        *) echo "uso: $0 [--completo] [--sin-fuzz]" >&2; exit 2 ;;
    esac
done
cmake --build "$build" -j2 --target hilvan-puesto hilvan-admin test_bd_caidas test_bd_mostradores >/dev/null
puerto=$(sed -n 's/^HILVAN_PG_PORT:STRING=//p' "$build/CMakeCache.txt")
export QT_QPA_PLATFORM=offscreen LC_ALL=es_ES.UTF-8
export HILVAN_PG_HOST=127.0.0.1 HILVAN_PG_PORT=${puerto:-55432} HILVAN_PG_USER=postgres
export HILVAN_ADMIN="$build/src/hilvan-admin"
trabajo="$build/fiabilidad"
rm -rf "$trabajo" && mkdir -p "$trabajo"
bash "$raiz/scripts/pg-prueba.sh" start "$trabajo/pg" >/dev/null
trap 'bash "$raiz/scripts/pg-prueba.sh" stop "$trabajo/pg" >/dev/null' EXIT

filas=()
fallos=0
# One test program on one backend; its "FIABILIDAD ..." line gives the figures.
correr() {
    local prueba=$1 motor=$2
    shift 2
    local registro="$trabajo/$prueba-$motor.log" estado=0
    env "$@" $([[ $motor == postgresql ]] && echo HILVAN_MOTOR=postgresql) \
        "$build/tests/$prueba" >"$registro" 2>&1 || estado=$?
    local linea
    linea=$(grep '^FIABILIDAD' "$registro" | tail -1 || true)
    if ((estado != 0)) || [[ -z $linea ]]; then
        fallos=$((fallos + 1))
        filas+=("$(printf '%-34s %-11s %s' "$prueba" "$motor" "FALLO (ver $registro)")")
        return
    fi
    set -- $linea
    case $2 in
        caidas) filas+=("$(printf '%-34s %-11s %s' "caídas (SIGKILL) superadas" "$motor" \
                    "$4 de $4; $5 encargos y $6 entregas confirmados, todos presentes")") ;;
        mostradores) filas+=("$(printf '%-34s %-11s %s' "mostradores a la vez" "$motor" \
                    "$4 x $5: $6 encargos, $7 números distintos, 0 avisos, ${8} s")") ;;
    esac
}

if ((completo)); then
    correr test_bd_caidas sqlite HILVAN_CAIDAS=1000
    correr test_bd_caidas postgresql HILVAN_CAIDAS=200
    correr test_bd_mostradores sqlite HILVAN_MOSTRADORES=8x500
    correr test_bd_mostradores postgresql HILVAN_MOSTRADORES=8x500
else
    correr test_bd_caidas sqlite
    correr test_bd_caidas postgresql
    correr test_bd_mostradores sqlite
    correr test_bd_mostradores postgresql
fi

# What a synchronous commit costs per finished order, on a file in the build folder.
medida="$trabajo/medida"
for s in NORMAL FULL; do
    rm -rf "$medida" && mkdir -p "$medida"
    "$HILVAN_ADMIN" init --demo --config "$medida/bdcostuaccess.dat" --base "$medida/medida.db" >/dev/null
    ms=$(echo | "$build/tests/hilvan-puesto" --base "$medida/medida.db" --encargos 200 --sincronia $s \
        | sed -n 's/^ms_por_encargo //p')
    filas+=("$(printf '%-34s %-11s %s' "fin de arreglo, synchronous=$s" sqlite "$ms ms por encargo (200, WAL)")")
done

if ((fuzz)); then
    segundos=10
    ((completo)) && segundos=600
    while read -r objetivo ejecuciones caidos; do
        [[ $objetivo == objetivo ]] && continue
        ((caidos != 0)) && fallos=$((fallos + 1))
        filas+=("$(printf '%-34s %-11s %s' "fuzz $objetivo" "-" "$ejecuciones ejecuciones en $segundos s, $caidos fallos")")
    done < <(bash "$raiz/scripts/fuzz.sh" "$segundos" | tail -n +1)
fi

printf '%-34s %-11s %s\n' prueba motor resultado
printf '%s\n' "${filas[@]}"
exit $((fallos != 0))
