#!/usr/bin/env bash
# The sale screen as a screen reader sees it: the real program under Xvfb with the accessibility
# bus, driven and read out of process over AT-SPI by venta_atspi.py.
# Usage: venta_atspi.sh HILVAN HILVAN_ADMIN
set -euo pipefail
hilvan=$(realpath "$1")
admin=$(realpath "$2")
dir=$(mktemp -d)
# The display server is waited for: one still closing could take the next run's display away.
trap 'kill $xvfb 2>/dev/null && wait $xvfb 2>/dev/null; rm -rf "$dir"' EXIT
"$admin" init --demo --config "$dir/bdcostuaccess.dat" --base "$dir/demo.db" >/dev/null
# -noreset: the server would otherwise start over each time its last client leaves (the accessibility
# bus's launcher does, right before the program connects), and turn the program away meanwhile.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/pantalla" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [[ -s "$dir/pantalla" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$dir/pantalla")" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
export HILVAN="$hilvan" CONFIG="$dir/bdcostuaccess.dat" REGISTRO="$dir/hilvan.log" SCRIPT="$(dirname "$(realpath "$0")")/venta_atspi.py"
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    "$HILVAN" --config "$CONFIG" >"$REGISTRO" 2>&1 &
    programa=$!
    timeout 50 /usr/bin/python3 "$SCRIPT"
    r=$?
    kill $programa 2>/dev/null
    # What the program said, when it did not get through: why it failed to start or stopped.
    [[ $r -eq 0 ]] || cat "$REGISTRO" >&2
    exit $r' 2> >(grep -v "Failed to set fd limit" >&2)
