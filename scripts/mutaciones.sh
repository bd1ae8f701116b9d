#!/usr/bin/env bash
# Planted faults: does a test catch each of them?
#   scripts/mutaciones.sh                  every fault under tests/mutaciones/, the whole suite each time
#                                          (about 70 s a fault on the shared 2-core build machine)
#   scripts/mutaciones.sh --rapido         only the test each fault names, on both backends
#   scripts/mutaciones.sh [--rapido] tests/mutaciones/01-redondeo-sin-empujon.patch ...
#                                          only those faults
# Each file in tests/mutaciones/ is one realistic fault as a small patch, with a header naming it
# ("Fallo: ...") and the test expected to catch it ("Prueba: test_x"). The faults are planted one
# at a time in a copy of the source tree (build-mutaciones/, synced from the tree as it is
# now, uncommitted changes included) and built in build-mutaciones/build: the tree itself is never
# changed, also when the run is interrupted. A patch that no longer fits the code is reported as
# "no aplica". Prints a table: caught (and by which tests), not caught, does not apply, does not
# build. The exit status is 1 when a fault that applies was not caught.
# Uses the port of build/'s test server (HILVAN_PG_PORT to choose another).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
rapido=0
parches=()
for a in "$@"; do
    case $a in
        --rapido) rapido=1 ;;
        -*) echo "uso: $0 [--rapido] [PARCHE...]" >&2; exit 2 ;;
        *) parches+=("$(cd "$(dirname "$a")" && pwd)/$(basename "$a")") ;;
    esac
done
((${#parches[@]})) || parches=("$raiz"/tests/mutaciones/*.patch)

# The copy's build lies where build/ lies in the tree, so that the compiler cache finds what the
# tree's own build already compiled.
trabajo="$raiz/build-mutaciones"
fuente="$trabajo"
obra="$trabajo/build"
registros="$trabajo/registros"
mkdir -p "$fuente" "$registros"
rm -f "$registros"/*.log

# The copy follows the tree: changed files are copied (with a new time, so that ninja rebuilds
# them), files gone from the tree go from the copy.
sincronizar() {
    local lista="$trabajo/archivos"
    (cd "$raiz" && git ls-files -co --exclude-standard | grep -v '^build' | sort) >"$lista"
    while IFS= read -r f; do
        [[ -f "$raiz/$f" ]] || continue
        if ! cmp -s "$raiz/$f" "$fuente/$f"; then
            mkdir -p "$(dirname "$fuente/$f")"
            cp "$raiz/$f" "$fuente/$f"
        fi
    done <"$lista"
    (cd "$fuente" && find . \( -path ./build -o -path ./registros \) -prune -o -type f ! -path ./archivos -print |
        sed 's|^\./||' | sort) | comm -23 - "$lista" |
        while IFS= read -r f; do rm -f "$fuente/$f"; done
}

# Puts back the files a patch changed, whatever state it left them in.
plantado=""
devolver() {
    [[ -n $plantado ]] || return 0
    local f
    while IFS= read -r f; do
        if [[ -f "$raiz/$f" ]]; then cp "$raiz/$f" "$fuente/$f"; else rm -f "$fuente/$f"; fi
    done < <(git apply --numstat "$plantado" | cut -f3)
    plantado=""
}
trap devolver EXIT
# The copy lies inside the repository: git apply must treat it as plain files, not as a part of it.
export GIT_CEILING_DIRECTORIES=$raiz
trap 'devolver; exit 130' INT TERM

sincronizar
puerto=${HILVAN_PG_PORT:-$(sed -n 's/^HILVAN_PG_PORT:STRING=//p' "$raiz/build/CMakeCache.txt" 2>/dev/null || true)}
lanzador=()
command -v ccache >/dev/null && lanzador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$raiz/..} CCACHE_NOHASHDIR=1
cmake -S "$fuente" -B "$obra" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lanzador[@]}" \
      -DHILVAN_PG_PORT="${puerto:-55432}" >"$registros/configurar.log"

campo() { sed -n "s/^$1: //p" "$2" | head -1; }

# The tests of one run: the named test and its server twin, or all of them.
seleccion() {
    local prueba=$1
    if ((rapido)); then echo "^(${prueba})(_pg)?\$"; else echo "."; fi
}

# Builds and runs; 0 all passed, 1 a test failed, 2 the build failed.
probar() {
    local registro=$1 filtro=$2
    if ! cmake --build "$obra" -j 2 >"$registro" 2>&1; then return 2; fi
    (cd "$obra" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2 -R "$filtro" >>"$registro" 2>&1)
}

# The copy as it is must pass the tests each run asks for, or no fault could be told apart.
previstas=()
for p in "${parches[@]}"; do previstas+=("$(campo Prueba "$p")"); done
if ((rapido)); then
    filtro_base="^($(printf '%s\n' "${previstas[@]}" | sort -u | paste -sd'|'))(_pg)?\$"
else
    filtro_base="."
fi
echo "mutaciones: compilando y probando la copia sin fallos plantados..." >&2
estado=0
probar "$registros/sin-fallos.log" "$filtro_base" || estado=$?
if ((estado != 0)); then
    echo "mutaciones: la copia sin fallos no pasa sus pruebas (ver $registros/sin-fallos.log)" >&2
    exit 1
fi

filas=()
sin_cazar=0
for p in "${parches[@]}"; do
    nombre=$(basename "$p" .patch)
    prueba=$(campo Prueba "$p")
    registro="$registros/$nombre.log"
    inicio=$SECONDS
    echo "mutaciones: $nombre..." >&2
    if ! (cd "$fuente" && git apply --check "$p" 2>"$registro"); then
        filas+=("$(printf '%s\t%s\t%s' "$nombre" "$prueba" "no aplica")")
        continue
    fi
    plantado=$p
    (cd "$fuente" && git apply "$p")
    estado=0
    probar "$registro" "$(seleccion "$prueba")" || estado=$?
    devolver
    segundos=$((SECONDS - inicio))
    if grep -q "No tests were found" "$registro"; then
        estado=3
    fi
    case $estado in
        0) resultado="NO cazado"
           sin_cazar=$((sin_cazar + 1)) ;;
        2) resultado="no compila" ;;
        3) resultado="no existe la prueba" ;;
        *) cazadoras=$(sed -n '/tests FAILED:/,$p' "$registro" | grep -Eo '[0-9]+ - [A-Za-z0-9_]+' |
               sed 's/^[0-9]* - //' | paste -sd' ')
           resultado="cazado: ${cazadoras:-?}"
           # A test that only ran out of time may have been slowed by the machine, not by the fault.
           if ! sed -n '/tests FAILED:/,$p' "$registro" | grep -q '(Failed\|(Subprocess\|(SEGFAULT\|(Child'; then
               resultado="¿cazado? solo tiempo agotado: ${cazadoras:-?}"
           fi ;;
    esac
    filas+=("$(printf '%s\t%s\t%s (%d s)' "$nombre" "$prueba" "$resultado" "$segundos")")
done

LC_ALL=C.UTF-8
ancho=5 anchoPrueba=6
for f in "${filas[@]}"; do
    IFS=$'\t' read -r n q _ <<<"$f"
    if ((${#n} > ancho)); then ancho=${#n}; fi
    if ((${#q} > anchoPrueba)); then anchoPrueba=${#q}; fi
done
linea() { printf '%s%*s  %s%*s  %s\n' "$1" $((ancho - ${#1})) '' "$2" $((anchoPrueba - ${#2})) '' "$3"; }
linea fallo prevista resultado
for f in "${filas[@]}"; do
    IFS=$'\t' read -r n q r <<<"$f"
    linea "$n" "$q" "$r"
done
cazados=$(printf '%s\n' "${filas[@]}" | grep -c $'\tcazado' || true)
echo "$cazados de ${#filas[@]} fallos cazados ($( ((rapido)) && echo "solo la prueba prevista" || echo "todas las pruebas"))"
exit $((sin_cazar != 0))
