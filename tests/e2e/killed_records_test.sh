#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The player's records after SIGKILL at ten moments of a session: a note sinking, a deposit
# just booked, a spin, the automatic games, a risk game, a ladder waiting for its stop, the
# payout's box after games, the payout begun, the question whether to quit, and a start that
# does nothing. At each next start the stored cash box equals the play history's last one
# and what the history's deposits and payouts leave of the 12,50 it began with, the history's
# totals equal its events, the stored month's deposits equal the history's, nothing needed
# mending (the cash box is stored with each move), and the killed session is closed at its
# last event. A last start, closed by the desktop, leaves no session
# open.
# The games run on a clock twenty to a hundred times as fast, so that wins come soon.
source "$(dirname "$0")/lib.sh"
app="$1"
# The sanitizer runtime must come first unless told that the clock library may precede it.
export ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
faster_clock=$(find /usr/lib -name libfaketimeMT.so.1 -print -quit)
[ -n "$faster_clock" ] || fail "libfaketimeMT is missing (Debian package faketime)"
command -v sqlite3 >/dev/null || fail "sqlite3 is missing (Debian package sqlite3)"
cc -o "$E2E_TMP/close_request" "$(dirname "$0")/close_request.c" -lX11 || fail "close_request did not build"
cc -o "$E2E_TMP/kill_at_sight" "$(dirname "$0")/kill_at_sight.c" -lX11 || fail "kill_at_sight did not build"

start_x
run="$E2E_TMP/run"
export XDG_CONFIG_HOME="$E2E_TMP/config"
store="$XDG_CONFIG_HOME/tresolo/registry.ini"
history="$run/Tresolo-Statistik.sqlite"
mkdir -p "$run" "$(dirname "$store")"
cp "$app" "$run/tresolo"
printf '[Einstellungen]\nSpielerName=Eva\n' >"$run/Tresolo.ini"
printf '[Software\\TresoloKasse]\nKA="12 50"\n' >"$store"
# The three risk markers' own colours (2X, 1X, 0X: no other picture of the scene has them),
# and where they blink.
RISK_COLOURS="colours:5a0000,6a3000,004010"
RISK_MARKERS="200x45+312+144"
killed=0

sql() { sqlite3 -batch "file:$history?mode=ro" "$1"; }
stored() { sed -n "s/^$1=\"\(.*\)\"$/\1/p" "$store"; }
cents_of() {  # "12 50", "12,50" or "-3,00" -> cents
  [[ "$1" =~ ^(-?)([0-9]+)[\ ,]([0-9]{2})$ ]] || fail "not an amount: '$1' in $(cat "$store")"
  echo "${BASH_REMATCH[1]}$((10#${BASH_REMATCH[2]} * 100 + 10#${BASH_REMATCH[3]}))"
}

# The records as a start finds them after a kill at "$1".
check_records() {
  local moment="$1" ka box left month
  ka=$(cents_of "$(stored KA)")
  if [ ! -e "$history" ]; then  # nothing recorded yet
    [ "$ka" = 1250 ] || fail "after $moment: cash box $ka without a history"
    echo "killed at $moment: cash box $ka cents, nothing recorded; all agree"
    return
  fi
  box=$(sql "SELECT cents FROM cash_box ORDER BY id DESC LIMIT 1")
  [ -n "$box" ] || box=1250
  [ "$ka" = "$box" ] || fail "after $moment: stored cash box $ka, the history's $box"
  left=$(sql "SELECT 1250 + (SELECT COALESCE(SUM(cents), 0) FROM deposits)
                          - (SELECT COALESCE(SUM(credit_cents), 0) FROM payouts)")
  [ "$ka" = "$left" ] || fail "after $moment: cash box $ka, the history's deposits and payouts leave $left"
  [ "$(sql "SELECT deposit_cents = (SELECT COALESCE(SUM(cents), 0) FROM deposits)
            AND deposits = (SELECT COUNT(*) FROM deposits) AND payouts = (SELECT COUNT(*) FROM payouts)
            AND paid_games + special_games = (SELECT COUNT(*) FROM games) FROM totals")" = 1 ] ||
    fail "after $moment: totals $(sql 'SELECT * FROM totals') against the events"
  local m
  m=$(stored Monat)  # "2026-12"
  if [ -n "$m" ]; then
    month=$(sql "SELECT COALESCE(SUM(cents), 0) FROM deposits WHERE month = $((10#${m:0:4} * 12 + 10#${m:5:2} - 1))")
    [ "$(cents_of "$(stored MonatEingezahlt)")" = "$month" ] ||
      fail "after $moment: the month's deposits $(stored MonatEingezahlt) stored, $month cents in the history"
  fi
  # No kill here falls between the history's write and the store's: nothing needs mending.
  [ "$(sql 'SELECT COUNT(*) FROM repairs')" = 0 ] || fail "after $moment: mended $(sql 'SELECT what FROM repairs')"
  # Sessions left by a kill end at their last event; only this start's own may be open.
  [ "$(sql "SELECT COUNT(*) FROM sessions s WHERE ended_at IS NULL AND id < (SELECT MAX(id) FROM sessions)
            OR ended_at < (SELECT MAX(at) FROM (SELECT played_at AS at FROM games WHERE session_id = s.id
              UNION ALL SELECT at FROM deposits WHERE session_id = s.id
              UNION ALL SELECT at FROM payouts WHERE session_id = s.id))")" = 0 ] ||
    fail "after $moment: sessions $(sql 'SELECT * FROM sessions')"
  echo "killed at $moment: cash box $ka cents, $(sql 'SELECT COUNT(*) FROM games') games," \
    "$(sql 'SELECT COUNT(*) FROM sessions') sessions; all agree"
}

# A click that waits for nothing: the program takes the clicks in their order, and the steps
# after it wait for what they need.
press() {  # window x y
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.05
}

# Starts the program at clock speed "$1" and checks what the last kill "$2" left. The main
# window is $W.
start_and_check() {
  launch_app "$run" env LD_PRELOAD="$faster_clock" FAKETIME="+0 x$1" ./tresolo
  wait_app_window
  [ -z "$2" ] || check_records "$2"
  W=$(main_window)
}

# Started as above, Eva takes her name; the menu stays open as $M.
visit() {
  start_and_check "$@"
  press "$W" $MENU_BTN
  local name
  name=$(window_named '^Spielername-Eingabe$')
  press "$name" $TAKE_NAME
  press "$name" $NAME_OK
  window_gone '^Spielername-Eingabe$'
  M=$(window_named '^Tresolo Version 2.5$')
}

# The program was killed: it is gone before anything else happens.
killed_now() {
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
  killed=$((killed + 1))
}

# Kills when the screen shows it ("$2": change or colours, "$3"...: regions), within "$1" s.
kill_at_sight() {
  local seconds="$1"
  shift
  "$E2E_TMP/kill_at_sight" "$APP_PID" $((seconds * 1000)) "$@" >/dev/null || fail "nothing to see: $*"
  killed_now
}

kill_now() {
  kill -KILL "$APP_PID" 2>/dev/null || fail "the program had ended before the kill"
  killed_now
}

# Puts a 5-euro note in through the open menu and waits until the credit shows it.
deposit_5() {
  local credit0
  credit0=$(crop_sum "$CREDIT")
  press "$M" $NOTE_5
  window_gone '^Tresolo Version 2.5$'
  wait_change "$CREDIT" "$credit0" "the deposit never reached the credit"
}

# Pays out through the menu; leaves the first box ("Bestätigung" for special games left, else
# the result's "Information") as $BOX.
pay_out() {
  M=$(open_menu)
  press "$M" $PAYOUT_BTN
  local end=$((SECONDS + DEADLINE))
  until BOX=$(xdotool search --onlyvisible --name '^(Best.+tigung|Information)$' 2>/dev/null | head -n1) && [ -n "$BOX" ]; do
    [ "$SECONDS" -lt "$end" ] || fail "the payout shows no box"
    sleep 0.05
  done
}

visit 1 ""
press "$M" $NOTE_5
kill_now
moment="a note sinking"

visit 1 "$moment"
press "$M" $NOTE_5
kill_at_sight 10 change "$CREDIT"
moment="a deposit just booked"

visit 20 "$moment"
press "$M" $NOTE_50
kill_at_sight 10 change "$REELS"
moment="a spin"

visit 40 "$moment"
press "$M" $NOTE_50
sleep 2
kill_now
moment="the automatic games"

visit 100 "$moment"
press "$M" $NOTE_50
kill_at_sight 90 "$RISK_COLOURS" "$RISK_MARKERS"
moment="a risk game"

visit 100 "$moment"
press "$M" $NOTE_50
kill_at_sight 90 change "$LEFT_STOP" "$RIGHT_STOP"
moment="a ladder waiting"

visit 40 "$moment"
press "$M" $NOTE_5
sleep 1  # some games
pay_out
kill_now
moment="the payout's box after games"

visit 1 "$moment"
press "$M" $AUTO_START  # manual play: the menu opens at once
deposit_5
M=$(open_menu)
press "$M" $PAYOUT_BTN
sleep 0.3  # the payout waits a second before it closes the account
kill_now
moment="the payout begun"

visit 1 "$moment"
press "$M" $AUTO_START
deposit_5
xdotool key Escape
window_named '^Best.+tigung$' >/dev/null
kill_now
moment="the question whether to quit"

start_and_check 1 "$moment"
kill_now
moment="the start itself"

# The last start is closed by the desktop: no session stays open.
start_and_check 1 "$moment"
"$E2E_TMP/close_request" "$W"
timeout 10 tail --pid="$APP_PID" -s 0.01 -f /dev/null || fail "the program did not end"
wait "$APP_PID" || fail "exit code $? after the close"
APP_PID=""
[ "$(sql 'SELECT COUNT(*) FROM sessions WHERE ended_at IS NULL')" = 0 ] ||
  fail "a session stays open after the close: $(sql 'SELECT * FROM sessions')"
[ "$(sql 'PRAGMA integrity_check')" = ok ] || fail "the history is damaged"
echo "$killed passed, 0 failed"
