#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An X server that comes up a moment after the program started is still used: the program
# waits for it briefly and then shows its window there.
source "$(dirname "$0")/lib.sh"
app="$1"

n=$(free_display)
export DISPLAY=":$n"
export XDG_CONFIG_HOME="$E2E_TMP/config"
mkdir -p "$E2E_TMP/run"
launch_app "$E2E_TMP/run" "$app"
sleep 0.3
kill -0 "$APP_PID" 2>/dev/null || { cat "$E2E_TMP/out"; fail "the program did not wait for the display"; }
start_x "$n"
wait_app_window
echo "1 passed, 0 failed"
