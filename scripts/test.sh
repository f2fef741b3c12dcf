#!/usr/bin/env bash
# Installs what is missing, builds, starts a throwaway PostgreSQL cluster with the roles and the
# schema (no demo data) as a template database, runs the whole test suite, stops the cluster.
# Extra arguments go to ctest (e.g. -R catalogs).
source "$(dirname "$0")/lib.sh"

install_packages
build

start_throwaway_cluster

cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)" "$@"
