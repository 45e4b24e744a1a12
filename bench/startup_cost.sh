#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# startup_cost.sh: time from start to a window on screen, and resident memory, of the game
# against a bare Qt window, both under the same Xvfb and window manager in the same run.
#
#   bench/startup_cost.sh [BUILD_DIR] [RUNS]      (defaults: build, 15)
#
# Runs the two programs in turn, RUNS times each, with an empty temporary config folder,
# and prints the medians and the ratios game / bare. A third program, the bare window with
# one label, shows how much of the difference is the font set-up that any text needs.
# Exits 1 when the game takes more than 1.25 times the bare window's time or 1.3 times
# its memory.
set -euo pipefail
build=${1:-build}
runs=${2:-15}
watch=$build/bin/window_watch
game=$build/bin/lumaro
bare=$build/bin/bare_window
for f in "$watch" "$game" "$bare"; do [ -x "$f" ] || { echo "missing $f (build first)"; exit 2; }; done

# shellcheck source=../tools/x-session.sh
. "$(dirname "$0")/../tools/x-session.sh"
work=$(mktemp -d)
cleanup() {
  stop_x_session
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy
# A sanitizer build ignores leaks inside libraries we don't own (tests/lsan.supp), never ours.
export LSAN_OPTIONS="suppressions=$(realpath "$(dirname "$0")/../tests/lsan.supp")${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -p "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM
start_x_session 800x600 || { echo "the X session did not start"; exit 2; }
sleep 0.5

# One unmeasured start each so that both find the libraries in the page cache.
"$watch" 200 "$bare" >/dev/null
"$watch" 200 "$game" >/dev/null
for _ in $(seq "$runs"); do
  "$watch" 800 "$bare" >>"$work/bare"
  "$watch" 800 "$bare" --text >>"$work/text"
  "$watch" 800 "$game" >>"$work/game"
done

median() { sort -n -k"$2" "$1" | awk -v k="$2" '{v[NR]=$k} END {print v[int((NR+1)/2)]}'; }
bt=$(median "$work/bare" 1) bm=$(median "$work/bare" 2)
tt=$(median "$work/text" 1) tm=$(median "$work/text" 2)
gt=$(median "$work/game" 1) gm=$(median "$work/game" 2)
awk -v bt="$bt" -v bm="$bm" -v tt="$tt" -v tm="$tm" -v gt="$gt" -v gm="$gm" -v n="$runs" 'BEGIN {
  printf "runs each:        %d\n", n
  printf "bare window:      %7.1f ms  %7d kB resident\n", bt, bm
  printf "bare + one label: %7.1f ms  %7d kB resident\n", tt, tm
  printf "game window:      %7.1f ms  %7d kB resident\n", gt, gm
  printf "ratio game/label: %7.2f x    %7.2f x\n", gt / tt, gm / tm
  printf "ratio game/bare:  %7.2f x    %7.2f x   (targets 1.25 x and 1.30 x)\n", gt / bt, gm / bm
  exit (gt / bt > 1.25 || gm / bm > 1.30) ? 1 : 0
}'
