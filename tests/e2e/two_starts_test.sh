#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One running copy per user. A second start brings the running copy's main window to the
# front and ends with exit code 0, writing nothing. When the running copy has no window to
# bring forward, the second start says "Tresolo läuft bereits." and ends with exit code 0.
# A copy killed with SIGKILL does not block the next start.
source "$(dirname "$0")/lib.sh"
app="$1"

start_x
run="$E2E_TMP/run"
export XDG_CONFIG_HOME="$E2E_TMP/config"
lock="$XDG_CONFIG_HOME/tresolo/tresolo.lock"
mkdir -p "$run"
cp "$app" "$run/tresolo"
passed=0

# Waits until the window "$1" has the keyboard focus, or fails with "$2".
wait_focus() {
  local end=$((SECONDS + 5))
  until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; do
    [ "$SECONDS" -lt "$end" ] || fail "$2"
    sleep 0.1
  done
}

# Starts a second copy and expects it to end by itself with exit code 0 within "$1" seconds.
second_start() {
  local code=0
  (cd "$run" && timeout "$1" ./tresolo) >"$E2E_TMP/second.out" 2>&1 || code=$?
  [ "$code" -eq 0 ] || { cat "$E2E_TMP/second.out"; fail "second start: exit code $code"; }
}

# The first copy, its name dialog in front with the focus.
start_app "$run" ./tresolo
W=$(main_window)
click_in "$W" $MENU_BTN
name=$(window_named '^Spielername-Eingabe$')
wait_focus "$name" "the name dialog does not have the focus"
touch "$E2E_TMP/before"
sleep 1.1  # file times are compared by the second
second_start 15
[ ! -s "$E2E_TMP/second.out" ] || fail "second start said: $(cat "$E2E_TMP/second.out")"
wait_focus "$W" "the running copy's main window did not come to the front"
written=$(find "$run" "$XDG_CONFIG_HOME" -newer "$E2E_TMP/before")
[ -z "$written" ] || fail "the second start wrote: $written"
[ "$(xdotool search --onlyvisible --name '^Form1$' | wc -l)" -eq 1 ] || fail "two main windows"
passed=$((passed + 1))

# Killed, the first copy leaves its lock to the next start.
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
start_app "$run" ./tresolo
kill -TERM "$APP_PID"
wait "$APP_PID" || fail "exit code $? after SIGTERM"
APP_PID=""
passed=$((passed + 1))

# The lock is held, by this script and no window: the second start says so in a box.
exec 9>>"$lock"
flock 9
launch_app "$run" ./tresolo 9>&-
box=$(window_named '^Information$')
screenshot "$E2E_TMP/already-running.png"
[ -n "${E2E_SHOT_DIR:-}" ] && cp "$E2E_TMP/already-running.png" "$E2E_SHOT_DIR/"
xdotool windowfocus --sync "$box" key Return
timeout 10 tail --pid="$APP_PID" -s 0.01 -f /dev/null || fail "the box's OK did not end the second start"
wait "$APP_PID" || fail "exit code $? after the box"
APP_PID=""
grep -qx "tresolo: Tresolo läuft bereits." "$E2E_TMP/out" || fail "no word on stderr: $(cat "$E2E_TMP/out")"
exec 9>&-
passed=$((passed + 1))
echo "$passed passed, 0 failed"
