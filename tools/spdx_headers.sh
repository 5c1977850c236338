#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the license's SPDX line at the top of every source file that lacks it, in the file's
# own comment syntax: below a "#!" line, an XML declaration or a doctype. Run it again after a
# merge brings new files; a file that has the line is left alone.
#   tools/spdx_headers.sh [--check] [FOLDER]
# --check changes nothing: it lists the files without the line and fails when there are any.
set -euo pipefail
check=0
if [ "${1:-}" = --check ]; then check=1; shift; fi
root="${1:-$(dirname "$0")/..}"
cd "$root"
license="SPDX-License-Identifier: GPL-3.0-or-later"

# The source files: tracked ones in a git checkout, else every file outside the build folders.
source_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files
  else
    find . -path ./build -prune -o -path ./.git -prune -o -type f -print | sed 's|^\./||'
  fi
}

# The comment line for a file, empty for files that are not sources (pictures, data, text).
comment_for() {
  case "$1" in
    fuzz/corpus/*) ;;
    *.cpp | *.h | *.c | *.js | *.mjs) echo "// $license" ;;
    *.sh | *.py | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.desktop.in) echo "# $license" ;;
    scripts/* | .ci/*) head -c2 "$1" | grep -q '^#!' && echo "# $license" ;;
    *.html | *.xml | *.xml.in) echo "<!-- $license -->" ;;
    *.[1-9]) echo ".\\\" $license" ;;
  esac
}

# Lines that must stay first: an interpreter, an XML declaration, a doctype.
keeps_first_line() {
  head -n1 "$1" | grep -qiE '^(#!|<\?xml|<!doctype)'
}

missing=0
checked=0
while IFS= read -r file; do
  [ -f "$file" ] || continue
  line=$(comment_for "$file") || true
  [ -n "$line" ] || continue
  checked=$((checked + 1))
  head -n3 "$file" | grep -qF "$license" && continue
  missing=$((missing + 1))
  if [ "$check" = 1 ]; then
    echo "no SPDX line: $file"
  elif keeps_first_line "$file"; then
    awk -v add="$line" 'NR == 1 { print; print add; next } { print }' "$file" >"$file.spdx" && cat "$file.spdx" >"$file"
    rm "$file.spdx"
  else
    { printf '%s\n' "$line"; cat "$file"; } >"$file.spdx" && cat "$file.spdx" >"$file"
    rm "$file.spdx"
  fi
done < <(source_files)

echo "$checked source files, $missing without the line"
[ "$check" = 0 ] || [ "$missing" = 0 ]
