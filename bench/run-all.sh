#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Runs every benchmark program of a build: bench/run-all.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
# A sanitizer build ignores leaks inside libraries we don't own (tests/lsan.supp), never ours.
export LSAN_OPTIONS="suppressions=$(realpath "$(dirname "$0")/../tests/lsan.supp")${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for b in "$build"/bin/*_bench; do
  echo "== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true
done
