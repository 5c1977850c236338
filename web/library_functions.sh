#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the functions the given static libraries define, one a line. The page's waits never lie
# below these libraries' functions (FreeType, libjpeg and SQLite call nothing that waits), so
# Asyncify leaves them unchanged: smaller and faster code.
# Usage: library_functions.sh NM OUT LIBRARY...
set -euo pipefail
nm="$1"
out="$2"
shift 2
for lib in "$@"; do
  "$nm" --defined-only "$lib" 2>/dev/null | awk '$2 ~ /^[Tt]$/ { print $3 }'
done | sort -u >"$out"
[ -s "$out" ] || { echo "no functions found in $*" >&2; exit 1; }
