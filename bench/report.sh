#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The performance report: every measurement in one run on this machine, ours beside a peer
# where one exists, printed as a Markdown table for docs/performance.md. The peer for the whole-program
# figures is the desktop's own card game, GNOME Aisleriot ("sol"), measured from outside the
# same way as ours; the resampler's peer is Pillow; a pause's is a plain sleep.
# Installs what it needs from Debian and builds build/bench (Release).
# Usage: bench/report.sh [seconds of each processor stretch, default 30]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=$root/build/bench
stretch=${1:-30}

# Clicks the program from its start into waiting with credit: a name, manual start, 5 euros.
if [ "$stretch" = --deposit ]; then
  wait_for() { for _ in $(seq 300); do xdotool search --onlyvisible --name "$1" && return; sleep 0.1; done; return 1; }
  main=$(wait_for '^Form1$' | head -n1)
  xdotool mousemove --window "$main" 616 608 click 1
  wait_for '^Spielername-Eingabe$' >/dev/null
  xdotool type --delay 30 Messung && xdotool key Return
  menu=$(wait_for '^Tresolo Version 2.5$' | head -n1)
  sleep 0.3
  xdotool mousemove --window "$menu" 520 192 click 1  # "Automatischer Start" off
  sleep 0.3
  xdotool mousemove --window "$menu" 619 107 click 1  # the 5-euro note
  for _ in $(seq 300); do xdotool search --onlyvisible --name '^Tresolo Version 2.5$' >/dev/null || exit 0; sleep 0.1; done
  exit 1
fi

source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" libbenchmark-dev xvfb xauth xdotool python3-pil aisleriot
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTRESOLO_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target tresolo watch_process realtime_loop codecs_pictures game_autoplay \
  game_attract >/dev/null

work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
until grep -q '^[0-9]' "$work/display"; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
export SDL_AUDIODRIVER=dummy
# Each program starts with no settings of its own, as on a new user's first start.
fresh_home() {
  rm -rf "$work/home" "$work/run" && mkdir -p "$work/home" "$work/run"
  cp "$build/tresolo" "$build/Muenze.WAV" "$work/run/"
  export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
}
watch() { (fresh_home && cd "$work/run" && "$build/bench/watch_process" --xserver "$xvfb" "$@"); }
field() { sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p" <<<"$2"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "–" }'; }

# Other work on the machine slows every figure: the load is reported with them.
load_before=$(cut -d' ' -f1 /proc/loadavg)
echo "measuring start-up (5 starts each, alternating) ..." >&2
for _ in 1 2 3 4 5; do
  field first_frame_ms "$(watch --settle 0 --measure 0.2 -- ./tresolo)" >>"$work/ours-start"
  field first_frame_ms "$(watch --settle 0 --measure 0.2 -- /usr/games/sol)" >>"$work/peer-start"
done
echo "measuring ${stretch} s stretches: attract mode, waiting with credit, the peer waiting ..." >&2
attract=$(watch --settle 8 --measure "$stretch" -- ./tresolo)
idle=$(watch --then "$here/report.sh --deposit >/dev/null" --settle 5 --measure "$stretch" -- ./tresolo)
peer=$(watch --settle 3 --measure "$stretch" -- /usr/games/sol)
echo "measuring pauses, the resampler, automatic games ..." >&2
loop=$("$build/bench/realtime_loop" 5)
resample=$("$here/resample_compare.sh" "$build")
autoplay=$("$build/bench/game_autoplay" 10000)
attract_virtual=$("$build/bench/game_attract" 60)

ours_start=$(median <"$work/ours-start")
peer_start=$(median <"$work/peer-start")
pause=$(sed -n 's/^pause 50 ms x 100: late by median \(.*\) ms, worst \(.*\) ms$/\1 \2/p' <<<"$loop")
sleep_=$(sed -n 's/^plain sleep 50 ms x 100: late by median \(.*\) ms, worst \(.*\) ms$/\1 \2/p' <<<"$loop")
read -r pause_med pause_worst <<<"$pause"
read -r sleep_med sleep_worst <<<"$sleep_"
ours_ms=$(sed -n 's/^ours: *\(.*\) ms$/\1/p' <<<"$resample")
pillow_ms=$(sed -n 's/^Pillow: *\(.*\) ms$/\1/p' <<<"$resample")
peer_name="Aisleriot $(dpkg-query -W -f '${Version}' aisleriot | cut -d- -f1)"
cpu() { printf '%s %% (X server %s %%)' "$(field cpu_percent "$1")" "$(field xserver_cpu_percent "$1")"; }

cat <<EOF
Measured $(date +%Y-%m-%d) on $(nproc) cores ($(sed -n 's/^model name\t: //p' /proc/cpuinfo | head -n1)), Xvfb, no window manager;
load average $load_before at the start, $(cut -d' ' -f1 /proc/loadavg) at the end.
Peer: $peer_name ("sol", GTK 3), measured the same way from outside (\`bench/watch_process\`).

| Measurement | Tresolo | Peer | Tresolo / peer |
|---|---|---|---|
| Start to the first painted frame, median of 5 | $ours_start ms (the processor clock is measured beside the running program) | $peer_start ms ($peer_name) | $(ratio "$ours_start" "$peer_start") |
| Processor, attract mode (shark, ladders, clam), ${stretch} s | $(cpu "$attract") | – | – |
| Processor, waiting with credit (shark and clock), ${stretch} s | $(cpu "$idle") | $(cpu "$peer") ($peer_name waiting) | $(ratio "$(field cpu_percent "$idle")" "$(field cpu_percent "$peer")") |
| Resident memory, waiting with credit (peak) | $(field rss_mb "$idle") MB ($(field peak_mb "$idle") MB) | $(field rss_mb "$peer") MB ($(field peak_mb "$peer") MB) | $(ratio "$(field rss_mb "$idle")" "$(field rss_mb "$peer")") |
| Pause of 50 ms, overshoot median / worst of 100 | $pause_med / $pause_worst ms | $sleep_med / $sleep_worst ms (plain sleep) | – |
| Lanczos-3 shrink of the chest, 686×548 to 506×413 | $ours_ms ms | $pillow_ms ms (Pillow LANCZOS) | $(ratio "$ours_ms" "$pillow_ms") |
| 10 000 automatic games in virtual time | $(sed -n 's/^games [0-9]* in \([0-9.]*\) s wall (\([0-9.]*\) ms per game).*/\1 s (\2 ms a game)/p' <<<"$autoplay") | – | – |
| Attract mode in virtual time, wall time per frame | $(sed -n 's/.*, \([0-9.]* ms\) wall per frame/\1/p' <<<"$attract_virtual") | – | – |

<details><summary>Raw output</summary>

\`\`\`
ours start (ms): $(tr '\n' ' ' <"$work/ours-start")
peer start (ms): $(tr '\n' ' ' <"$work/peer-start")
attract: $attract
idle:    $idle
peer:    $peer
$loop
$resample
$autoplay
$attract_virtual
\`\`\`
</details>
EOF
