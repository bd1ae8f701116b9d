#!/usr/bin/env bash
# Makes the .deb from a finished build (argument: the build folder) and has Debian's own checker
# look at it: any error or warning fails.
set -euo pipefail
build="$(cd "${1:?carpeta de compilación}" && pwd)"
salida="$build/paquete"
rm -rf "$salida"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$salida" >/dev/null
deb=$(ls "$salida"/*.deb)
echo "$deb"
lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1
