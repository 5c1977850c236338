#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program keeps the player's name and the cash box however its window goes: when the
# X server ends under it, when the window system kills it, when another client destroys its
# window (each time it ends with a message and exit code 1), and when the desktop closes
# its window (a normal end). Each time a deposit has opened a play session, and the history
# holds it closed.
source "$(dirname "$0")/lib.sh"
app="$1"

command -v sqlite3 >/dev/null || fail "sqlite3 is missing (Debian package sqlite3)"
cc -o "$E2E_TMP/close_request" "$(dirname "$0")/close_request.c" -lX11 || fail "close_request did not build"
export XDG_CONFIG_HOME="$E2E_TMP/config"
store="$XDG_CONFIG_HOME/tresolo/registry.ini"
lost_message="tresolo: Die Anzeige ist weg; Spielername und Kasse sind gespeichert."
passed=0

# Runs the program on a fresh X server with a cash box of 12,50 as a payout stores it and a
# player in Tresolo.ini, does "$2" to its window (or its X server) and expects exit code $1.
# The end of the program stores the cash box with a blank for the comma.
run_case() {
  local want="$1" how="$2"
  rm -rf "$E2E_TMP/run" "$XDG_CONFIG_HOME"
  mkdir -p "$E2E_TMP/run" "$(dirname "$store")"
  printf '[Software\\TresoloKasse]\nKA="12,50"\n' >"$store"
  printf '[Einstellungen]\nSpielerName=Eva\n' >"$E2E_TMP/run/Tresolo.ini"
  cp "$app" "$E2E_TMP/run/tresolo"
  start_x
  start_app "$E2E_TMP/run" ./tresolo
  local window name menu
  window=$(xdotool search --onlyvisible --class tresolo | head -n1)
  click_in "$window" $MENU_BTN
  name=$(window_named '^Spielername-Eingabe$')
  click_in "$name" $TAKE_NAME
  click_in "$name" $NAME_OK
  menu=$(window_named '^Tresolo Version 2.5$')
  click_in "$menu" $AUTO_START
  click_in "$menu" $NOTE_5
  window_gone '^Tresolo Version 2.5$'
  sleep 1  # the note sinks
  case "$how" in
    server-ends) kill "$XVFB_PID" ;;
    client-killed) xdotool windowkill "$window" ;;
    window-destroyed) xdotool windowclose "$window" ;;
    desktop-closes) "$E2E_TMP/close_request" "$window" ;;
  esac
  local end=$((SECONDS + 10))
  while kill -0 "$APP_PID" 2>/dev/null; do
    [ "$SECONDS" -lt "$end" ] || { cat "$E2E_TMP/out"; fail "$how: the program did not end"; }
    sleep 0.1
  done
  local code=0
  wait "$APP_PID" || code=$?
  APP_PID=""
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
  [ "$code" -eq "$want" ] || { cat "$E2E_TMP/out"; fail "$how: exit code $code, wanted $want"; }
  if [ "$want" -ne 0 ]; then
    grep -qxF "$lost_message" "$E2E_TMP/out" || fail "$how: no message, output: $(cat "$E2E_TMP/out")"
  fi
  grep -qx 'KA="17 50"' "$store" || fail "$how: cash box not saved: $(cat "$store")"
  local history="$E2E_TMP/run/Tresolo-Statistik.sqlite"
  [ "$(sqlite3 "file:$history?mode=ro" 'SELECT COUNT(*) FROM deposits')" = 1 ] || fail "$how: the deposit is not recorded"
  [ "$(sqlite3 "file:$history?mode=ro" 'SELECT COUNT(*) FROM sessions WHERE ended_at IS NULL')" = 0 ] ||
    fail "$how: the play session stays open"
  grep -qx 'SpielerName=Eva' "$E2E_TMP/run/Tresolo.ini" || fail "$how: player lost: $(cat "$E2E_TMP/run/Tresolo.ini")"
  passed=$((passed + 1))
}

run_case 1 server-ends
run_case 1 client-killed
run_case 1 window-destroyed
run_case 0 desktop-closes
echo "$passed passed, 0 failed"
