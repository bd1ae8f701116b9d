#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (SQLite and a throwaway PostgreSQL server).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh"
"$raiz/scripts/compilar.sh"
cd "$raiz/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2 "$@"
# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer (clang), and a short run
# of every parser's fuzz target.
"$raiz/scripts/fuzz.sh"
