#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The statistics window in a real window: a player deposits, opens it with F2 on the main
# window and with the menu's "Statistik" button, and closes it with Escape. Pictures of both
# stay in the build folder (statistics_f2.png, statistics_menu.png); the play history is an
# SQLite file beside the program.
source "$(dirname "$0")/lib.sh"
app="$1"
build="$2"

start_x
run="$E2E_TMP/run"
mkdir -p "$run"
cp "$app" "$run/tresolo"
export XDG_CONFIG_HOME="$E2E_TMP/config"

# The window is on the screen at its size and shows its tables and charts.
look_at() {  # window picture
  local geometry w h x y
  geometry=$(xdotool getwindowgeometry --shell "$1")
  eval "$geometry"
  [ "$WIDTH" -eq 760 ] && [ "$HEIGHT" -eq 600 ] || fail "statistics window is ${WIDTH}x${HEIGHT}"
  sleep 0.5
  screenshot "$2"
  local colours
  colours=$(colours_in "$2" "${WIDTH}x${HEIGHT}+${X}+${Y}")
  [ "$colours" -gt 8 ] || fail "the statistics window shows $colours colours"
  # The exact return's line, dark red, at the window's top.
  [ "$(convert "$2" -crop "700x30+$((X + 12))+$((Y + 8))" +repage -fill white +opaque 'rgb(160,0,0)' \
       -format '%[fx:mean<1]' info:)" = 1 ] || fail "no exact return at the window's top"
}

start_app "$run" ./tresolo
W=$(main_window)
click_in "$W" $MENU_BTN
window_named '^Spielername-Eingabe$' >/dev/null
xdotool type --delay 40 "Eva"
xdotool key Return
window_gone '^Spielername-Eingabe$'
M=$(window_named '^Tresolo Version 2.5$')
click_in "$M" $AUTO_START
click_in "$M" $NOTE_5
window_gone '^Tresolo Version 2.5$'
sleep 2.5

xdotool windowfocus --sync "$W" key F2
S=$(window_named '^Statistik$')
look_at "$S" "$build/statistics_f2.png"
xdotool windowfocus --sync "$S" key Escape
window_gone '^Statistik$'

click_in "$W" $MENU_BTN
M=$(window_named '^Tresolo Version 2.5$')
click_in "$M" $STATISTICS_BTN
S=$(window_named '^Statistik$')
look_at "$S" "$build/statistics_menu.png"
xdotool windowfocus --sync "$S" key Escape
window_gone '^Statistik$'

[ "$(head -c 15 "$run/Tresolo-Statistik.sqlite")" = "SQLite format 3" ] || fail "no play history beside the program"
echo "1 passed, 0 failed"
