#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a full disk and on a read-only one, the program says on stderr which file it could not
# write and why, keeps the files it had as they were, leaves no temporary file, and does not
# claim to have saved when its display goes away.
source "$(dirname "$0")/lib.sh"
app="$1"

[ "$(id -u)" -eq 0 ] || skip "mounting a small file system needs root"
disk="$E2E_TMP/disk"
mkdir -p "$disk"
mount -t tmpfs -o size=256k tmpfs "$disk" 2>/dev/null || skip "mounting a tmpfs was refused"
trap 'umount -l "$disk" 2>/dev/null || true; cleanup' EXIT
cc -o "$E2E_TMP/close_request" "$(dirname "$0")/close_request.c" -lX11 || fail "close_request did not build"

run="$disk/run"
export XDG_CONFIG_HOME="$disk/config"
store="$XDG_CONFIG_HOME/tresolo/registry.ini"
passed=0

# The player and a cash box of 12,50 as a payout stored them; "Sound=2" makes the first
# paint write "0" back.
prepare() {
  mount -o remount,rw "$disk"
  find "$disk" -mindepth 1 -delete
  mkdir -p "$run" "$(dirname "$store")"
  printf '[Einstellungen]\nSpielerName=Eva\nSound=2\n' >"$run/Tresolo.ini"
  printf '[Software\\TresoloKasse]\nKA="12,50"\n' >"$store"
  cp "$run/Tresolo.ini" "$E2E_TMP/ini.before"
  cp "$store" "$E2E_TMP/store.before"
}

fill_disk() { dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || true; }

# Starts the program on a fresh X server, waits past its first paint, ends it by "$1"
# (close: the desktop closes the window; server-ends: the display goes away) and expects
# exit code "$2" and the reason "$3" for both files.
run_case() {
  local how="$1" want="$2" reason="$3"
  start_x
  start_app "$run" "$app"
  sleep 1
  case "$how" in
    close) "$E2E_TMP/close_request" "$(xdotool search --onlyvisible --class tresolo | head -n1)" ;;
    server-ends) kill "$XVFB_PID" ;;
  esac
  local code=0
  timeout 20 tail --pid="$APP_PID" -f /dev/null || fail "$how: the program did not end"
  wait "$APP_PID" || code=$?
  APP_PID=""
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
  local out="$E2E_TMP/out"
  [ "$code" -eq "$want" ] || { cat "$out"; fail "$how: exit code $code, wanted $want"; }
  grep -q "Tresolo.ini: $reason" "$out" || fail "$how: INI write failure not reported: $(cat "$out")"
  grep -q "registry.ini: $reason" "$out" || fail "$how: store write failure not reported: $(cat "$out")"
  if [ "$how" = server-ends ]; then
    grep -qx "tresolo: Die Anzeige ist weg; Spielername und Kasse konnten nicht gespeichert werden." "$out" ||
      fail "$how: no honest message: $(cat "$out")"
  fi
  cmp -s "$run/Tresolo.ini" "$E2E_TMP/ini.before" || fail "$how: INI file changed: $(cat "$run/Tresolo.ini")"
  cmp -s "$store" "$E2E_TMP/store.before" || fail "$how: store changed: $(cat "$store")"
  local left
  left=$(find "$disk" -name '.*.ini.*')
  [ -z "$left" ] || fail "$how: temporaries left: $left"
  passed=$((passed + 1))
}

prepare
fill_disk
run_case close 0 "No space left on device"
prepare
fill_disk
run_case server-ends 1 "No space left on device"
prepare
mount -o remount,ro "$disk"
run_case close 0 "Read-only file system"
echo "$passed passed, 0 failed"
