#!/usr/bin/env bash
# The reliability runs and their figures in one table.
#   scripts/fiabilidad.sh              short runs (those of the test command), fuzzing 10 s a target
#   scripts/fiabilidad.sh --completo   1,000 kills on SQLite and 200 on PostgreSQL, 8 counters x 500
#                                      orders on both, fuzzing 600 s a target
#                                      simulated shop days: 4 tills, about 100,000 actions a backend
#                                      (HILVAN_SIMULACION_COMPLETA=HISTORIASxPASOSxPUESTOSxACCIONES to scale it)
#   --sin-fuzz                         leaves the fuzzing out (it builds its own clang tree)
#   --sin-compilar                     runs the build as it is (another build is running in it)
#   --sanitizadores                    also every test under AddressSanitizer and UndefinedBehavior-
#                                      Sanitizer (scripts/fuzz.sh, its own clang tree: long)
# Uses the build in build/ (HILVAN_BUILD to choose another) and its own throwaway PostgreSQL
# server on HILVAN_PG_PORT (the build's test port).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build=${HILVAN_BUILD:-$raiz/build}
completo=0 fuzz=1 compilar=1 sanitizadores=0
for a in "$@"; do
    case $a in
        --completo) completo=1 ;;
        --sin-fuzz) fuzz=0 ;;
        --sin-compilar) compilar=0 ;;
        --sanitizadores) sanitizadores=1 ;;
        *) echo "usage: $0 [--completo] [--sin-fuzz] [--sin-compilar] [--sanitizadores]" >&2; exit 2 ;;
    esac
done
((compilar)) && cmake --build "$build" -j2 --target hilvan-puesto hilvan-admin test_bd_caidas test_bd_mostradores test_bd_hostil test_bd_simulacion test_impresoras >/dev/null
puerto=$(sed -n 's/^HILVAN_PG_PORT:STRING=//p' "$build/CMakeCache.txt")
# The long runs take longer than the 5 minutes the test library allows a test function.
export QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=14400000
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
    if ((estado != 0)) || ! grep -q '^FIABILIDAD' "$registro"; then
        fallos=$((fallos + 1))
        filas+=("$(printf '%s\t%s\t%s' "$prueba" "$motor" "FAILED (see $registro)")")
        return
    fi
    local linea
    while read -r linea; do
        set -- $linea
        case $2 in
            caidas)
                local trabajo
                case $4 in
                    arreglos) trabajo="finish and hand-over" ;;
                    pagos) trabajo="partner shop payment" ;;
                    anulaciones) trabajo="annulment" ;;
                    copias) trabajo="backup" ;;
                esac
                filas+=("$(printf '%s\t%s\t%s' "kills (SIGKILL): $trabajo" "$motor" \
                    "$5 of $5 survived; $6 actions confirmed, all present; seed $7")") ;;
            mostradores) filas+=("$(printf '%s\t%s\t%s' "counters at once" "$motor" \
                        "$4 x $5: $6 orders, $7 distinct numbers, 0 messages, ${8} s")") ;;
            entregas) filas+=("$(printf '%s\t%s\t%s' "hand-overs at once" "$motor" \
                        "$4 counters, $5 orders: $6 hand-overs, each paid once; $7 messages")") ;;
            simulacion) filas+=("$(printf '%s\t%s\t%s' "simulated shop days (RapidCheck)" "$motor" \
                        "$4 tills: $5 actions in $6 histories, $7 invariant checks, $8 failures, ${9} s")") ;;
            hostil) filas+=("$(printf '%s\t%s\t%s' "hostile input on the screens" "$motor" \
                        "$5 tried ($4 texts on $6 screens), 0 failures, ${7} s")") ;;
        esac
    done < <(grep '^FIABILIDAD' "$registro")
    # The faults injected in the same program, one backend each.
    local fallo nombre resultado
    for fallo in "disco lleno" "archivo ocupado" "servidor perdido"; do
        grep -q "SKIP   : .*::laBaseFallaAMitad($fallo" "$registro" && continue
        grep -q "PASS   : .*::laBaseFallaAMitad($fallo" "$registro" || continue
        case $fallo in
            "disco lleno") nombre="full disk or read-only file"
                resultado="finish and customer card: Spanish message, screen intact, nothing written; saved afterwards" ;;
            "archivo ocupado") nombre="file held by another program"
                resultado="Spanish message after 5 s, screen intact, nothing written; saved afterwards" ;;
            "servidor perdido") nombre="connection cut during a finish"
                resultado="Spanish message, screen intact, nothing written; saved without restarting" ;;
        esac
        filas+=("$(printf '%s\t%s\t%s' "$nombre" "$motor" "$resultado")")
    done
}

if ((completo)); then
    correr test_bd_caidas sqlite HILVAN_CAIDAS=1000
    correr test_bd_caidas postgresql HILVAN_CAIDAS=200
    correr test_bd_mostradores sqlite HILVAN_MOSTRADORES=8x500 HILVAN_ENTREGAS=4x200
    correr test_bd_mostradores postgresql HILVAN_MOSTRADORES=8x500 HILVAN_ENTREGAS=4x200
    correr test_bd_simulacion sqlite HILVAN_SIMULACION=${HILVAN_SIMULACION_COMPLETA:-200x400x4x100000}
    correr test_bd_simulacion postgresql HILVAN_SIMULACION=${HILVAN_SIMULACION_COMPLETA:-200x400x4x100000}
else
    correr test_bd_caidas sqlite
    correr test_bd_caidas postgresql
    correr test_bd_mostradores sqlite
    correr test_bd_mostradores postgresql
    correr test_bd_simulacion sqlite
    correr test_bd_simulacion postgresql
fi
correr test_bd_hostil sqlite
correr test_bd_hostil postgresql

# The printer that goes away in the middle of a ticket or is slow, and what the counter waited.
registro="$trabajo/test_impresoras.log"
if "$build/tests/test_impresoras" impresoraQueFallaNoParaElMostrador >"$registro" 2>&1; then
    while IFS=: read -r _ _ _ caso cifras; do
        set -- ${cifras//,/}
        # The test names its cases in Spanish.
        case $caso in
            "puerto serie que se cierra") caso="serial port that closes" ;;
            "dispositivo que desaparece") caso="device that disappears" ;;
            "impresora lenta") caso="slow printer" ;;
        esac
        # A printer fault must never hold the counter: a line over a second fails the run.
        ((${6} < 1000)) || fallos=$((fallos + 1))
        filas+=("$(printf '%s\t%s\t%s' "printer: $caso" "-" \
            "slowest line $6 ms, $3 of $1 lines lost; the order is saved")")
    done < <(sed -n 's/^QINFO  : //p' "$registro" | sed 's/() /():/')
else
    fallos=$((fallos + 1))
    filas+=("$(printf '%s\t%s\t%s' "printer that goes away or is slow" "-" "FAILED (see $registro)")")
fi

# What a synchronous commit costs per finished order, on a file in the build folder: three rounds
# of 200 finishes with each setting, taken in turns so that the machine's load falls on both alike.
medida="$trabajo/medida"
declare -A tiempos=()
for ronda in 1 2 3; do
    for s in NORMAL FULL; do
        rm -rf "$medida" && mkdir -p "$medida"
        "$HILVAN_ADMIN" init --demo --config "$medida/bdcostuaccess.dat" --base "$medida/medida.db" >/dev/null
        ms=$(echo | "$build/tests/hilvan-puesto" --base "$medida/medida.db" --encargos 200 --sincronia $s \
            | sed -n 's/^ms_por_encargo //p')
        tiempos[$s]+="$ms "
    done
done
for s in NORMAL FULL; do
    mediana=$(tr ' ' '\n' <<<"${tiempos[$s]}" | grep . | sort -n | sed -n 2p)
    filas+=("$(printf '%s\t%s\t%s' "finish, synchronous=$s" sqlite \
        "$mediana ms per order (median of 3 x 200; WAL; ${tiempos[$s]% })")")
done

if ((fuzz)); then
    segundos=10
    ((completo)) && segundos=600
    while read -r objetivo ejecuciones caidos; do
        [[ $objetivo == target ]] && continue
        ((caidos != 0)) && fallos=$((fallos + 1))
        filas+=("$(printf '%s\t%s\t%s' "fuzz $objetivo" "-" "$ejecuciones executions in $segundos s, $caidos crashes")")
    done < <(bash "$raiz/scripts/fuzz.sh" "$segundos" | sed -n '/^target /,$p')
fi

if ((sanitizadores)); then
    registro="$trabajo/sanitizadores.log"
    estado=0
    bash "$raiz/scripts/fuzz.sh" >"$registro" 2>&1 || estado=$?
    resumen=$(grep -E '^[0-9]+% tests passed' "$registro" | tail -1 || true)
    ((estado != 0)) && fallos=$((fallos + 1))
    filas+=("$(printf '%s\t%s\t%s' "every test under ASan and UBSan" "both" "${resumen:-FAILED (see $registro)}")")
fi

# Columns as wide as their longest entry, counted in characters, not bytes (a name may carry accents).
LC_ALL=C.UTF-8
ancho=4 anchoMotor=7
for f in "${filas[@]}"; do
    IFS=$'\t' read -r p m _ <<<"$f"
    if ((${#p} > ancho)); then ancho=${#p}; fi
    if ((${#m} > anchoMotor)); then anchoMotor=${#m}; fi
done
linea() { printf '%s%*s  %s%*s  %s\n' "$1" $((ancho - ${#1})) '' "$2" $((anchoMotor - ${#2})) '' "$3"; }
linea test backend result
for f in "${filas[@]}"; do
    IFS=$'\t' read -r p m r <<<"$f"
    linea "$p" "$m" "$r"
done
exit $((fallos != 0))
