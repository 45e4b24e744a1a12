#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# idle_cost.sh: how much CPU a desktop program uses, and how often it wakes, while it sits idle
# on screen.
#
#   bench/idle_cost.sh [-b BUILD_DIR] [-t SECONDS] [-w SETTLE] [-l LIMIT] [-W WAKES]
#                      [-p WINS] [-x 'SHELL SNIPPET'] [-- PROGRAM [ARGS...]]
#
#   -b  build directory whose bin/lumaro is run when no program is given (default: build)
#   -t  seconds to measure (default 20)
#   -w  seconds to let the program settle before measuring (default 12: the text caret rests
#       after 10 s without input)
#   -l  highest acceptable share of one core, in percent (default 0.1)
#   -W  highest acceptable number of wake-ups a second of the window's thread (default 2)
#   -p  first play hands of the game, drawing five cards each, until WINS of them have won
#       (at most 20 x WINS hands; exit 2 when fewer won), so what a win leaves behind, such as
#       an open sound device, is measured too. The wins are heard on SDL's disk driver,
#       written to a scratch file, and the settling time counts from the last hand.
#   -x  shell snippet run with DISPLAY set after the settling time, before measuring, e.g.
#       -x 'xdotool key Tab; sleep 1' to move the focus off the bet field and its blinking caret
#
# Starts the program in its own X server (Xvfb with the openbox window manager; 640 x 480 with
# -p, where the clicks go to the window's design places), with an empty temporary config
# folder and current directory (the user's settings are never touched) and a silent audio
# driver, waits for it to settle, then reads at the start and the end of the measuring window:
# - the time spent on a CPU, summed over all the program's threads
#   (/proc/<pid>/task/*/schedstat, in nanoseconds: the clock ticks of /proc/<pid>/stat are too
#   coarse for a tenth of a percent);
# - the voluntary context switches, each one sleep ended by one wake-up: of the window's thread
#   (the main thread, as /proc/<pid>/status counts them), and of all threads together, which
#   adds the toolkit's own helpers (Qt's X connection reader wakes for every reply to a request,
#   such as the round trip after each repaint).
# Prints the share of one core and the wake-ups a second, and exits 1 when the share or the
# window thread's wake-ups are above their limits, 2 when it could not measure.
# Not part of ctest: it needs an X server and takes half a minute.
#
# Examples: bench/idle_cost.sh -b build-statusbar
#           bench/idle_cost.sh -p 3            # the game after three winning hands
set -u

build=build seconds=20 settle=12 limit=0.1 wakes=2 snippet="" play_wins=0
while getopts "b:t:w:l:W:p:x:" opt; do
  case $opt in
    b) build=$OPTARG ;; t) seconds=$OPTARG ;; w) settle=$OPTARG ;; l) limit=$OPTARG ;;
    W) wakes=$OPTARG ;; p) play_wins=$OPTARG ;; x) snippet=$OPTARG ;;
    *) sed -n '2,37p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ "${1:-}" = "--" ] && shift
if [ $# -eq 0 ]; then
  set -- "$build/bin/lumaro"
fi
[ -x "$1" ] || { echo "idle_cost: no program at $1"; exit 2; }
prog=$1
shift
set -- "$(realpath "$prog")" "$@"  # it runs in a scratch folder
tools="Xvfb openbox xdpyinfo awk"
[ "$play_wins" -gt 0 ] && tools="$tools xdotool xwininfo cmp"
for tool in $tools; do
  command -v "$tool" >/dev/null || { echo "idle_cost: $tool missing"; exit 2; }
done

# shellcheck source=../tools/x-session.sh
. "$(dirname "$0")/../tools/x-session.sh"
# shellcheck source=../tools/drive-game.sh
. "$(dirname "$0")/../tools/drive-game.sh"
# A sanitizer build ignores leaks inside libraries we don't own (tests/lsan.supp), never ours.
export LSAN_OPTIONS="suppressions=$(realpath "$(dirname "$0")/../tests/lsan.supp")${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
prog_pid="" tmp=""
cleanup() {
  if [ -n "$prog_pid" ]; then
    kill "$prog_pid" 2>/dev/null
    wait "$prog_pid" 2>/dev/null
  fi
  stop_x_session
  [ -n "$tmp" ] && rm -rf "$tmp"
}
trap cleanup EXIT

screen=800x600
[ "$play_wins" -gt 0 ] && screen=640x480
start_x_session "$screen" || { echo "idle_cost: the X session did not start"; exit 2; }

tmp=$(mktemp -d)
audio=$tmp/audio.raw
driver=dummy
[ "$play_wins" -gt 0 ] && driver=disk
cd "$tmp" || exit 2
run=(env XDG_CONFIG_HOME="$tmp" HOME="$tmp" SDL_AUDIODRIVER=$driver SDL_DISKAUDIOFILE="$audio"
     QT_QPA_PLATFORM=xcb "$@")
if [ "$play_wins" -gt 0 ]; then
  start_game "${run[@]}" >/dev/null 2>&1 || { echo "idle_cost: no game window"; exit 2; }
  prog_pid=$game
else
  "${run[@]}" >/dev/null 2>&1 &
  prog_pid=$!
fi

# Whether the disk driver wrote anything but silence after byte $1 of its file. The file
# starts again, shorter, when the device is opened anew.
heard_since() {
  local from=$1 size
  size=$(stat -c %s "$audio" 2>/dev/null || echo 0)
  [ "$size" -lt "$from" ] && from=0
  [ "$size" -gt "$from" ] && ! cmp -s -i "$from:0" -n $((size - from)) "$audio" /dev/zero
}

if [ "$play_wins" -gt 0 ]; then
  wins=0 hands=0 mark=0
  while [ "$wins" -lt "$play_wins" ] && [ "$hands" -lt $((20 * play_wins)) ]; do
    deal_or_draw
    deal_or_draw
    hands=$((hands + 1))
    sleep 0.5
    if heard_since "$mark"; then
      wins=$((wins + 1))
      sleep 2  # the rest of the sound, so that the next hand starts from silence
    fi
    mark=$(stat -c %s "$audio" 2>/dev/null || echo 0)
  done
  echo "idle_cost: played $hands hands, $wins of them won"
  [ "$wins" -ge "$play_wins" ] || { echo "idle_cost: fewer than $play_wins wins"; exit 2; }
fi
sleep "$settle"
[ -n "$snippet" ] && bash -c "$snippet"

# One line a thread: "<thread id> <nanoseconds on a CPU> <voluntary context switches>".
usage() {
  [ -d "/proc/$1/task" ] || return 1
  local task
  for task in /proc/"$1"/task/*; do
    awk -v tid="${task##*/}" 'FILENAME ~ /schedstat$/ { ns = $1; next }
         /^voluntary_ctxt_switches:/ { v = $2 } END { if (ns != "") print tid, ns, v }' \
      "$task/schedstat" "$task/status" 2>/dev/null
  done
}

usage "$prog_pid" >"$tmp/start" || { echo "idle_cost: $1 is not running"; exit 2; }
start_time=$(date +%s.%N)
sleep "$seconds"
usage "$prog_pid" >"$tmp/end" && [ -s "$tmp/end" ] || { echo "idle_cost: $1 ended while measured"; exit 2; }
end_time=$(date +%s.%N)

# Only threads alive at both readings count: one that ended took its counters with it.
awk -v s0="$start_time" -v s1="$end_time" -v main="$prog_pid" \
    -v limit="$limit" -v wlimit="$wakes" -v prog="$1" '
  FNR == NR { ns0[$1] = $2; v0[$1] = $3; next }
  ($1 in ns0) { cpu += ($2 - ns0[$1]) / 1e9; all += $3 - v0[$1]; if ($1 == main) own = $3 - v0[$1] }
  END {
  wall = s1 - s0; pct = 100 * cpu / wall; rate = own / wall; all = all / wall;
  printf "idle_cost: %s used %.3f s CPU in %.1f s: %.3f%% of one core (limit %s%%); " \
         "wake-ups a second: %.1f of the window thread (limit %s), %.1f of all threads\n",
         prog, cpu, wall, pct, limit, rate, wlimit, all;
  exit (pct > limit || rate > wlimit) ? 1 : 0;
}' "$tmp/start" "$tmp/end"
