#!/usr/bin/env bash
# Runs every benchmark program of a build: bench/run-all.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
for b in "$build"/bin/*_bench; do
  echo "== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true
done
