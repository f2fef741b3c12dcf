#!/usr/bin/env bash
# Installs what is missing, builds, brings up the local development database (created with the
# roles, the schema and the demo plant on the first run, reused after), registers the ODBC data
# source "zemra_erp_dev" for it and starts the client. Arguments go to the client.
source "$(dirname "$0")/lib.sh"

install_packages
build

PORT="${ZEMRA_DEV_PORT:-54329}"
if [ "$(id -u)" = 0 ]; then
  # The server may not run as root, and root's home is closed to other users.
  PGDIR="${ZEMRA_DEV_PGDIR:-$(getent passwd postgres | cut -d: -f6)/zemra-erp-dev}"
else
  PGDIR="${ZEMRA_DEV_PGDIR:-${XDG_DATA_HOME:-$HOME/.local/share}/zemra-erp/pgdata}"
fi
DB=zemra_erp

init_cluster "$PGDIR" "$PORT" "$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')"
start_cluster "$PGDIR"
if ! admin_psql "$PGDIR" "$PORT" postgres -tAc "select 1 from pg_database where datname='$DB'" | grep -q 1; then
  log "loading roles, schema and the demo plant into $DB"
  admin_psql "$PGDIR" "$PORT" postgres -f "$ROOT/db/roles.sql" >/dev/null
  admin_psql "$PGDIR" "$PORT" postgres -c "CREATE DATABASE $DB" >/dev/null
  admin_psql "$PGDIR" "$PORT" "$DB" -f "$ROOT/db/schema.sql" -f "$ROOT/db/demo.sql" >/dev/null
fi

write_odbc_dsn "${ODBCINI:-$HOME/.odbc.ini}" zemra_erp_dev "$PORT" "$DB"
log "database $DB on 127.0.0.1:$PORT (data source zemra_erp_dev)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  log "no display: starting the client under Xvfb"
  exec xvfb-run -a "$BUILD_DIR/app/zemra-erp" "$@"
fi
exec "$BUILD_DIR/app/zemra-erp" "$@"
