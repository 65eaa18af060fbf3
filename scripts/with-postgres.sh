#!/usr/bin/env bash
# Runs a command with a throwaway PostgreSQL server on a local socket.
# The command sees VELMORA_TEST_PG (a postgresql:// URI) and VELMORA_PG_REQUIRED=1.
set -euo pipefail

PGBIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
if [ -z "$PGBIN" ]; then
  echo "PostgreSQL server binaries not found (run scripts/install-deps.sh)" >&2
  exit 1
fi
DIR=$(mktemp -d /tmp/velmora-pg.XXXXXX)
PORT=${VELMORA_PG_PORT:-54329}
as_pg() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }

stop() {
  as_pg "$PGBIN"/pg_ctl -D "$DIR"/data -m fast -w stop >/dev/null 2>&1 || true
  rm -rf "$DIR"
}
trap stop EXIT

if [ "$(id -u)" -eq 0 ]; then
  id postgres >/dev/null 2>&1 || useradd --system --shell /usr/sbin/nologin postgres
fi
mkdir -p "$DIR"/data "$DIR"/sock
[ "$(id -u)" -eq 0 ] && chown -R postgres:postgres "$DIR"
chmod 700 "$DIR"/data
as_pg "$PGBIN"/initdb -D "$DIR"/data -U postgres -A trust -E UTF8 --locale=C.UTF-8 --no-sync >"$DIR"/initdb.log
as_pg "$PGBIN"/pg_ctl -D "$DIR"/data -l "$DIR"/server.log -w -t 30 \
  -o "-k $DIR/sock -p $PORT -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=100" start >/dev/null

export VELMORA_TEST_PG="postgresql://postgres@127.0.0.1:$PORT/postgres"
export VELMORA_PG_REQUIRED=1
"$@"
