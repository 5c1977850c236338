#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A per-user folder the program cannot write: at the start a box names the store file and
# the reason, the game goes on, a second start is refused although no lock can be had, and
# the end of the program says on stderr what it could not keep. Nothing in the folder changes.
source "$(dirname "$0")/lib.sh"
app="$1"
cc -o "$E2E_TMP/close_request" "$(dirname "$0")/close_request.c" -lX11 || fail "close_request did not build"

run="$E2E_TMP/run"
export XDG_CONFIG_HOME="$E2E_TMP/config"
store="$XDG_CONFIG_HOME/tresolo/registry.ini"
mkdir -p "$run" "$(dirname "$store")"
cp "$app" "$run/tresolo"
printf '[Software\\TresoloKasse]\nKA="12 50"\n' >"$store"
cp "$store" "$E2E_TMP/store.before"

# Root writes through permissions: a read-only mount of the folder stops it too.
if [ "$(id -u)" -eq 0 ]; then
  mount --bind "$XDG_CONFIG_HOME" "$XDG_CONFIG_HOME" 2>/dev/null || skip "bind mounts are refused"
  trap 'umount -l "$XDG_CONFIG_HOME" 2>/dev/null || true; cleanup' EXIT
  mount -o remount,ro,bind "$XDG_CONFIG_HOME" || fail "the folder could not be made read-only"
  reason="Read-only file system"
else
  chmod -R a-w "$XDG_CONFIG_HOME"
  reason="Permission denied"
fi

start_x
# Started from its own folder, the program records the folder in the store at once.
start_app "$run" ./tresolo
box=$(window_named '^Warnung$')
screenshot "$E2E_TMP/notice.png"
[ -n "${E2E_SHOT_DIR:-}" ] && cp "$E2E_TMP/notice.png" "$E2E_SHOT_DIR/"
grep -q "registry.ini: $reason" "$E2E_TMP/out" || fail "no reason on stderr: $(cat "$E2E_TMP/out")"
xdotool windowfocus --sync "$box" key Return
window_gone '^Warnung$'
sleep 1
kill -0 "$APP_PID" || fail "the game did not go on"
W=$(main_window)
[ -n "$W" ] || fail "no main window after the notice"
# No lock can be had in the folder, by flock or by an owner file: a second start sees the
# first among the processes, says so once and ends without a window of its own.
(cd "$run" && exec timeout 20 ./tresolo) >"$E2E_TMP/second.out" 2>&1 &
second=$!
box=$(window_named '^Information$')
[ "$(xdotool search --onlyvisible --name '^Form1$' | wc -l)" -eq 1 ] || fail "two main windows"
xdotool windowfocus --sync "$box" key Return
wait "$second" || { cat "$E2E_TMP/second.out"; fail "second start: exit code $?"; }
grep -qx "tresolo: Tresolo läuft bereits." "$E2E_TMP/second.out" || fail "second start said: $(cat "$E2E_TMP/second.out")"
"$E2E_TMP/close_request" "$W"
timeout 10 tail --pid="$APP_PID" -s 0.01 -f /dev/null || fail "the program did not end"
wait "$APP_PID" || fail "exit code $?"
APP_PID=""
[ "$(grep -c "registry.ini: $reason" "$E2E_TMP/out")" -ge 2 ] || fail "the end did not tell: $(cat "$E2E_TMP/out")"
cmp -s "$store" "$E2E_TMP/store.before" || fail "store changed: $(cat "$store")"
echo "1 passed, 0 failed"
