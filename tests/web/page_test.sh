#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The page in headless chromium (page_test.mjs) on a copy of the built page, which the test
# changes to serve a new version; then the page's main window compared with the desktop's
# headless composition, region by region, pixel for pixel. The screenshots stay in OUT_DIR.
# Usage: page_test.sh PAGE_DIR SCENE_DUMP NODE_MODULES OUT_DIR
set -euo pipefail
page="$1"
dump="$2"
modules="$3"
out="$4"
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$here/../e2e/still_regions.sh"

mkdir -p "$out"
cp -a "$page" "$tmp/page"
python3 "$here/serve_test.py" "$here/../../web/serve.py" || fail "the page server"
NODE_PATH="$modules" node "$here/page_test.mjs" "$tmp/page" "$out"

(cd "$tmp" && XDG_CONFIG_HOME="$tmp/config" "$dump" "$tmp/composed.bmp") || fail "the headless composition failed"
same_still_regions "$out/page.png" "$tmp/composed.bmp" "$tmp"
echo "2 passed, 0 failed"
