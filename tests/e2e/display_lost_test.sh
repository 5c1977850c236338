#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program keeps the player's name and the cash box however its window goes: when the
# X server ends under it, when the window system kills it, when another client destroys its
# window (each time it ends with a message and exit code 1), and when the desktop closes
# its window (a normal end).
source "$(dirname "$0")/lib.sh"
app="$1"

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
  local window
  window=$(xdotool search --onlyvisible --class tresolo | head -n1)
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
  grep -qx 'KA="12 50"' "$store" || fail "$how: cash box not saved: $(cat "$store")"
  grep -qx 'SpielerName=Eva' "$E2E_TMP/run/Tresolo.ini" || fail "$how: player lost: $(cat "$E2E_TMP/run/Tresolo.ini")"
  passed=$((passed + 1))
}

run_case 1 server-ends
run_case 1 client-killed
run_case 1 window-destroyed
run_case 0 desktop-closes
echo "$passed passed, 0 failed"
