#!/usr/bin/env bash
# Builds and runs the benchmarks against a throwaway server; prints their figures.
source "$(dirname "$0")/lib.sh"

install_packages
build
start_throwaway_cluster
admin_psql "$PGDIR" "$PORT" postgres -c "CREATE DATABASE zemra_bench TEMPLATE zemra_template" >/dev/null
export ZEMRA_TEST_TEMPLATE=zemra_bench
"$BUILD_DIR/bench/bench_dataset_open"
"$BUILD_DIR/bench/bench_startup"
