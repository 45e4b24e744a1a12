#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# The built game in a real X server with a window manager, driven by xdotool as a player:
# deal, hold two cards, draw, more hands until one wins (its sound must reach the disk
# audio driver), then close the window and check that Quorvel.ini holds the new total.
set -euo pipefail
prog=$(realpath "$1")

# shellcheck source=../../tools/x-session.sh
. "$(dirname "$0")/../../tools/x-session.sh"
require_tools Xvfb openbox xdotool xdpyinfo xwininfo
work=$(mktemp -d)
game=
cleanup() {
  if [ -n "$game" ]; then kill -9 "$game" 2>/dev/null || true; fi
  stop_x_session
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"
# With jacks or better paying 2X every hand moves the total, so the saved total must differ.
printf '[Bet]\nTotal=5000\n[Payouts]\nH1=1\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/audio.raw
# A sanitizer build ignores leaks inside libraries we don't own, never ours: a close must
# end with status 0 there too.
export LSAN_OPTIONS="suppressions=$(realpath "$(dirname "$0")/../lsan.supp")${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
unset QT_QPA_PLATFORM
start_x_session 640x480 || { echo "FAIL: the X session did not start"; exit 1; }

cd "$work"  # no coins.Wav here: a win falls back on the program's own chime

# shellcheck source=../../tools/drive-game.sh
. "$(dirname "$0")/../../tools/drive-game.sh"
launch() {  # the game as built, its output kept for a failure report
  rm -f "$work/audio.raw"
  start_game "$@" "$prog" >"$work/out.log" 2>&1 || { echo "FAIL: no game window"; exit 1; }
}
finish() { close_game || { cat "$work/out.log"; exit 1; }; }
heard() { sound_heard "$work/audio.raw"; }

# One hand, two cards held, then close: the total the hand left must be saved. A second
# try covers clicks lost to a machine too busy to have the window ready in time.
for attempt in 1 2; do
  launch
  deal_or_draw
  card 1
  card 2
  deal_or_draw
  finish
  total=$(sed -n 's/^Total=//p' "$XDG_CONFIG_HOME/Quorvel.ini")
  echo "try $attempt: saved total $total"
  [ -n "$total" ] && [ "$total" != 5000 ] && break
done
[ -n "$total" ] && [ "$total" != 5000 ] || {
  echo "FAIL: total not saved"
  cat "$XDG_CONFIG_HOME/Quorvel.ini"
  exit 1
}

# Hands until one wins: its sound must reach the audio device.
launch
won=no
for _ in $(seq 60); do
  deal_or_draw
  deal_or_draw
  sleep 0.4
  if heard; then
    won=yes
    break
  fi
done
finish
echo "winning sound heard: $won"
[ "$won" = yes ] || { echo "FAIL: no winning sound reached the audio device"; cat "$work/out.log"; exit 1; }

saved_amount() { sed -n 's/^Amount=//p' "$XDG_CONFIG_HOME/Quorvel.ini"; }
bet_up() {  # the bet field takes the focus, then the Up key steps it by 5
  click 80 20
  for _ in $(seq "$1"); do xdotool key Up; sleep 0.1; done
}

# A locale with digits of its own: the bet stepped with the arrow keys survives a deal.
printf '[Bet]\nTotal=5000\nAmount=5\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
launch env LANG=ar_EG.UTF-8 LC_ALL=ar_EG.UTF-8
bet_up 3
deal_or_draw
finish
echo "ar_EG: saved bet $(saved_amount)"
[ "$(saved_amount)" = 20 ] || { echo "FAIL: the bet was lost under ar_EG"; exit 1; }

# Ended by a signal, as a desktop's session end or systemd ends it: the session is saved.
launch
bet_up 2
kill -TERM "$game"
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game" 2>/dev/null; then echo "FAIL: SIGTERM did not end the game"; exit 1; fi
status=0
wait "$game" || status=$?
game=
[ "$status" = 0 ] || { echo "FAIL: after SIGTERM the game ended with status $status"; exit 1; }
echo "SIGTERM: saved bet $(saved_amount)"
[ "$(saved_amount)" = 30 ] || { echo "FAIL: SIGTERM lost the session"; exit 1; }

# A lock that can't be taken (a folder in its place): the close reports it and still ends,
# within a few seconds, not after the lock's thirty-second stale time or never.
mkdir "$XDG_CONFIG_HOME/Quorvel.ini.lock"
launch
start=$(date +%s)
xdotool windowactivate --sync "$wid" key alt+F4 || true
box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Lumaro$' | head -1) || {
  echo "FAIL: no error box for the failed save"; exit 1; }
xdotool windowactivate --sync "$box" key Return || true
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game" 2>/dev/null; then echo "FAIL: the game did not end after a failed save"; exit 1; fi
game=
echo "stuck lock: the game ended $(($(date +%s) - start)) s after its close"
[ $(($(date +%s) - start)) -le 8 ] || { echo "FAIL: the close waited too long"; exit 1; }
rmdir "$XDG_CONFIG_HOME/Quorvel.ini.lock"
echo "real window: 4 passed, 0 failed"
