#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers

# The built game ended by signals, as a desktop session, systemd or a terminal ends it, in a
# real X server with a window manager:
#  - a close a signal asks for that can't save says why on standard error and ends with
#    status 1 at once: no box waits for a click no one will give;
#  - signals that keep coming while the close runs and the program exits change nothing: the
#    session is saved and the status is 0;
#  - a signal before the window exists (the display not answering yet, the fonts not read
#    yet) ends the game quietly with status 0 and saves nothing.
set -euo pipefail
prog=$(realpath "$1")

# shellcheck source=../../tools/x-session.sh
. "$(dirname "$0")/../../tools/x-session.sh"
require_tools Xvfb openbox xdotool xdpyinfo xwininfo
# shellcheck source=../../tools/drive-game.sh
. "$(dirname "$0")/../../tools/drive-game.sh"
work=$(mktemp -d)
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then kill -CONT "$xvfb" 2>/dev/null || true; fi
  if [ -n "$game" ]; then kill -9 "$game" 2>/dev/null || true; fi
  stop_x_session
  rm -rf "$work"
}
trap cleanup EXIT

export SDL_AUDIODRIVER=dummy XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export LSAN_OPTIONS="suppressions=$(realpath "$(dirname "$0")/../lsan.supp")${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
unset QT_QPA_PLATFORM
start_x_session 640x480 || { echo "FAIL: the X session did not start"; exit 1; }
cd "$work"

failed=0
fail() {
  echo "FAIL: $*"
  echo "--- its standard error:"
  cat "$work/err"
  failed=1
}

# A fresh config folder for each case; with "stuck", a save can't take its lock (a folder
# stands in its place) and fails after waiting for it.
config() {
  export XDG_CONFIG_HOME=$work/config-$1
  mkdir -p "$XDG_CONFIG_HOME"
  if [ "${2:-}" = stuck ]; then
    printf '[Bet]\nTotal=5000\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
    cp "$XDG_CONFIG_HOME/Quorvel.ini" "$work/before.ini"
    mkdir "$XDG_CONFIG_HOME/Quorvel.ini.lock"
  fi
}
# A script's background job starts with SIGINT ignored, which the game keeps; a terminal
# would hand it the default.
game_cmd=(env --default-signal=INT "$prog")
launch() {  # the game with its window up
  start_game "${game_cmd[@]}" >"$work/out" 2>"$work/err" || { fail "no game window"; return 1; }
}
# Polls for the game's end, up to $1 seconds; its exit status in $status. A game still
# running then is killed, and ended fails.
ended() {
  for _ in $(seq $(($1 * 10))); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game" 2>/dev/null; then
    kill -9 "$game"
    wait "$game" || true
    game=
    return 1
  fi
  status=0
  wait "$game" || status=$?
  game=
}
unchanged() { cmp -s "$work/before.ini" "$XDG_CONFIG_HOME/Quorvel.ini"; }
# Nothing the game itself reported (the toolkit's own warnings aside).
quiet() { ! grep -q '^lumaro: ' "$work/err"; }

# A close a signal asks for, while the save can't take its lock.
for sig in TERM HUP INT; do
  config "$sig" stuck
  launch || continue
  start=$(date +%s)
  kill -"$sig" "$game"
  if ! ended 30; then
    fail "SIG$sig with a failed save: the game is still running (a box waits for a click?)"
    continue
  fi
  took=$(($(date +%s) - start))
  echo "SIG$sig, save failed: status $status after $took s"
  [ "$status" = 1 ] || fail "SIG$sig with a failed save ended with status $status, not 1"
  first=$(sed -n 1p "$work/err")
  second=$(sed -n 2p "$work/err")
  [ "$first" = "lumaro: Failed to set data for 'Amount'." ] ||
    fail "SIG$sig: first line on standard error: '$first'"
  case $second in
    "$XDG_CONFIG_HOME/Quorvel.ini"*": "?*) ;;
    *) fail "SIG$sig: the file and the reason are not on the second line: '$second'" ;;
  esac
  unchanged || fail "SIG$sig: Quorvel.ini changed although its save failed"
done

# The same with control characters in the folder's name (ESC, and NEL as UTF-8 writes it):
# standard error shows them as '?', so a folder's name can't drive the terminal.
config $'odd\e[2J\xc2\x85name' stuck
if launch; then
  kill -TERM "$game"
  if ended 30; then
    [ "$status" = 1 ] || fail "a save failed in an odd folder: status $status, not 1"
    grep -q 'config-odd?\[2J?name/Quorvel.ini' "$work/err" ||
      fail "the odd folder's name is not shown with '?' for its control characters"
    ! LC_ALL=C grep -q $'\e\|\xc2\x85' "$work/err" || fail "a control character reached standard error"
  else
    fail "a save failed in an odd folder: the game is still running"
  fi
fi

# A file-size limit (ulimit -f) that no save fits in: the save's write fails as on a full
# disk, so the close reports it and ends with status 1, leaving neither a new file nor a
# lock behind; the default action of SIGXFSZ would kill the game in the middle of it.
config fsize
printf '[Bet]\nTotal=5000\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
cp "$XDG_CONFIG_HOME/Quorvel.ini" "$work/before.ini"
# Standard error goes through a pipe, which no file-size limit cuts short.
if start_game prlimit --fsize=60 "${game_cmd[@]}" >/dev/null 2> >(cat >"$work/err"); then
  kill -TERM "$game"
  if ended 30; then
    sleep 0.5  # for cat to write the last of it
    echo "SIGTERM under a 60-byte file-size limit: status $status; $(sed -n 2p "$work/err")"
    [ "$status" = 1 ] || fail "under a file-size limit the close ended with status $status, not 1"
    grep -q "^$XDG_CONFIG_HOME/Quorvel.ini[^:]*: ." "$work/err" ||
      fail "under a file-size limit the file and the reason were not reported"
    leftovers=$(find "$XDG_CONFIG_HOME" -mindepth 1 ! -name Quorvel.ini)
    [ -z "$leftovers" ] || fail "under a file-size limit the close left: $leftovers"
    unchanged || fail "under a file-size limit Quorvel.ini changed"
  else
    fail "under a file-size limit the game did not end"
  fi
else
  fail "no game window under a file-size limit"
fi

# The first signal closes the window; more keep coming, a few milliseconds apart, until
# the program is gone. None of them may end it before the close does.
for run in 1 2 3; do
  config "storm$run"
  launch || continue
  sent=0
  signals=(TERM HUP INT)
  while [ "$sent" -lt 5000 ] && kill -"${signals[sent % 3]}" "$game" 2>/dev/null; do
    sent=$((sent + 1))
    sleep 0.002
  done
  ended 30 || { fail "run $run: the game did not end after $sent signals"; continue; }
  echo "signals during the close, run $run: status $status after $sent signals"
  [ "$status" = 0 ] || fail "run $run: signals during the close ended it with status $status"
  grep -qx 'Amount=5' "$XDG_CONFIG_HOME/Quorvel.ini" || fail "run $run: the session was not saved"
done

# A signal while QApplication waits for the display's first answer: the X server is stopped
# until the game is connected and signalled.
config early-display stuck
# Sockets a process holds, its standard output and error (redirected here) aside.
sockets() { find "/proc/$1/fd" -mindepth 1 -maxdepth 1 ! -name 1 ! -name 2 -lname 'socket:*' 2>/dev/null | wc -l; }
inherited=$(sockets $$)
xvfb=${x_session_pids[0]}
kill -STOP "$xvfb"
"${game_cmd[@]}" >"$work/out" 2>"$work/err" &
game=$!
connected=no
for _ in $(seq 300); do
  if [ "$(sockets "$game")" -gt "$inherited" ]; then
    connected=yes
    break
  fi
  sleep 0.1
done
kill -TERM "$game"
kill -CONT "$xvfb"
xvfb=
if ended 30; then
  echo "SIGTERM while connecting to the display (connected: $connected): status $status"
  [ "$connected" = yes ] || fail "the game never connected to the display"
  [ "$status" = 0 ] || fail "SIGTERM while connecting to the display ended with status $status"
  quiet || fail "SIGTERM while connecting to the display: an error was reported"
  unchanged || fail "SIGTERM while connecting to the display: Quorvel.ini changed"
else
  fail "SIGTERM while connecting to the display: the game did not end"
fi

# A signal while the window is being made: fontconfig reads its configuration from a FIFO
# that gives nothing until the game is signalled.
config early-window stuck
fonts=$work/fonts.conf
mkfifo "$fonts"
exec 3<>"$fonts"
FONTCONFIG_FILE=$fonts "${game_cmd[@]}" >"$work/out" 2>"$work/err" 3>&- &
game=$!
for _ in $(seq 300); do
  readlink "/proc/$game/fd/"* 2>/dev/null | grep -qxF "$fonts" && break
  sleep 0.1
done
reading=$(readlink "/proc/$game/fd/"* 2>/dev/null | grep -cxF "$fonts" || true)
kill -TERM "$game"
printf '<?xml version="1.0"?>\n<fontconfig><include>/etc/fonts/fonts.conf</include></fontconfig>\n' >&3
exec 3>&-
if ended 30; then
  echo "SIGTERM while the window is made (fonts read: $reading): status $status"
  [ "$reading" = 1 ] || fail "the game never read its fonts' configuration"
  [ "$status" = 0 ] || fail "SIGTERM while the window is made ended with status $status"
  quiet || fail "SIGTERM while the window is made: an error was reported"
  unchanged || fail "SIGTERM while the window is made: Quorvel.ini changed"
else
  fail "SIGTERM while the window is made: the game did not end"
fi

[ "$failed" = 0 ] || exit 1
echo "shutdown signals: all passed"
