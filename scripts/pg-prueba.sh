#!/usr/bin/env bash
# A throwaway PostgreSQL 15 server for the test suite.
#
#   pg-prueba.sh start DIR   fresh cluster under DIR, listening on 127.0.0.1:$HILVAN_PG_PORT (55432),
#                            trust authentication, superuser "postgres", and a shop database
#                            "hilvan" created by hilvan-admin (configuration in DIR/bdcostuaccess.dat)
#   pg-prueba.sh stop DIR    stops it; succeeds also when nothing runs
#
# Environment: HILVAN_PG_PORT (55432), HILVAN_ADMIN (path of hilvan-admin, else found in PATH),
# HILVAN_PG_ESPERA (seconds to wait for the port while another run holds it, 300),
# PG_BIN (/usr/lib/postgresql/15/bin).
# As root the server runs as the system user "postgres" (initdb refuses root); otherwise as the
# current user. The superuser role is "postgres" either way.
set -euo pipefail

ORDEN=${1:-}
DIR=${2:-}
PUERTO=${HILVAN_PG_PORT:-55432}
PG_BIN=${PG_BIN:-/usr/lib/postgresql/15/bin}
ESPERA=${HILVAN_PG_ESPERA:-300}
HOST=127.0.0.1

uso() {
    echo "uso: $0 start|stop DIR" >&2
    exit 2
}
[[ -n "$DIR" ]] || uso
mkdir -p "$DIR"
DIR=$(cd "$DIR" && pwd)
cd /

# Where the cluster lives: DIR itself, or a folder under /tmp when the server's user cannot
# reach DIR (a build tree inside a private home folder).
BASE_ANOTADA="$DIR/ubicacion-servidor"

como_servidor() {
    if [[ $(id -u) -eq 0 ]]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

parar() {
    local base=$1
    local datos="$base/datos"
    [[ -f "$datos/postmaster.pid" ]] || return 0
    if ! como_servidor "$PG_BIN/pg_ctl" stop -D "$datos" -m fast -w -t 20 >/dev/null 2>&1; then
        como_servidor "$PG_BIN/pg_ctl" stop -D "$datos" -m immediate -w -t 10 >/dev/null 2>&1 || true
    fi
    # A server whose pg_ctl no longer answers: end it by the pid it recorded.
    if [[ -f "$datos/postmaster.pid" ]]; then
        local pid
        pid=$(head -n 1 "$datos/postmaster.pid" 2>/dev/null || true)
        if [[ "$pid" =~ ^[0-9]+$ ]] && kill -0 "$pid" 2>/dev/null; then
            kill -QUIT "$pid" 2>/dev/null || true
            sleep 1
        fi
        rm -f "$datos/postmaster.pid"
    fi
}

base_actual() {
    if [[ -f "$BASE_ANOTADA" ]]; then cat "$BASE_ANOTADA"; else echo "$DIR"; fi
}

puerto_ocupado() {
    (exec 3<>"/dev/tcp/$HOST/$PUERTO") 2>/dev/null
}

buscar_admin() {
    if [[ -n "${HILVAN_ADMIN:-}" ]]; then
        echo "$HILVAN_ADMIN"
    elif command -v hilvan-admin >/dev/null 2>&1; then
        command -v hilvan-admin
    else
        echo "pg-prueba: no encuentro hilvan-admin (defina HILVAN_ADMIN)" >&2
        exit 1
    fi
}

arrancar() {
    local inicio=$SECONDS
    local admin
    admin=$(buscar_admin)
    [[ -x "$admin" ]] || { echo "pg-prueba: falta $admin (compile antes el proyecto)" >&2; exit 1; }
    [[ -x "$PG_BIN/initdb" ]] || { echo "pg-prueba: falta PostgreSQL en $PG_BIN" >&2; exit 1; }

    # A server left behind by an interrupted run on this same folder.
    local vieja
    vieja=$(base_actual)
    parar "$vieja"
    if [[ "$vieja" != "$DIR" ]]; then rm -rf "$vieja"; fi
    rm -rf "$DIR/datos" "$DIR/sock" "$BASE_ANOTADA"

    local base=$DIR
    if [[ $(id -u) -eq 0 ]]; then
        if ! id postgres >/dev/null 2>&1; then
            useradd --system --user-group --home-dir /var/lib/postgresql --no-create-home \
                --shell /usr/sbin/nologin postgres
        fi
        chown postgres: "$DIR"
        if ! runuser -u postgres -- test -w "$DIR"; then
            base=$(mktemp -d /tmp/hilvan-pg.XXXXXX)
            chown postgres: "$base"
            echo "$base" >"$BASE_ANOTADA"
        fi
    fi

    # The socket path must fit in a socket address (107 bytes); a deeper folder gets TCP only.
    local sock="$base/sock"
    local sockets="$sock"
    if (( ${#sock} > 90 )); then sockets=""; fi
    como_servidor mkdir -p "$base/datos" ${sockets:+"$sock"}

    como_servidor "$PG_BIN/initdb" -D "$base/datos" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 \
        --no-sync --no-instructions >"$DIR/initdb.log" 2>&1 \
        || { cat "$DIR/initdb.log" >&2; exit 1; }
    # Nothing here outlives the run: durability is traded for speed.
    como_servidor tee -a "$base/datos/postgresql.conf" >/dev/null <<EOF
port = $PUERTO
listen_addresses = '$HOST'
unix_socket_directories = '$sockets'
fsync = off
synchronous_commit = off
full_page_writes = off
shared_buffers = 32MB
max_connections = 60
log_min_messages = warning
EOF

    # Another build tree's run may hold the port; it frees it when its tests end.
    local esperado=0
    while puerto_ocupado; do
        if (( esperado == 0 )); then
            echo "pg-prueba: el puerto $PUERTO está ocupado por otro servidor; esperando hasta ${ESPERA} s" >&2
        fi
        if (( esperado >= ESPERA )); then
            echo "pg-prueba: el puerto $PUERTO sigue ocupado; use otro con HILVAN_PG_PORT" >&2
            exit 1
        fi
        sleep 2
        esperado=$((esperado + 2))
    done

    if ! como_servidor "$PG_BIN/pg_ctl" start -D "$base/datos" -l "$base/servidor.log" -w -t 30 >/dev/null; then
        cat "$base/servidor.log" >&2 || true
        exit 1
    fi

    "$PG_BIN/createdb" -h "$HOST" -p "$PUERTO" -U postgres hilvan
    "$admin" init --config "$DIR/bdcostuaccess.dat" --servidor "$HOST:$PUERTO" hilvan postgres '' >/dev/null

    echo "pg-prueba: servidor listo en $HOST:$PUERTO en $((SECONDS - inicio)) s (datos en $base/datos)"
    echo "export HILVAN_MOTOR=postgresql HILVAN_PG_HOST=$HOST HILVAN_PG_PORT=$PUERTO HILVAN_PG_USER=postgres"
}

case "$ORDEN" in
start)
    arrancar
    ;;
stop)
    base=$(base_actual)
    parar "$base"
    como_servidor rm -rf "$base/datos" "$base/sock" 2>/dev/null || true
    if [[ "$base" != "$DIR" ]]; then
        cp -f "$base/servidor.log" "$DIR/" 2>/dev/null || true
        rm -rf "$base" "$BASE_ANOTADA"
    fi
    echo "pg-prueba: servidor parado"
    ;;
*)
    uso
    ;;
esac
