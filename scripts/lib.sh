# Shared pieces of the README's commands. Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${ZEMRA_BUILD_DIR:-$ROOT/build}"
PG_BIN="/usr/lib/postgresql/15/bin"
ODBC_DRIVER_SO="/usr/lib/x86_64-linux-gnu/odbc/psqlodbcw.so"

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-psql libqt6sql6-odbc qt6-translations-l10n libgl-dev
  postgresql-15 postgresql-client-15 libpq-dev
  unixodbc odbc-postgresql
  libxlsxwriter-dev
  xvfb xauth
)

log() { printf '== %s\n' "$*" >&2; }

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else
    log "need root for: $*"; return 1; fi
}

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    log "installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  # The driver name the program's connection strings use.
  if ! grep -q '^\[PostgreSQL UNICODE\]' /etc/odbcinst.ini 2>/dev/null; then
    printf '[PostgreSQL UNICODE]\nDescription=PostgreSQL ODBC driver (Unicode)\nDriver=%s\n' "$ODBC_DRIVER_SO" \
      > /tmp/zemra-odbcinst.ini
    as_root odbcinst -i -d -f /tmp/zemra-odbcinst.ini >/dev/null || log "could not register the ODBC driver"
    rm -f /tmp/zemra-odbcinst.ini
  fi
}

build() {
  log "building in $BUILD_DIR"
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${ZEMRA_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)" -- --no-print-directory
}

# The PostgreSQL server runs as the invoking user, or as "postgres" when invoked as root
# (the server refuses to run as root).
if [ "$(id -u)" = 0 ]; then PG_USER=postgres; else PG_USER="$(id -un)"; fi

as_pg() {
  if [ "$(id -un)" = "$PG_USER" ]; then "$@"; else runuser -u "$PG_USER" -- "$@"; fi
}

# init_cluster DIR PORT PASSWORD: a cluster in DIR (created once), listening on 127.0.0.1:PORT and a
# socket in DIR; superuser "postgres" with PASSWORD; every login checked by password.
init_cluster() {
  local dir="$1" port="$2" password="$3"
  if [ ! -f "$dir/data/PG_VERSION" ]; then
    log "creating a PostgreSQL cluster in $dir"
    mkdir -p "$dir"
    printf '%s\n' "$password" > "$dir/.pw"
    chmod 600 "$dir/.pw"
    if [ "$(id -u)" = 0 ]; then chown -R "$PG_USER" "$dir"; fi
    as_pg "$PG_BIN/initdb" -D "$dir/data" -U postgres --pwfile="$dir/.pw" -A scram-sha-256 -E UTF8 \
      --locale=C.UTF-8 >/dev/null
    cat >> "$dir/data/postgresql.conf" <<CONF
listen_addresses = '127.0.0.1'
port = $port
unix_socket_directories = '$dir'
DateStyle = 'ISO, DMY'
max_connections = 50
CONF
  fi
}

start_cluster() {
  local dir="$1"
  if ! as_pg "$PG_BIN/pg_ctl" -D "$dir/data" status >/dev/null 2>&1; then
    as_pg "$PG_BIN/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start >/dev/null
  fi
}

stop_cluster() {
  local dir="$1"
  as_pg "$PG_BIN/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
}

free_port() {
  local p
  for p in $(seq "${1:-55432}" 65000); do
    (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null || { echo "$p"; return; }
  done
}

# admin_psql DIR PORT DB args...: psql as the cluster's superuser.
admin_psql() {
  local dir="$1" port="$2" db="$3"; shift 3
  PGPASSWORD="$(cat "$dir/.pw" 2>/dev/null || as_pg cat "$dir/.pw")" \
    psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$port" -U postgres -d "$db" "$@"
}

# write_odbc_dsn FILE NAME PORT DB: an ODBC data source for the cluster.
write_odbc_dsn() {
  local file="$1" name="$2" port="$3" db="$4"
  local tmp
  tmp="$(mktemp)"
  [ -f "$file" ] && awk -v s="[$name]" '$0==s{skip=1;next} /^\[/{skip=0} !skip' "$file" > "$tmp"
  cat >> "$tmp" <<INI
[$name]
Description=ZEMRA.ERP database
Driver=PostgreSQL UNICODE
Servername=127.0.0.1
Port=$port
Database=$db
SSLmode=allow
BoolsAsChar=1
TextAsLongVarchar=1
MaxLongVarcharSize=8190
UseServerSidePrepare=1
INI
  mv "$tmp" "$file"
}

# A cluster in a temporary folder on a free port with the roles and the schema loaded into the
# template database; removed when the calling script ends. Exports what the tests read.
start_throwaway_cluster() {
  PGDIR="$(mktemp -d /tmp/zemra-test-pg.XXXXXX)"
  chmod 755 "$PGDIR"
  PORT="$(free_port 55432)"
  PASSWORD="$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')"
  trap 'stop_cluster "$PGDIR"; rm -rf "$PGDIR"' EXIT

  init_cluster "$PGDIR" "$PORT" "$PASSWORD"
  # The tests' server runs for speed, not durability.
  printf 'fsync = off\nsynchronous_commit = off\nfull_page_writes = off\n' >> "$PGDIR/data/postgresql.conf"
  start_cluster "$PGDIR"
  log "test server on 127.0.0.1:$PORT"

  admin_psql "$PGDIR" "$PORT" postgres -f "$ROOT/db/roles.sql" >/dev/null
  admin_psql "$PGDIR" "$PORT" postgres -c "CREATE DATABASE zemra_template" >/dev/null
  admin_psql "$PGDIR" "$PORT" zemra_template -f "$ROOT/db/schema.sql" >/dev/null

  export ZEMRA_TEST_HOST=127.0.0.1
  export ZEMRA_TEST_PORT="$PORT"
  export ZEMRA_TEST_ADMIN_PASSWORD="$PASSWORD"
  export ZEMRA_TEST_TEMPLATE=zemra_template
  export ZEMRA_TEST_ODBC_DRIVER="$ODBC_DRIVER_SO"
  export ZEMRA_SOURCE_DIR="$ROOT"
  # Two-argument logins use the standard PGPORT when it is set.
  export PGPORT="$PORT"
}
