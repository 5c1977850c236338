#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times our Lanczos-3 shrink of the 686 x 548 chest to 506 x 413 and Pillow's
# LANCZOS resize of the same pixels, and prints both medians and their ratio.
# Usage: bench/resample_compare.sh [build dir]   (default: build/bench)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/bench}
bench=$build/bench/codecs_pictures
picture=$(mktemp --suffix=.bmp)
trap 'rm -f "$picture"' EXIT

ours=$(TRESOLO_BENCH_PICTURE=$picture "$bench" --benchmark_filter=BM_LanczosChestNineSteps \
         --benchmark_repetitions=15 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null \
       | awk -F, '/_median"/ { print $3 }')
pillow=$(/usr/bin/python3 "$here/pillow_resample.py" "$picture" 506 413)
echo "ours:   $ours ms"
echo "Pillow: $pillow ms"
awk -v o="$ours" -v p="$pillow" 'BEGIN { printf "ours / Pillow = %.2f\n", o / p }'
