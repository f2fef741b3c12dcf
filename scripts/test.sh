#!/usr/bin/env bash
# Installs what is missing, builds, starts a throwaway PostgreSQL cluster with the roles and the
# schema (no demo data) as a template database, runs the whole test suite, stops the cluster.
# Extra arguments go to ctest (e.g. -R catalogs).
source "$(dirname "$0")/lib.sh"

install_packages
build

PGDIR="$(mktemp -d /tmp/zemra-test-pg.XXXXXX)"
chmod 755 "$PGDIR"
PORT="$(free_port 55432)"
PASSWORD="$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')"
cleanup() { stop_cluster "$PGDIR"; rm -rf "$PGDIR"; }
trap cleanup EXIT

init_cluster "$PGDIR" "$PORT" "$PASSWORD"
# The tests' server runs for speed, not durability.
cat >> "$PGDIR/data/postgresql.conf" <<CONF
fsync = off
synchronous_commit = off
full_page_writes = off
CONF
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

cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)" "$@"
