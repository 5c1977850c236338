# SPDX-License-Identifier: GPL-3.0-or-later
# Shared steps of the end-to-end tests: a private X server, the program in it, pictures of it.
set -euo pipefail
export ASAN_OPTIONS=detect_leaks=0
export SDL_AUDIODRIVER=dummy

E2E_TMP=$(mktemp -d)
XVFB_PID=""
APP_PID=""
# How long a step of the program or the X server may take on a busy machine.
DEADLINE=30

cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap cleanup EXIT

# With E2E_SHOT set, a failing test leaves a picture of the screen there.
fail() {
  echo "FAIL: $*" >&2
  [ -n "${E2E_SHOT:-}" ] && [ -n "${DISPLAY:-}" ] && import -window root "$E2E_SHOT" 2>/dev/null
  exit 1
}
# A test that cannot run here says why; ctest counts exit code 77 as skipped.
skip() { echo "SKIP: $*"; exit 77; }

# A display number no X server uses now, away from the low numbers Xvfb picks itself.
free_display() {
  local n=$((300 + $$ % 500))
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}

# Starts Xvfb, on display number $1 or else on the first free one, and waits until it
# accepts clients. With -noreset it keeps running when its last client leaves: a reset
# would drop whoever connects in that moment.
start_x() {
  local ready="$E2E_TMP/xvfb-ready"
  : >"$ready"
  Xvfb ${1:+":$1"} -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp \
    3>"$ready" >"$E2E_TMP/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local end=$((SECONDS + DEADLINE))
  until grep -q '^[0-9]' "$ready"; do
    kill -0 "$XVFB_PID" 2>/dev/null || { cat "$E2E_TMP/xvfb.log"; fail "the X server did not start"; }
    [ "$SECONDS" -lt "$end" ] || fail "the X server did not get ready"
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$ready")"
}

screenshot() { import -window root "$1"; }

# The colour of one pixel of a picture as "r,g,b".
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# The number of different colours in a region WxH+X+Y of a picture.
colours_in() { convert "$1" -crop "$2" +repage -format %k info:; }

# Starts the command "$2"... (a path and its arguments) in the folder "$1" with its output in $E2E_TMP/out.
launch_app() {
  (cd "$1" && exec "${@:2}") >"$E2E_TMP/out" 2>&1 &
  APP_PID=$!
}

# Waits until the program's window is on the screen.
wait_app_window() {
  local end=$((SECONDS + DEADLINE))
  until [ -n "$(xdotool search --onlyvisible --class tresolo 2>/dev/null || true)" ]; do
    kill -0 "$APP_PID" 2>/dev/null || { cat "$E2E_TMP/out"; fail "the program ended early"; }
    [ "$SECONDS" -lt "$end" ] || fail "no window appeared"
    sleep 0.1
  done
}

# Waits for a visible window of the program whose title matches the pattern and prints its id.
window_named() {
  local end=$((SECONDS + DEADLINE)) w=""
  until w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$w" ]; do
    kill -0 "$APP_PID" 2>/dev/null || { cat "$E2E_TMP/out"; fail "ended while waiting for '$1'"; }
    [ "$SECONDS" -lt "$end" ] || fail "no window '$1'"
    sleep 0.1
  done
  echo "$w"
}

start_app() {
  launch_app "$@"
  wait_app_window
}

# Main window places (the window sits at the screen's top-left corner).
MENU_BTN="616 608"
REELS="760x66+30+28"
CREDIT="80x16+290+104"
LEFT_STOP="70x22+46+598"
RIGHT_STOP="70x22+702+598"
# Menu dialog places, relative to the dialog.
STATISTICS_BTN="66 398"
NOTE_5="619 107"
NOTE_50="334 107"
AUTO_START="520 192"
OK_BTN="668 398"
PAYOUT_BTN="636 350"
# Name dialog: "Name übernehmen" and "OK".
TAKE_NAME="156 76"
NAME_OK="156 192"

# The checksum of a region WxH+X+Y of the screen.
crop_sum() { import -window root -crop "$1" rgb:- 2>/dev/null | md5sum | cut -c1-32; }

window_gone() {
  local end=$((SECONDS + DEADLINE))
  while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$end" ] || fail "window '$1' stays open"
    sleep 0.1
  done
}

click_in() {  # window x y
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}

# The menu button does nothing while a game runs: a player clicks again. A win with its
# ladder and risk game keeps a game running for a while.
open_menu() {  # the main window is $W
  local end=$((SECONDS + 2 * DEADLINE)) w=""
  until w=$(xdotool search --onlyvisible --name '^Tresolo Version 2.5$' 2>/dev/null | head -n1) && [ -n "$w" ]; do
    [ "$SECONDS" -lt "$end" ] || fail "the menu does not open"
    xdotool mousemove --window "$W" $MENU_BTN click 1
    sleep 1
  done
  echo "$w"
}

main_window() { xdotool search --onlyvisible --name '^Form1$' | head -n1; }

# Waits until a region of the screen changes from the given sum, or fails.
wait_change() {  # region sum what seconds
  local end=$((SECONDS + ${4:-DEADLINE}))
  while [ "$(crop_sum "$1")" = "$2" ]; do
    [ "$SECONDS" -lt "$end" ] || fail "$3"
    sleep 0.1
  done
}

# A visit of Eva with 12,50 in the cash box, from a fresh copy of "$app" in "$run" with the
# store "$store", started at "$@" (a faster clock, say): she takes her name and ticks manual
# play. The menu stays open; the main window is $W.
visit_as_eva() {
  rm -rf "$run" "$XDG_CONFIG_HOME"
  mkdir -p "$run" "$(dirname "$store")"
  cp "$app" "$run/tresolo"
  printf '[Einstellungen]\nSpielerName=Eva\n' >"$run/Tresolo.ini"
  printf '[Software\\TresoloKasse]\nKA="12 50"\n' >"$store"
  launch_app "$run" "$@" ./tresolo
  wait_app_window
  W=$(main_window)
  click_in "$W" $MENU_BTN
  local name menu
  name=$(window_named '^Spielername-Eingabe$')
  click_in "$name" $TAKE_NAME
  click_in "$name" $NAME_OK
  window_gone '^Spielername-Eingabe$'
  menu=$(window_named '^Tresolo Version 2.5$')
  click_in "$menu" $AUTO_START
}

# Puts a 50-euro note in through the open menu and waits until the credit shows it.
deposit_note_50() {
  local credit0 menu
  credit0=$(crop_sum "$CREDIT")
  menu=$(window_named '^Tresolo Version 2.5$')
  click_in "$menu" $NOTE_50
  window_gone '^Tresolo Version 2.5$'
  wait_change "$CREDIT" "$credit0" "the deposit never reached the credit"
}

# Space starts games and stops reels until a ladder highlights its stop button; false when
# none came within "$1" seconds (wins are drawn).
play_until_a_ladder_runs() {
  local left right end=$((SECONDS + $1))
  left=$(crop_sum "$LEFT_STOP")
  right=$(crop_sum "$RIGHT_STOP")
  while [ "$(crop_sum "$LEFT_STOP")" = "$left" ] && [ "$(crop_sum "$RIGHT_STOP")" = "$right" ]; do
    [ "$SECONDS" -lt "$end" ] || return 1
    xdotool key space
    sleep 0.05
  done
}
