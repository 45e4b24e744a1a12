#!/usr/bin/env bash
# Remakes the README's picture of the game: the real program under Xvfb at 640 x 480, a
# few hands played and a new one dealt with two cards held, the whole screen saved.
#   tools/screenshot.sh [PROGRAM [OUT.png]]    (default build/bin/lumaro, dist/lumaro-window.png)
set -euo pipefail
root=$(dirname "$(realpath "$0")")/..
prog=$(realpath "${1:-$root/build/bin/lumaro}")
out=${2:-$root/dist/lumaro-window.png}
for tool in Xvfb openbox xdotool xdpyinfo xwininfo import; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
# shellcheck source=x-session.sh
. "$root/tools/x-session.sh"
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
start_x_session 640x480 || { echo "Xvfb did not start"; exit 1; }
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
