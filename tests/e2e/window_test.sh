#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program opens its borderless window at the top-left corner, shows its scene,
# and a click sent by the window system reaches a button of the bar.
source "$(dirname "$0")/lib.sh"
app="$1"
build="$2"

start_x
# A stand-in for the desktop's document viewer that records what it was asked to open.
mkdir -p "$E2E_TMP/bin" "$E2E_TMP/run"
cat > "$E2E_TMP/bin/xdg-open" <<SH
#!/bin/sh
echo "\$@" >> "$E2E_TMP/opened"
SH
chmod +x "$E2E_TMP/bin/xdg-open"
cp "$app" "$E2E_TMP/run/tresolo"
[ -f "$build/Tresolo-Hilfe.pdf" ] && cp "$build/Tresolo-Hilfe.pdf" "$E2E_TMP/run/"
export XDG_CONFIG_HOME="$E2E_TMP/config"
PATH="$E2E_TMP/bin:$PATH" start_app "$E2E_TMP/run" ./tresolo
sleep 1.5

shot="$E2E_TMP/shot.png"
screenshot "$shot"
# The window lies at the top-left corner: its 820 x 649 area is a picture, not one colour.
n=$(colours_in "$shot" 820x649+0+0)
[ "$n" -gt 50 ] || fail "the window area shows only $n colours"
# Outside the window the screen stays black.
[ "$(pixel "$shot" 1000 800)" = "0,0,0" ] || fail "something drawn outside the window"

# Click the help button of the bar; the program asks the desktop to open the help.
xdotool mousemove 202 609 click 1
end=$((SECONDS + DEADLINE))
until [ -s "$E2E_TMP/opened" ] || [ "$SECONDS" -ge "$end" ]; do sleep 0.1; done
[ -s "$E2E_TMP/opened" ] || { cat "$E2E_TMP/out"; fail "the click on the help button did not reach it"; }
grep -q "Tresolo-Hilfe.pdf" "$E2E_TMP/opened" || fail "opened $(cat "$E2E_TMP/opened") instead of the help"
kill -0 "$APP_PID" || fail "the program ended after the click"
echo "1 passed, 0 failed"
