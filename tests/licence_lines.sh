#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Every source, script and build file of the tree carries the licence lines near its top.
#   licence_lines.sh SOURCE_DIR
set -euo pipefail
cd "$1"
missing=0 checked=0
while IFS= read -r -d '' file; do
  case $file in
    *.h | *.cpp | *.sh | *.cmake | *.py | *.in | *.dict | *.supp | */CMakeLists.txt | */Makefile) ;;
    *) head -c2 "$file" | grep -q '^#!' || continue ;;
  esac
  checked=$((checked + 1))
  if ! head -n 4 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' ||
    ! head -n 4 "$file" | grep -q 'SPDX-FileCopyrightText: .* The Lumaro developers'; then
    echo "no licence lines: $file"
    missing=$((missing + 1))
  fi
done < <(find . \( -name '.git' -o -name 'build*' -o -path './fuzz/corpus' -o -path './fuzz/regressions' \) -prune \
  -o -type f -print0)
echo "$checked files checked, $missing without licence lines"
[ "$missing" = 0 ]
