#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
#
# The built game in a real X server with a window manager and an accessibility bus, read
# through AT-SPI as a screen reader reads it and played either through the controls'
# accessible actions or with keys only (accessible_play.py says how), or the strategy
# advisor played as a trainer (trainer_play.py says how), or reached and read in the game's
# window at two screen sizes (advisor_play.py says how), or its Chart page checked against
# lumaro-analyze (chart_play.py says how), its Bankroll page read against lumaro-analyze
# (bankroll_play.py says how), or another game than today's played (games_play.py says how):
#   accessible_play_test.sh screen-reader|keyboard LUMARO DEAL_ORACLE
#   accessible_play_test.sh trainer LUMARO
#   accessible_play_test.sh advisor|advisor-small LUMARO
#   accessible_play_test.sh chart|chart-deuces LUMARO LUMARO_ANALYZE
#   accessible_play_test.sh bankroll LUMARO LUMARO_ANALYZE
#   accessible_play_test.sh games-deuces|games-choose LUMARO SETTLE_ORACLE
set -euo pipefail
mode=$1
prog=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
# Debian's own Python: pyatspi is a Debian package, not on any other Python's path.
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi"; exit 1; }

# shellcheck source=../../tools/x-session.sh
. "$here/../../tools/x-session.sh"
require_tools Xvfb openbox xdotool xdpyinfo dbus-daemon dbus-send
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
if [ "$mode" = trainer ]; then
  # The advisor stored open with practice on, as a player left it; room beside the game.
  printf '[Bet]\nTotal=5000\nAmount=25\n[Advisor]\nOpen=1\nPractice=1\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
  screen=1024x768
  play=("$here/trainer_play.py" "$prog")
elif [ "$mode" = advisor ] || [ "$mode" = advisor-small ]; then
  # The advisor stored open: beside the game at 1024 x 768 (cards 71 pixels or more), a page
  # of the window at 640 x 480 (57 or more).
  printf '[Advisor]\nOpen=1\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
  if [ "$mode" = advisor ]; then screen=1024x768 least=71; else screen=640x480 least=57; fi
  play=("$here/advisor_play.py" "$prog" "$least")
elif [ "$mode" = games-deuces ] || [ "$mode" = games-choose ]; then
  # Deuces Wild chosen in the settings, with no table of its own stored: its full pay table.
  if [ "$mode" = games-deuces ]; then
    printf '[Bet]\nTotal=5000\nAmount=5\n[Games]\nCurrent=deuces-wild\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
  else
    printf '[Bet]\nTotal=5000\nAmount=5\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
  fi
  screen=1024x768
  play=("$here/games_play.py" "${mode#games-}" "$prog" "$(realpath "$3")")
elif [ "$mode" = chart-deuces ]; then
  # The advisor stored open, Deuces Wild chosen in the settings with its full pay table.
  paytable=0,1,1,2,4,8,14,24,199,799
  printf '[Advisor]\nOpen=1\n[Bet]\nTotal=5000\nAmount=5\n[Games]\nCurrent=deuces-wild\ndeuces-wild=%s\n' \
    "$paytable" >"$XDG_CONFIG_HOME/Quorvel.ini"
  screen=1024x768
  play=("$here/chart_play.py" "$prog" "$(realpath "$3")" "$paytable" deuces-wild "Deuces Wild")
elif [ "$mode" = chart ] || [ "$mode" = bankroll ]; then
  # The advisor stored open, 9/6 Jacks or Better: the chart every book prints; for the
  # bankroll, a total of 160 bets of 5.
  paytable=0,1,2,3,5,8,24,49,799
  IFS=, read -r -a h <<<"$paytable"
  printf '[Advisor]\nOpen=1\n[Bet]\nTotal=800\nAmount=5\n[Payouts]\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
  for i in "${!h[@]}"; do printf 'H%d=%s\n' $((i + 1)) "${h[$i]}" >>"$XDG_CONFIG_HOME/Quorvel.ini"; done
  screen=1024x768
  if [ "$mode" = chart ]; then
    play=("$here/chart_play.py" "$prog" "$(realpath "$3")" "$paytable")
  else
    play=("$here/bankroll_play.py" "$prog" "$(realpath "$3")" "$paytable" 160)
  fi
else
  # A stored total and bet; jacks or better pays 2X, so most hands move the total.
  printf '[Bet]\nTotal=5000\nAmount=5\n[Payouts]\nH1=1\n' >"$XDG_CONFIG_HOME/Quorvel.ini"
  screen=640x480
  play=("$here/accessible_play.py" "$mode" "$prog" "$(realpath "$3")")
fi
export SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$here/../lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
unset QT_QPA_PLATFORM
start_x_session "$screen" || { echo "FAIL: the X session did not start"; exit 1; }
start_atspi_session || { echo "FAIL: the accessibility bus did not start"; exit 1; }
cd "$work"
PYTHONPATH=$here "$python" "${play[@]}"
