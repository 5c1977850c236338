#!/usr/bin/env bash
# The real window shows the scene exactly as the program composes it: regions of a
# screenshot equal the same regions of the headless composition, pixel for pixel.
source "$(dirname "$0")/lib.sh"
app="$1"
dump="$3"

start_x
mkdir -p "$E2E_TMP/run" "$E2E_TMP/composed"
export XDG_CONFIG_HOME="$E2E_TMP/config"
start_app "$E2E_TMP/run" "$app"
sleep 1.5
screenshot "$E2E_TMP/shot.png"
(cd "$E2E_TMP/composed" && XDG_CONFIG_HOME="$E2E_TMP/config2" "$dump" "$E2E_TMP/composed.bmp") ||
  fail "the headless composition failed"

# Regions that do not move or tick in the first seconds: reels, ladders above the swimming
# shark, chest, button bar.
regions="770x73+25+24 90x416+40+130 90x335+689+130 300x240+250+200 776x40+22+584"
for r in $regions; do
  convert "$E2E_TMP/shot.png" -crop "$r" +repage "$E2E_TMP/a.png"
  convert "$E2E_TMP/composed.bmp" -crop "$r" +repage "$E2E_TMP/b.png"
  diff=$(compare -metric AE "$E2E_TMP/a.png" "$E2E_TMP/b.png" null: 2>&1 || true)
  [ "$diff" = "0" ] || fail "region $r differs in $diff pixels"
done
echo "1 passed, 0 failed"
