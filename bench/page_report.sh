#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The page's figures, side by side in one run: for each page folder its files (plain, gzip,
# brotli), the bytes of a first visit, the first paint (fresh and at the next start), the whole
# browser's processor share in the attract mode, hidden and for a blank page, and the phone's
# width it fills (bench/page_report.mjs); and the desktop program's share in the attract mode
# (bench/watch_process under Xvfb, needs build/bench). Without a folder the page is built first
# (scripts/web --build-only). Each page is served by web/serve.py, as a player gets it.
# Usage: bench/page_report.sh [SECONDS, default 30] [PAGE_DIR...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
stretch="${1:-30}"
shift || true
pages=("$@")
if [ ${#pages[@]} -eq 0 ]; then
  bash "$root/scripts/web" --build-only >/dev/null
  pages=("$root/build/web/page")
fi
modules="${XDG_CACHE_HOME:-$HOME/.cache}/tresolo-wasm/node/node_modules"
work=$(mktemp -d)
server="" xvfb=""
trap '[ -n "$server" ] && kill $server 2>/dev/null; [ -n "$xvfb" ] && kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

size() { if [ -f "$1" ]; then stat -c %s "$1"; else echo -; fi; }

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
for page in "${pages[@]}"; do
  echo "== $page"
  for f in index.html tresolo.js tresolo.wasm; do
    printf '%s: %s bytes, gzip %s, brotli %s\n' "$f" "$(size "$page/$f")" "$(size "$page/$f.gz")" "$(size "$page/$f.br")"
  done
  : >"$work/log" && : >"$work/address"
  python3 "$root/web/serve.py" "$page" 0 --log "$work/log" >"$work/address" &
  server=$!
  until [ -s "$work/address" ]; do sleep 0.05; done
  NODE_PATH="$modules" node "$root/bench/page_report.mjs" "$stretch" "$(head -n1 "$work/address")" "$work/log" "$page"
  kill $server && wait $server 2>/dev/null || true
  server=""
done

# The desktop program in the attract mode, from an empty home folder, as bench/report.sh does.
build="$root/build/bench"
if [ -x "$build/tresolo" ] && [ -x "$build/bench/watch_process" ]; then
  Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb=$!
  until grep -q '^[0-9]' "$work/display"; do sleep 0.05; done
  mkdir -p "$work/home" "$work/run"
  cp "$build/tresolo" "$build/Muenze.WAV" "$work/run/"
  echo "== desktop program"
  (cd "$work/run" && DISPLAY=":$(head -n1 "$work/display")" SDL_AUDIODRIVER=dummy HOME="$work/home" \
    XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    "$build/bench/watch_process" --xserver "$xvfb" --settle 15 --measure "$stretch" -- ./tresolo)
else
  echo "== desktop program: build/bench is not built (see README, Measurements)"
fi
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
