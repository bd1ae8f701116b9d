#!/usr/bin/env bash
# Builds the program and starts it on the demo shop (created in demo/ on first use).
# Any extra argument goes to the program, e.g. --config /path/to/bdcostuaccess.dat.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh"
"$raiz/scripts/compilar.sh"
config="$raiz/demo/bdcostuaccess.dat"
if [[ $# -eq 0 ]]; then
    [[ -f "$config" ]] || "$raiz/build/src/hilvan-admin" init --demo --config "$config" --base hilvan-demo.db
    exec "$raiz/build/src/hilvan" --config "$config"
fi
exec "$raiz/build/src/hilvan" "$@"
