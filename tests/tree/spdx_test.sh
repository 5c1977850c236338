#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the tree carries the license's SPDX line, and tools/spdx_headers.sh
# puts it where each kind of file allows a comment, leaves other files alone and changes
# nothing on a second run.
set -euo pipefail
root="$1"
tool="$root/tools/spdx_headers.sh"
passed=0
failed=0
check() {
  if eval "$2"; then passed=$((passed + 1)); else echo "FAIL: $1" >&2; failed=$((failed + 1)); fi
}

report=$(bash "$tool" --check "$root") || { echo "$report" >&2; failed=$((failed + 1)); }
checked=$(sed -n 's/^\([0-9]*\) source files.*/\1/p' <<<"$report" | tail -n1)
check "the tree's sources were found ($checked)" '[ "${checked:-0}" -gt 300 ]'

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/scripts" "$scratch/fuzz/corpus/ini" "$scratch/sub"
printf '#pragma once\nint f();\n' >"$scratch/sub/a.h"
printf '#!/usr/bin/env bash\necho hi\n' >"$scratch/scripts/run"
chmod +x "$scratch/scripts/run"
printf '<?xml version="1.0"?>\n<component/>\n' >"$scratch/sub/b.xml"
printf '<!doctype html>\n<html></html>\n' >"$scratch/sub/c.html"
printf '"""Doc."""\nx = 1\n' >"$scratch/sub/d.py"
printf '.TH X 6\n' >"$scratch/sub/x.6"
printf 'plain text\n' >"$scratch/sub/notes.txt"
printf '[a]\nb=1\n' >"$scratch/fuzz/corpus/ini/seed.cpp"
printf '// SPDX-License-Identifier: GPL-3.0-or-later\nint g();\n' >"$scratch/sub/e.cpp"

check "--check fails while files lack the line" '! bash "$tool" --check "$scratch" >/dev/null'
bash "$tool" "$scratch" >/dev/null
line() { sed -n "$2p" "$scratch/$1"; }
spdx="SPDX-License-Identifier: GPL-3.0-or-later"
roff='.\" '"$spdx"
check "C++ header: first line" '[ "$(line sub/a.h 1)" = "// $spdx" ] && [ "$(line sub/a.h 2)" = "#pragma once" ]'
check "script: below its #! line, still executable" \
  '[ "$(line scripts/run 1)" = "#!/usr/bin/env bash" ] && [ "$(line scripts/run 2)" = "# $spdx" ] && [ -x "$scratch/scripts/run" ]'
check "XML: below its declaration" '[ "$(line sub/b.xml 2)" = "<!-- $spdx -->" ]'
check "HTML: below its doctype" '[ "$(line sub/c.html 1)" = "<!doctype html>" ] && [ "$(line sub/c.html 2)" = "<!-- $spdx -->" ]'
check "Python: a comment above the docstring" '[ "$(line sub/d.py 1)" = "# $spdx" ]'
check "man page: a roff comment" '[ "$(line sub/x.6 1)" = "$roff" ]'
check "text and fuzz seeds untouched" \
  '[ "$(cat "$scratch/sub/notes.txt")" = "plain text" ] && ! grep -q SPDX "$scratch/fuzz/corpus/ini/seed.cpp"'
check "a file with the line untouched" '[ "$(grep -c SPDX "$scratch/sub/e.cpp")" = 1 ] && [ "$(wc -l <"$scratch/sub/e.cpp")" = 2 ]'
before=$(cd "$scratch" && find . -type f -exec md5sum {} + | sort)
bash "$tool" "$scratch" >/dev/null
after=$(cd "$scratch" && find . -type f -exec md5sum {} + | sort)
check "a second run changes nothing" '[ "$before" = "$after" ]'
check "--check passes afterwards" 'bash "$tool" --check "$scratch" >/dev/null'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
