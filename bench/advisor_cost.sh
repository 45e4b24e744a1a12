#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# advisor_cost.sh: start-up time (to the first window on screen) and resident memory of the
# game with the strategy advisor closed and with it stored open, under the same Xvfb and
# window manager in the same run, and the bare Qt window beside them for scale.
#
#   bench/advisor_cost.sh [BUILD_DIR] [RUNS]      (defaults: build, 15)
#
# Memory is read 800 ms after the first window appears; with the advisor open its tables are
# built on a worker thread by then, so the open figure includes them. Prints the medians.
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
export SDL_AUDIODRIVER=dummy
# bare: the bare Qt window; closed: the game as a player of the classic game starts it;
# open: the game with the advisor stored open.
mkdir -p "$work/closed" "$work/open"
printf '[Advisor]\nOpen=1\n' >"$work/open/Quorvel.ini"
unset QT_QPA_PLATFORM
start_x_session 800x600 || { echo "the X session did not start"; exit 2; }
sleep 0.5

# window_watch ends the program with SIGKILL, so the stored state stays as written here.
run() { XDG_CONFIG_HOME=$1 "$watch" 800 "$2"; }
run "$work/closed" "$game" >/dev/null
run "$work/open" "$game" >/dev/null
for _ in $(seq "$runs"); do
  run "$work/closed" "$bare" >>"$work/bare.txt"
  run "$work/closed" "$game" >>"$work/closed.txt"
  run "$work/open" "$game" >>"$work/open.txt"
done

median() { sort -n -k"$2" "$1" | awk -v k="$2" '{v[NR]=$k} END {print v[int((NR+1)/2)]}'; }
echo "runs each:      $runs"
for f in bare closed open; do
  printf '%-15s %7.1f ms  %7d kB resident\n' "$f" "$(median "$work/$f.txt" 1)" \
    "$(median "$work/$f.txt" 2)"
done
