#!/usr/bin/env bash
# The C++ sources in the project's own format (.clang-format, clang-format 14 from Debian: another
# version formats a few constructs differently). With --comprobar it only checks and names every
# file that would change; without it, it formats them in place.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cd "$raiz"
mapfile -t archivos < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
if [[ "${1:-}" == "--comprobar" ]]; then
    malos=$(clang-format-14 --dry-run "${archivos[@]}" 2>&1 | grep -o '^[^:]*:[0-9]*:[0-9]*: \(error\|warning\)' |
            cut -d: -f1 | sort -u || true)
    if [[ -n "$malos" ]]; then
        echo "Sin el formato del proyecto (arréglelo con scripts/formato.sh):"
        sed 's/^/  /' <<<"$malos"
        exit 1
    fi
else
    clang-format-14 -i "${archivos[@]}"
fi
