# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Sourced by scripts that play the real game window under tools/x-session.sh:
#   start_game CMD [ARGS...]   starts the game in the background (pid in $game) and waits
#                              for its window ($wid); fails if none comes up in 30 s
#   close_game                 closes the window as a player would; fails if it stays up or
#                              the program ends with a status other than 0
#   click X Y                  a left click at a point of the window below its menu bar
#   deal_or_draw, card N       the Deal/Draw button and the N-th card (1..5)
#   open_help                  the Help menu command
#   sound_heard FILE           whether SDL's disk audio driver wrote anything but silence
# The places are the window's design places, unscaled on a 640 x 480 screen.
game=
wid=

start_game() {
  "$@" &
  game=$!
  wid=$(timeout 30 xdotool search --sync --name "Lumaro for Windows 95") || return 1
  sleep 1
  local info
  info=$(xwininfo -id "$wid")
  ox=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  menu_y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  oy=$((menu_y + 21))
}

close_game() {
  # Only an activation that failed is tried again: a close key that arrived and was
  # ignored is the fault this looks for.
  local try
  for try in 1 2 3; do
    xdotool windowactivate --sync "$wid" key alt+F4 && break
    echo "close: the window could not be activated (try $try)"
    sleep 1
  done
  for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game" 2>/dev/null; then
    echo "FAIL: the game did not close; windows on screen:"
    xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null || true
    return 1
  fi
  local status=0
  wait "$game" || status=$?
  game=
  if [ "$status" -ne 0 ]; then
    echo "FAIL: the game's close ended with status $status"
    return 1
  fi
}

click() {
  xdotool mousemove $((ox + $1)) $((oy + $2)) click 1
  sleep 0.3
}
deal_or_draw() { click 64 116; }
card() { click $((136 + 80 * ($1 - 1) + 35)) 200; }
open_help() {
  xdotool mousemove $((ox + 83)) $((menu_y + 9)) click 1
  sleep 0.3
}

sound_heard() {
  local size
  size=$(stat -c %s "$1" 2>/dev/null || echo 0)
  [ "$size" -gt 0 ] && ! cmp -s -n "$size" "$1" /dev/zero
}
