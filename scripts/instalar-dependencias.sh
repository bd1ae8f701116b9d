#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, only those missing.
# libpq-dev: a long listing dropped halfway tells the server to stop (PQcancel), which Qt's driver cannot.
# postgresql brings its client tools too: pg_dump and pg_restore make and restore the server's backups.
# xvfb, at-spi2-core, dbus and python3-pyatspi run the sale screen under a screen reader's eyes (venta_atspi).
# mdbtools (mdb-tables, mdb-export, mdb-count) reads the old program's Access file when a shop's data is imported.
# clang-format-14 keeps the sources' format (another version formats differently); lintian checks
# the .deb.
# qt6-charts-dev needs the OpenGL module's CMake files, which Debian ships apart (libqt6opengl6-dev).
set -euo pipefail
paquetes=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev libqt6sql6-sqlite
          libqt6sql6-psql libsqlite3-dev libpq-dev postgresql fonts-dejavu-core qt6-translations-l10n poppler-utils
          desktop-file-utils qt6-charts-dev libqt6opengl6-dev mdbtools librapidcheck-dev clang-format-14 lintian
          python3 xvfb at-spi2-core dbus python3-pyatspi)
faltan=()
for p in "${paquetes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if ((${#faltan[@]})); then
    echo "Instalando: ${faltan[*]}"
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi
