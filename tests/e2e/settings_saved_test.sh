#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started from its own folder, the real program records the folder; ended by the window
# system, it saves the cash box with a blank for the comma.
source "$(dirname "$0")/lib.sh"
app="$1"

start_x
mkdir -p "$E2E_TMP/run"
cp "$app" "$E2E_TMP/run/tresolo"
export XDG_CONFIG_HOME="$E2E_TMP/config"
store="$XDG_CONFIG_HOME/tresolo/registry.ini"
start_app "$E2E_TMP/run" ./tresolo
grep -qx "InstallPfad=\"$E2E_TMP/run/\"" "$store" || fail "folder not recorded: $(cat "$store")"
sleep 1
kill -TERM "$APP_PID"
wait "$APP_PID" || fail "exit code $? after a quit request"
APP_PID=""
grep -qx 'KA="0 00"' "$store" || fail "cash box not saved: $(cat "$store")"
echo "1 passed, 0 failed"
