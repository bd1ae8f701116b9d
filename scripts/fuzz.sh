#!/usr/bin/env bash
# The clang build under AddressSanitizer and UndefinedBehaviorSanitizer, in build-fuzz/.
#   scripts/fuzz.sh            builds the program, its tests and the fuzz targets there and runs
#                              every test on both backends, then a short run of each fuzz target
#                              (the test command runs this)
#   scripts/fuzz.sh SECONDS    builds the fuzz targets only and runs each for SECONDS on its corpus
#                              (fuzz/corpus/<target>, kept out of git), printing executions and
#                              crashes per target
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
# -O1 and line tables only: the sanitizers' reports keep their file and line, the build and the
# runs stay within CI's time.
cmake -S "$raiz" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" -DHILVAN_FUZZ=ON >/dev/null
objetivos=(configuracion codigo importes fechas dialecto ticket decodificador csv)
# Any fault stops the program; leaks are reported, except those of the system libraries listed
# in the suppressions file.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions="$raiz/scripts/lsan-supresiones.txt":print_suppressions=0
if [[ $# -eq 0 ]]; then
    cmake --build "$dir" -j "$(nproc)"
    cd "$dir" && exec env QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
fi
cmake --build "$dir" -j "$(nproc)" --target "${objetivos[@]/#/fuzz_}"
segundos=$1
printf '%-16s %12s %8s\n' target executions crashes
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
