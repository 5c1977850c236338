#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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
source "$here/../e2e/still_regions.sh"

python3 "$here/../../web/serve.py" "$page" 0 >"$tmp/address" &
server=$!
for _ in $(seq 50); do [ -s "$tmp/address" ] && break; sleep 0.1; done
address="$(head -n1 "$tmp/address")"
[ -n "$address" ] || fail "the page server did not start"

NODE_PATH="$modules" node "$here/page_test.mjs" "$address" "$tmp"

(cd "$tmp" && XDG_CONFIG_HOME="$tmp/config" "$dump" "$tmp/composed.bmp") || fail "the headless composition failed"
same_still_regions "$tmp/page.png" "$tmp/composed.bmp" "$tmp"
echo "1 passed, 0 failed"
