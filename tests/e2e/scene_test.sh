#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window shows the scene exactly as the program composes it: regions of a
# screenshot equal the same regions of the headless composition, pixel for pixel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/still_regions.sh"
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

same_still_regions "$E2E_TMP/shot.png" "$E2E_TMP/composed.bmp" "$E2E_TMP"
echo "1 passed, 0 failed"
