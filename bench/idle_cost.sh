#!/usr/bin/env bash
# idle_cost.sh: how much CPU a desktop program uses while it sits idle on screen.
#
#   bench/idle_cost.sh [-b BUILD_DIR] [-t SECONDS] [-w SETTLE] [-l LIMIT] [-- PROGRAM [ARGS...]]
#
#   -b  build directory whose bin/lumaro is run when no program is given (default: build)
#   -t  seconds to measure (default 20)
#   -w  seconds to let the program settle before measuring (default 3)
#   -l  highest acceptable share of one core, in percent (default 1)
#
# Starts the program in its own X server (Xvfb with the openbox window manager), with an empty
# temporary config folder (the user's settings are never touched) and a silent audio driver,
# waits for it to settle, then reads the program's user and system CPU time from
# /proc/<pid>/stat at the start and the end of the measuring window. Prints the share of one
# core and exits 1 when it is above the limit, 2 when it could not measure.
# Not part of ctest: it needs an X server and takes half a minute.
#
# Example: bench/idle_cost.sh -b build-statusbar
set -u

build=build seconds=20 settle=3 limit=1
while getopts "b:t:w:l:" opt; do
  case $opt in
    b) build=$OPTARG ;; t) seconds=$OPTARG ;; w) settle=$OPTARG ;; l) limit=$OPTARG ;;
    *) sed -n '2,19p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ "${1:-}" = "--" ] && shift
if [ $# -eq 0 ]; then
  set -- "$build/bin/lumaro"
fi
[ -x "$1" ] || { echo "idle_cost: no program at $1"; exit 2; }
for tool in Xvfb openbox xdpyinfo getconf awk; do
  command -v "$tool" >/dev/null || { echo "idle_cost: $tool missing"; exit 2; }
done

# shellcheck source=../tools/x-session.sh
. "$(dirname "$0")/../tools/x-session.sh"
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

start_x_session 800x600 || { echo "idle_cost: Xvfb did not start"; exit 2; }

tmp=$(mktemp -d)
XDG_CONFIG_HOME=$tmp HOME=$tmp SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
  "$@" >/dev/null 2>&1 &
prog_pid=$!
sleep "$settle"

# CPU ticks (user + system) of a process; the name field may hold blanks, so cut after ')'.
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  # shellcheck disable=SC2086
  set -- $stat
  echo $((${12} + ${13}))
}

start_ticks=$(cpu_ticks "$prog_pid") || { echo "idle_cost: $1 is not running"; exit 2; }
start_time=$(date +%s.%N)
sleep "$seconds"
end_ticks=$(cpu_ticks "$prog_pid") || { echo "idle_cost: $1 ended while measured"; exit 2; }
end_time=$(date +%s.%N)

hz=$(getconf CLK_TCK)
awk -v t0="$start_ticks" -v t1="$end_ticks" -v s0="$start_time" -v s1="$end_time" \
    -v hz="$hz" -v limit="$limit" -v prog="$1" 'BEGIN {
  cpu = (t1 - t0) / hz; wall = s1 - s0;
  pct = 100 * cpu / wall;
  printf "idle_cost: %s used %.2f s CPU in %.1f s: %.2f%% of one core (limit %s%%)\n",
         prog, cpu, wall, pct, limit;
  exit (pct > limit) ? 1 : 0;
}'
