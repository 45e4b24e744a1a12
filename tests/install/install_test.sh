#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Installs the build to a scratch prefix, as far from the build tree as a player's copy,
# checks what lands there and validates the desktop files, then starts the installed game
# from its menu entry's command under Xvfb: the help must show the installed help file and
# a win must play the installed chime (through SDL's disk audio driver), and German asked for
# must be found.
#   install_test.sh BUILD_DIR APP_ID [CMAKE]
set -euo pipefail
build=$(realpath "$1")
id=$2
cmake=${3:-cmake}
here=$(dirname "$(realpath "$0")")
# shellcheck source=../../tools/x-session.sh
. "$here/../../tools/x-session.sh"
require_tools Xvfb openbox xdotool xdpyinfo xwininfo xclip desktop-file-validate appstreamcli man
# shellcheck source=../../tools/drive-game.sh
. "$here/../../tools/drive-game.sh"
work=$(mktemp -d)
cleanup() {
  if [ -n "$game" ]; then kill -9 "$game" 2>/dev/null || true; fi
  stop_x_session
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

# A blank in the prefix, as a home folder may have one.
prefix="$work/opt/Lumaro Games"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || {
  cat "$work/install.log"
  fail "cmake --install"
}

# The programs, their data and the desktop files, and nothing else: no test, benchmark or
# generator programs.
expected="bin/lumaro
bin/lumaro-analyze
share/applications/$id.desktop
share/doc/lumaro/changelog.gz
share/doc/lumaro/copyright
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/lumaro/CHIMES.WAV
share/lumaro/QUORVEL.hlp
share/lumaro/coins.Wav
share/lumaro/translations/lumaro_de.qm
share/lumaro/translations/lumaro_es.qm
share/lumaro/translations/lumaro_fr.qm
share/lumaro/translations/lumaro_it.qm
share/lumaro/translations/lumaro_nl.qm
share/lumaro/translations/lumaro_pt_BR.qm
share/man/man6/lumaro-analyze.6.gz
share/man/man6/lumaro.6.gz
share/metainfo/$id.metainfo.xml"
actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$(LC_ALL=C sort <<<"$expected")" ] ||
  fail "installed tree differs:$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual"))"
echo "installed tree: $(wc -l <<<"$actual") files as expected"

# The validators' warnings count as failures too.
desktop=$prefix/share/applications/$id.desktop
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1) &&
  ! grep -qE '^[EW]:' <<<"$out" || fail "appstreamcli: $out"
echo "desktop entry and metainfo valid"
for page in "$prefix"/share/man/man6/*.6.gz; do
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) &&
    [ -z "$out" ] || fail "$(basename "$page"): $out"
done
"$prefix/bin/lumaro-analyze" --help >/dev/null || fail "installed lumaro-analyze --help"

export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/audio.raw
unset QT_QPA_PLATFORM
start_x_session 640x480 || fail "the X session did not start"
cd "$work"  # no coins.Wav here: a win falls back on the installed chime

# The menu entry's command: string escapes undone, field codes dropped, quoting as sh's.
command=$(sed -n 's/^Exec=//p' "$desktop" | sed -e 's/\\\\/\\/g' -e 's/ *%[A-Za-z]//g')
start_game sh -c "exec $command" >"$work/out.log" 2>&1 || fail "no game window from Exec=$command"
[ "$(readlink "/proc/$game/exe")" = "$prefix/bin/lumaro" ] ||
  fail "Exec=$command started $(readlink "/proc/$game/exe"), not the installed game"

# The help window's text, copied out through the clipboard.
open_help
help=$(timeout 10 xdotool search --sync --name "^Lumaro Help$") || fail "no help window"
xdotool windowactivate --sync "$help" key ctrl+a ctrl+c
sleep 0.5
text=$(timeout 5 xclip -o -selection clipboard || true)
grep -q "How to play" <<<"$text" || fail "the help shows no help file: ${text:0:200}"
xdotool windowactivate --sync "$help" key alt+F4
echo "help file found"

xdotool windowactivate --sync "$wid"
won=no
for _ in $(seq 80); do
  deal_or_draw
  deal_or_draw
  sleep 0.4
  if sound_heard "$work/audio.raw"; then
    won=yes
    break
  fi
  # The general error report, captioned with the program's name: a sound that failed.
  xdotool search --onlyvisible --name "^Lumaro$" >/dev/null && fail "the game reported an error at a win"
done
close_game
[ "$won" = yes ] || {
  cat "$work/out.log"
  fail "no winning sound reached the audio device"
}
echo "installed chime heard"

# The installed translations, found from the installed program's place: asked for German, the
# help window is titled in German.
start_game env LC_ALL= LC_MESSAGES= LANG=C.UTF-8 LANGUAGE=de sh -c "exec $command" \
  >>"$work/out.log" 2>&1 || fail "no game window in German"
# The menu bar's titles stand where the language's words put them: Help by its key, Alt and
# the first letter of "Hilfe".
xdotool windowactivate --sync "$wid" key alt+h
help=$(timeout 10 xdotool search --sync --name "^Lumaro-Hilfe$") ||
  fail "LANGUAGE=de: no help window titled in German"
# The help first, as above: on a busy machine the game's close key can reach the help window.
xdotool windowactivate --sync "$help" key alt+F4
close_game
echo "installed translations found"
echo "installed game: 1 passed, 0 failed"
