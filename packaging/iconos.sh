#!/usr/bin/env bash
# Renders the program icon into the PNG sizes a desktop looks for. Run after editing hilvan.svg
# (needs rsvg-convert, Debian package librsvg2-bin); the PNGs are kept in the repository so that
# building does not need it.
set -euo pipefail
cd "$(dirname "$0")"
for n in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$n" -h "$n" hilvan.svg -o "iconos/hilvan-$n.png"
done
