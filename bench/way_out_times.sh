#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long the real program takes to end, from the request to the end of its process, for
# every way out and at every moment a player can reach by hand, and what it saved.
# Usage: bench/way_out_times.sh PROGRAM   (its own Xvfb; prints one line per run)
source "$(dirname "$0")/../tests/e2e/lib.sh"
app="$(realpath "$1")"
cc -o "$E2E_TMP/close_request" "$(dirname "$0")/../tests/e2e/close_request.c" -lX11
faster_clock=$(find /usr/lib -name libfaketimeMT.so.1 -print -quit)
run="$E2E_TMP/run"
export XDG_CONFIG_HOME="$E2E_TMP/config"
store="$XDG_CONFIG_HOME/tresolo/registry.ini"
start_x

# Eva, 12,50 in the cash box, manual play; the menu stays open (see tests/e2e/lib.sh).
visit() { visit_as_eva "$@"; }
deposit() { deposit_note_50; }

# The moments: each leaves the program in its sequence.
moment_attract() { deposit; sleep 7; }  # the idle tick comes every 5 s; the show lasts 12,8 s
moment_spin() {
  deposit
  local reels
  reels=$(crop_sum "$REELS")
  xdotool key Return
  wait_change "$REELS" "$reels" "no game" 5
}
moment_deposit() {
  local menu
  menu=$(window_named '^Tresolo Version 2.5$')
  xdotool mousemove --window "$menu" $NOTE_50 click 1
  sleep 0.4
}
moment_question() { deposit; xdotool windowfocus --sync "$W" key Escape; window_named '^Best' >/dev/null; }
moment_payout() {
  deposit
  local menu
  menu=$(open_menu)
  click_in "$menu" $PAYOUT_BTN
  window_named '^Information$' >/dev/null
}
# Wins are drawn: on a busy machine a ladder may not come within 200 s.
moment_ladder() { deposit; play_until_a_ladder_runs 200; }

# Sends the request "$1", waits for the end and prints the time and what was saved.
request_and_report() {
  local how="$1" what="$2" start code=0
  start=$(date +%s%N)
  case "$how" in
    close) "$E2E_TMP/close_request" "$W" ;;
    TERM | HUP | INT) kill -"$how" "$APP_PID" ;;
    display-lost) kill "$XVFB_PID" ;;
    *) $how ;;
  esac
  timeout 20 tail --pid="$APP_PID" -s 0.005 -f /dev/null || fail "$how during $what: no end"
  local ms=$((($(date +%s%N) - start) / 1000000))
  wait "$APP_PID" || code=$?
  APP_PID=""
  printf '%-14s %-22s %6d ms  exit %d  %s  %s\n' "$how" "$what" "$ms" "$code" \
    "$(grep '^KA=' "$store")" "$(grep '^SpielerName=' "$run/Tresolo.ini")"
}

# The program's own ways out, from the player's last answer.
answer_yes() { xdotool windowfocus --sync "$(window_named '^Best')" key j; }
menu_quit() {
  local menu
  menu=$(open_menu)
  click_in "$menu" 508 398  # "Programm beenden"
  window_named '^Best' >/dev/null
}
payout_ok() { xdotool windowfocus --sync "$(window_named '^Information$')" key Return; }

for how in close TERM HUP INT; do
  for m in attract spin deposit question payout; do
    visit
    "moment_$m"
    request_and_report "$how" "$m"
  done
  visit env LD_PRELOAD="$faster_clock" FAKETIME="+0 x20"
  if moment_ladder; then
    request_and_report "$how" "ladder (clock x20)"
  else
    echo "$how: no ladder came within 200 s"
    request_and_report "$how" "games (clock x20)"
  fi
done
visit; deposit; xdotool windowfocus --sync "$W" key Escape; window_named '^Best' >/dev/null
request_and_report answer_yes "Escape, Ja"
visit; deposit; menu_quit
request_and_report answer_yes "menu quit, Ja"
visit; moment_payout
request_and_report payout_ok "payout end (OK)"
visit; deposit
request_and_report display-lost "idle"
