# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Sourced by the scripts that run the game in a real X server (tests and benchmarks):
#   start_x_session [WIDTHxHEIGHT]   Xvfb on a free display with the openbox window manager;
#                                    exports DISPLAY; returns non-zero if Xvfb or the window
#                                    manager won't start
#   stop_x_session                   ends both (call it from the script's EXIT trap)
#   require_tools TOOL...            ends the script, naming the first tool not installed
x_session_pids=()

require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
  done
}

start_x_session() {
  local size=${1:-800x600} d=90
  while [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ]; do d=$((d + 1)); done
  # -noreset: by default the server resets when its last client leaves (the xdpyinfo
  # below), and a client connecting during the reset is turned away.
  Xvfb ":$d" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  x_session_pids+=($!)
  export DISPLAY=:$d
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 || return 1
  # Windows mapped before the manager runs can't be activated, so keys meant for them
  # (Alt+F4 among them) would be lost: wait until it announces itself, and start it again
  # if it gave up.
  local wm_log try wm
  wm_log=$(mktemp)
  for try in 1 2 3; do
    openbox >"$wm_log" 2>&1 &
    wm=$!
    for _ in $(seq 100); do
      if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        x_session_pids+=("$wm")
        rm -f "$wm_log"
        return 0
      fi
      kill -0 "$wm" 2>/dev/null || break
      sleep 0.1
    done
    kill "$wm" 2>/dev/null || true
    wait "$wm" 2>/dev/null || true
  done
  echo "the window manager did not start:" >&2
  cat "$wm_log" >&2
  rm -f "$wm_log"
  return 1
}

stop_x_session() {
  local pid
  for pid in "${x_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${x_session_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  x_session_pids=()
}
