#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
#
# The strategy advisor as a trainer in the built game's real window, under a real X server
# with a window manager and an accessibility bus (trainer_play.py says what it plays):
#   trainer_play_test.sh LUMARO
set -euo pipefail
prog=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb openbox xdotool xdpyinfo dbus-daemon dbus-send; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi"; exit 1; }

# shellcheck source=../../tools/x-session.sh
. "$here/../../tools/x-session.sh"
# shellcheck source=../../tools/atspi-session.sh
. "$here/../../tools/atspi-session.sh"
work=$(mktemp -d)
cleanup() {
  stop_atspi_session
  stop_x_session
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# The advisor stored open with practice on, as a player left it.
printf '[Bet]\nTotal=5000\nAmount=25\n[Advisor]\nOpen=1\nPractice=1\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
export SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$here/../lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
unset QT_QPA_PLATFORM
start_x_session 1024x768 || { echo "FAIL: the X session did not start"; exit 1; }
start_atspi_session || { echo "FAIL: the accessibility bus did not start"; exit 1; }
cd "$work"
PYTHONPATH=$here "$python" "$here/trainer_play.py" "$prog"
