#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) into
# build-fuzz/ and runs each one.
#   scripts/fuzz.sh            a short run of each target (the test command runs this)
#   scripts/fuzz.sh SECONDS    each target for SECONDS on its corpus (fuzz/corpus/<target>, kept
#                              out of git), printing executions and crashes per target
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
paquetes=(clang libclang-rt-14-dev)
faltan=()
for p in "${paquetes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if ((${#faltan[@]})); then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi
dir="$raiz/build-fuzz"
cmake -S "$raiz" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DHILVAN_FUZZ=ON >/dev/null
objetivos=(configuracion codigo importes fechas dialecto ticket decodificador)
cmake --build "$dir" -j "$(nproc)" --target "${objetivos[@]/#/fuzz_}"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=detect_leaks=0
if [[ $# -eq 0 ]]; then
    cd "$dir" && exec ctest --output-on-failure -j 2
fi
segundos=$1
printf '%-16s %12s %8s\n' objetivo ejecuciones fallos
for o in "${objetivos[@]}"; do
    corpus="$raiz/fuzz/corpus/$o"
    mkdir -p "$corpus" "$dir/fallos/$o"
    registro="$dir/fuzz_$o.log"
    fallos=0
    "$dir/fuzz/fuzz_$o" -max_total_time="$segundos" -max_len=4096 -artifact_prefix="$dir/fallos/$o/" \
        "$corpus" "$raiz/fuzz/semillas/$o" >"$registro" 2>&1 || fallos=1
    ejec=$(grep -Eo '#[0-9]+' "$registro" | tail -1 | tr -d '#')
    printf '%-16s %12s %8s\n' "$o" "${ejec:-0}" "$fallos"
done
