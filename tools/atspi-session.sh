# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
#
# Sourced by the scripts that read the real game window as a screen reader does, after
# tools/x-session.sh has started the X server:
#   start_atspi_session   a private D-Bus session bus and the accessibility (AT-SPI) bus on
#                         it; exports DBUS_SESSION_BUS_ADDRESS and QT_LINUX_ACCESSIBILITY_ALWAYS_ON
#                         (Qt programs then publish their accessibility tree); returns
#                         non-zero if either bus won't start
#   stop_atspi_session    ends both (call it from the script's EXIT trap)
atspi_session_pids=()

atspi_bus_launcher() {
  local path
  for path in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$path" ] && { echo "$path"; return 0; }
  done
  return 1
}

start_atspi_session() {
  local launcher bus
  launcher=$(atspi_bus_launcher) || { echo "at-spi-bus-launcher not found" >&2; return 1; }
  # Our own session bus: the accessibility bus is found through it, and nothing of the
  # desktop the tests may run in is touched.
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || return 1
  export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
  atspi_session_pids+=("$(sed -n 2p <<<"$bus")")
  "$launcher" --launch-immediately >/dev/null 2>&1 &
  atspi_session_pids+=($!)
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  local _
  for _ in $(seq 300); do
    if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.a11y.Bus.GetAddress 2>/dev/null | grep -q 'string "'; then
      return 0
    fi
    sleep 0.1
  done
  echo "the accessibility bus did not start" >&2
  return 1
}

stop_atspi_session() {
  local i pid
  # The launcher first: it ends the accessibility bus it started.
  for ((i = ${#atspi_session_pids[@]} - 1; i >= 0; i--)); do
    kill "${atspi_session_pids[$i]}" 2>/dev/null || true
  done
  # The session bus forked itself away and is no child to wait for; the launcher is.
  for pid in "${atspi_session_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  atspi_session_pids=()
}
