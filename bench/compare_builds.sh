#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two benchmark builds side by side in one run, alternating so that both see the same load:
# the start to the first painted frame (bench/watch_process, fresh home each time) and
# 10 000 automatic games in virtual time (game_autoplay), by wall time and by processor time
# (user + system, less moved by other work on the machine). Prints every figure, the medians
# and the smallest.
#   bench/compare_builds.sh BUILD_A BUILD_B [STARTS] [GAME_RUNS]
# Each build needs the targets tresolo, watch_process and game_autoplay.
set -euo pipefail
a=$(cd "$1" && pwd)
b=$(cd "$2" && pwd)
starts=${3:-11}
runs=${4:-5}

work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
until grep -q '^[0-9]' "$work/display"; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
export SDL_AUDIODRIVER=dummy

# The first painted frame of the program of build $1, from an empty home.
start_ms() {
  rm -rf "$work/home" "$work/run" && mkdir -p "$work/home" "$work/run"
  cp "$1/tresolo" "$1/Muenze.WAV" "$work/run/"
  (cd "$work/run" && HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    "$1/bench/watch_process" --xserver "$xvfb" --settle 0 --measure 0.2 -- ./tresolo) |
    sed -n 's/.*\bfirst_frame_ms=\([^ ]*\).*/\1/p'
}
# 10 000 automatic games of build $1: wall seconds into $2-games, processor seconds into $2-games_cpu.
games() {
  local TIMEFORMAT='%3U %3S' out times
  { times=$( { time (cd "$work" && "$1/bench/game_autoplay" 10000 >"$work/out"); } 2>&1); }
  sed -n 's/^games 10000 in \([0-9.]*\) s wall.*/\1/p' "$work/out" >>"$work/$2-games"
  awk '{ print $1 + $2 }' <<<"$times" >>"$work/$2-games_cpu"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
for _ in $(seq "$starts"); do
  start_ms "$a" >>"$work/a-start"
  start_ms "$b" >>"$work/b-start"
done
for _ in $(seq "$runs"); do
  games "$a" a
  games "$b" b
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"

least() { sort -g | head -n1; }
for m in start games games_cpu; do
  ma=$(median <"$work/a-$m") mb=$(median <"$work/b-$m")
  la=$(least <"$work/a-$m") lb=$(least <"$work/b-$m")
  unit=s
  [ "$m" = start ] && unit=ms
  echo "$m A ($1): $(tr '\n' ' ' <"$work/a-$m")-> median $ma $unit, least $la $unit"
  echo "$m B ($2): $(tr '\n' ' ' <"$work/b-$m")-> median $mb $unit, least $lb $unit"
  awk -v a="$ma" -v b="$mb" -v c="$la" -v d="$lb" -v m="$m" \
    'BEGIN { printf "%s B / A = %.3f (median), %.3f (least)\n", m, b / a, d / c }'
done
