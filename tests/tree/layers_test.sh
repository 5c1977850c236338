#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every include runs downward, and the game's folders meet only in machine/. The help
# document's generator stands above them all: it reads the game's tables. The statistics
# stand above the help: they take its exact odds (never its typesetting) and reach the game
# only through machine/ and its tables. program/ puts the windows and the play history
# together and holds the desktop's main: it stands above everything.
set -euo pipefail
cd "$1"
rank() {
  case "$1" in
    support) echo 0 ;; codecs) echo 1 ;; platform) echo 2 ;; toolkit) echo 3 ;;
    machine) echo 4 ;; shell|game|money|media) echo 5 ;; helpdoc) echo 6 ;; statistics) echo 7 ;; program) echo 8 ;; *) echo "" ;;
  esac
}
bad=0
checked=0
for dir in support codecs platform toolkit machine shell game money media helpdoc statistics program; do
  while IFS=: read -r file _ line; do
    target=$(sed -E 's/^#include "([a-z_]+)\/.*$/\1/' <<<"$line")
    from=$(rank "$dir"); to=$(rank "$target")
    [ -z "$to" ] && continue
    checked=$((checked + 1))
    if [ "$to" -gt "$from" ] || { [ "$from" -eq 5 ] && [ "$to" -eq 5 ] && [ "$target" != "$dir" ]; }; then
      echo "upward or sideways: $file includes $target/" >&2
      bad=$((bad + 1))
    fi
  done < <(grep -rnE '^#include "[a-z_]+/' "$dir" --include='*.h' --include='*.cpp' || true)
done
while IFS= read -r hit; do
  echo "the statistics include the help's typesetting or the game's windows: $hit" >&2
  bad=$((bad + 1))
done < <({ grep -rnE '^#include "(helpdoc/pdf|shell|money|media)/' statistics
           grep -rnE '^#include "game/' statistics | grep -vE 'game/(combination_table|reel_positions)\.h"'
         } || true)
[ "$checked" -gt 50 ] || { echo "too few includes found: $checked" >&2; exit 1; }
[ "$bad" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
