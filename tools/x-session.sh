# Sourced by the scripts that run the game in a real X server (tests and benchmarks):
#   start_x_session [WIDTHxHEIGHT]   Xvfb on a free display with the openbox window manager;
#                                    exports DISPLAY; returns non-zero if Xvfb or the window
#                                    manager won't start
#   stop_x_session                   ends both (call it from the script's EXIT trap)
x_session_pids=()

start_x_session() {
  local size=${1:-800x600} d=90
  while [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ]; do d=$((d + 1)); done
  Xvfb ":$d" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  x_session_pids+=($!)
  export DISPLAY=:$d
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 || return 1
  local wm_log
  wm_log=$(mktemp)
  openbox >"$wm_log" 2>&1 &
  x_session_pids+=($!)
  # Windows mapped before the manager runs can't be activated, so keys meant for them
  # (Alt+F4 among them) would be lost: wait until it announces itself.
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "the window manager did not start:" >&2
    cat "$wm_log" >&2
    rm -f "$wm_log"
    return 1
  fi
  rm -f "$wm_log"
}

stop_x_session() {
  local pid
  for pid in "${x_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${x_session_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  x_session_pids=()
}
