#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a high-density display (here forced with TRESOLO_SCALE=2) the window shows the scene at
# twice its size, each pixel doubled, and the pointer's place counts in the scene's pixels.
source "$(dirname "$0")/lib.sh"
app="$1"
dump="$3"

start_x
mkdir -p "$E2E_TMP/run" "$E2E_TMP/composed"
export XDG_CONFIG_HOME="$E2E_TMP/config"
TRESOLO_SCALE=2 start_app "$E2E_TMP/run" "$app"
sleep 1.5
screenshot "$E2E_TMP/shot.png"
(cd "$E2E_TMP/composed" && XDG_CONFIG_HOME="$E2E_TMP/config2" "$dump" "$E2E_TMP/composed.bmp") ||
  fail "the headless composition failed"

# The upper left ladder, which does not move in the first seconds, inside the 1280 x 1024 screen.
convert "$E2E_TMP/shot.png" -crop 180x600+80+260 +repage -sample 50% "$E2E_TMP/a.png"
convert "$E2E_TMP/composed.bmp" -crop 90x300+40+130 +repage "$E2E_TMP/b.png"
diff=$(compare -metric AE "$E2E_TMP/a.png" "$E2E_TMP/b.png" null: 2>&1 || true)
[ "$diff" = "0" ] || fail "the doubled ladder differs in $diff pixels"

# The pointer resting on the credit display (after the layout at scene 284..407, 102..124)
# shows its hint 20 scene pixels lower, framed in black, its inside in the hint colour.
# Counted in screen pixels, the pointer would rest on the chest, which has no hint.
xdotool mousemove 600 224
sleep 1.2
screenshot "$E2E_TMP/hint.png"
[ "$(pixel "$E2E_TMP/hint.png" 602 266)" = "255,255,225" ] || fail "no hint under the pointer"
echo "1 passed, 0 failed"
