#!/usr/bin/env bash
# The page in headless chromium (page_test.mjs), and its main window compared with the
# desktop's headless composition, region by region, pixel for pixel.
# Usage: page_test.sh PAGE_DIR SCENE_DUMP NODE_MODULES
set -euo pipefail
page="$1"
dump="$2"
modules="$3"
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

python3 "$here/../../web/serve.py" "$page" 0 >"$tmp/address" &
server=$!
for _ in $(seq 50); do [ -s "$tmp/address" ] && break; sleep 0.1; done
address="$(head -n1 "$tmp/address")"
[ -n "$address" ] || fail "the page server did not start"

NODE_PATH="$modules" node "$here/page_test.mjs" "$address" "$tmp"

(cd "$tmp" && XDG_CONFIG_HOME="$tmp/config" "$dump" "$tmp/composed.bmp") || fail "the headless composition failed"
# Regions that do not move or tick in the first seconds: reels, ladders above the swimming
# shark, chest, button bar.
for r in 770x73+25+24 90x416+40+130 90x335+689+130 300x240+250+200 776x40+22+584; do
  convert "$tmp/page.png" -crop "$r" +repage "$tmp/a.png"
  convert "$tmp/composed.bmp" -crop "$r" +repage "$tmp/b.png"
  diff=$(compare -metric AE "$tmp/a.png" "$tmp/b.png" null: 2>&1 || true)
  [ "$diff" = "0" ] || fail "region $r of the page differs from the desktop's in $diff pixels"
done
echo "1 passed, 0 failed"
