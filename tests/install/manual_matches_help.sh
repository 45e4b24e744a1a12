#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# lumaro-analyze's manual page and its --help must not drift apart: every command, option
# and number range of --help is in the page, and the page names no option --help lacks.
#   manual_matches_help.sh LUMARO_ANALYZE MANUAL_PAGE
set -euo pipefail
help=$("$1" --help)
# The page's text as typed: roff's escaped hyphens and font changes removed.
page=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$2")
failed=0
missing() {
  echo "FAIL: $1"
  failed=1
}

commands=$(sed -n '/^Commands:/,/^Options:/p' <<<"$help" | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p')
[ -n "$commands" ] || missing "no commands found in --help"
for word in $commands; do
  grep -qE "^\.B[IR]? \"?$word\b" <<<"$page" || missing "command $word of --help is not in the manual page"
done
for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
  grep -qF -- "$option" <<<"$page" || missing "option $option of --help is not in the manual page"
done
for range in $(grep -oE '[0-9]+\.\.[0-9]+' <<<"$help" | sort -u); do
  grep -qF -- "$range" <<<"$page" || missing "range $range of --help is not in the manual page"
done
for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$page" | sort -u); do
  grep -qF -- "$option" <<<"$help" || missing "option $option of the manual page is not in --help"
done
[ "$failed" = 0 ] || exit 1
echo "manual page: $(wc -w <<<"$commands") commands, $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u | wc -l) options, all in --help and the page"
