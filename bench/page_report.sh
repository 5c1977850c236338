#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The page's figures: its transfer size (gzip, as a server compresses it), the time from
# navigation to its first painted frame in headless chromium, and the browser's processor
# share in the attract mode. Builds the page first (scripts/web --build-only).
# Usage: bench/page_report.sh [seconds of the attract stretch, default 60]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/web" --build-only >/dev/null
page=$root/build/web/page
modules="${XDG_CACHE_HOME:-$HOME/.cache}/tresolo-wasm/node/node_modules"
for f in tresolo.wasm tresolo.js index.html; do
  printf '%s: %s bytes, %s gzip\n' "$f" "$(stat -c %s "$page/$f")" "$(gzip -9c "$page/$f" | wc -c)"
done
tmp=$(mktemp)
python3 "$root/web/serve.py" "$page" 0 >"$tmp" &
server=$!
trap 'kill $server 2>/dev/null; rm -f "$tmp"' EXIT
until [ -s "$tmp" ]; do sleep 0.05; done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
NODE_PATH="$modules" node "$root/bench/page_report.mjs" "$(head -n1 "$tmp")" "${1:-60}"
