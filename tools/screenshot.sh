#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Remakes the README's pictures of the game: the real program under Xvfb at 640 x 480, a
# few hands played and a new one dealt with two cards held; and at 1920 x 1080 with the
# strategy advisor open, after a hand drawn with nothing held. Whole screens are saved.
#   tools/screenshot.sh [PROGRAM [OUT.png [ADVISOR.png]]]
#   (defaults: build/bin/lumaro, dist/lumaro-window.png, dist/lumaro-advisor.png)
set -euo pipefail
root=$(dirname "$(realpath "$0")")/..
prog=$(realpath "${1:-$root/build/bin/lumaro}")
out=${2:-$root/dist/lumaro-window.png}
advisor_out=${3:-$root/dist/lumaro-advisor.png}
# shellcheck source=x-session.sh
. "$root/tools/x-session.sh"
require_tools Xvfb openbox xdotool xdpyinfo xwininfo import
# shellcheck source=drive-game.sh
. "$root/tools/drive-game.sh"
work=$(mktemp -d)
cleanup() {
  if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi
  stop_x_session
  rm -rf "$work"
}
trap cleanup EXIT

# A player's first session: default settings, no sound.
export XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM
start_x_session 640x480 || { echo "the X session did not start"; exit 1; }
cd "$work"
start_game "$prog" >/dev/null 2>&1 || { echo "no game window"; exit 1; }
for _ in $(seq 8); do
  deal_or_draw
  deal_or_draw
done
deal_or_draw
card 2
card 4
xdotool mousemove 0 479
sleep 1
import -window root "$out"
echo "saved $out"
close_game

# The advisor, stored open, docked beside a maximised 16:9 game, both at the scale that lets
# them stand side by side.
stop_x_session
printf '[Advisor]\nOpen=1\n[Bet]\nAmount=10\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
start_x_session 1920x1080 || { echo "the X session did not start"; exit 1; }
start_game "$prog" >/dev/null 2>&1 || { echo "no game window"; exit 1; }
sleep 1  # the advisor's tables
# Enter deals and draws wherever the focus is: three hands drawn with nothing held.
for _ in 1 2 3; do
  xdotool key Return
  sleep 0.5
  xdotool key Return
  sleep 0.5
done
xdotool mousemove 1919 1079
sleep 1
import -window root "$advisor_out"
echo "saved $advisor_out"
