#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Fuzzes the targets of a build made with fuzz/libfuzzer.cmake:
#
#   fuzz/run.sh [--fresh] BUILD_DIR SECONDS [NAME...]     (default: every target, in turn)
#
# Each target starts from the committed corpus (fuzz/corpus/NAME) and the inputs that once
# failed (fuzz/regressions/NAME), runs SECONDS, and keeps the new inputs it finds in
# BUILD_DIR/fuzz/corpus/NAME for the next run. A failing input is saved as
# BUILD_DIR/fuzz/failures/NAME/crash-... (or leak-, oom-, timeout-) and the run fails.
# --fresh (make test) works in BUILD_DIR/fuzz/fresh instead, emptied first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fresh=no
if [ "${1:-}" = --fresh ]; then fresh=yes; shift; fi
[ $# -ge 2 ] || { sed -n '2,12p' "$0"; exit 2; }
build=$1 seconds=$2
shift 2
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for source in "$here"/*_fuzz.cpp; do names+=("$(basename "$source" _fuzz.cpp)"); done
fi

# Leaks in libraries that are not ours are ignored, ours are not; no sound ever plays.
export LSAN_OPTIONS="suppressions=$here/../tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export SDL_AUDIODRIVER=dummy
# The targets' scratch files in memory where possible: the settings store syncs every save
# to disk, and a run would wait on the disk instead of trying inputs. Removed at the end,
# also after a failure.
scratch=$(mktemp -d /dev/shm/lumaro-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
status=0
for name in "${names[@]}"; do
  program=$build/bin/fuzz_$name
  [ -x "$program" ] || { echo "missing $program (build the fuzz_programs target)"; exit 2; }
  root=$build/fuzz
  if [ $fresh = yes ]; then
    root=$build/fuzz/fresh
    rm -rf "$root/corpus/$name" "$root/failures/$name"
  fi
  work=$root/corpus/$name failures=$root/failures/$name
  mkdir -p "$work" "$failures"
  folders=("$work" "$here/corpus/$name")
  [ -d "$here/regressions/$name" ] && folders+=("$here/regressions/$name")
  # An input that takes seconds is a finding too: a win must not freeze the window.
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
           -artifact_prefix="$failures/")
  [ -f "$here/$name.dict" ] && options+=(-dict="$here/$name.dict")
  echo "== fuzz_$name for $seconds s"
  "$program" "${options[@]}" "${folders[@]}" || status=1
done
exit $status
