#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Closed by the desktop or ended by SIGTERM while the reels spin, while a win ladder runs and
# while a payout asks its question, the real program ends at once with exit code 0 and keeps
# the player's name and the cash box. Prints how long each end took.
source "$(dirname "$0")/lib.sh"
app="$1"
# The sanitizer runtime must come first unless told that the clock library may precede it.
export ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
# The clock library itself, not the faketime command, so that a signal reaches the program.
faster_clock=$(find /usr/lib -name libfaketimeMT.so.1 -print -quit)
[ -n "$faster_clock" ] || fail "libfaketimeMT is missing (Debian package faketime)"
cc -o "$E2E_TMP/close_request" "$(dirname "$0")/close_request.c" -lX11 || fail "close_request did not build"

start_x
run="$E2E_TMP/run"
export XDG_CONFIG_HOME="$E2E_TMP/config"
store="$XDG_CONFIG_HOME/tresolo/registry.ini"
passed=0

# Eva with 12,50 and a 50-euro note put in.
visit() { visit_as_eva "$@"; deposit_note_50; }

# Asks the program to end by "$1" (close or term) and expects it gone with exit code 0 and
# the cash box "$3" and Eva saved; "$2" names the moment.
end_and_check() {
  local how="$1" moment="$2" cash="$3" start code=0
  start=$(date +%s%N)
  case "$how" in
    close) "$E2E_TMP/close_request" "$W" ;;
    term) kill -TERM "$APP_PID" ;;
  esac
  timeout 10 tail --pid="$APP_PID" -s 0.01 -f /dev/null || fail "$how during $moment: the program did not end"
  local ms=$((($(date +%s%N) - start) / 1000000))
  wait "$APP_PID" || code=$?
  APP_PID=""
  [ "$code" -eq 0 ] || { cat "$E2E_TMP/out"; fail "$how during $moment: exit code $code"; }
  grep -qx "KA=\"$cash\"" "$store" || fail "$how during $moment: cash box: $(cat "$store")"
  grep -qx 'SpielerName=Eva' "$run/Tresolo.ini" || fail "$how during $moment: player: $(cat "$run/Tresolo.ini")"
  echo "$how during $moment: ended after $ms ms, saved KA=\"$cash\" and SpielerName=Eva"
  passed=$((passed + 1))
}

for how in close term; do
  visit
  reels=$(crop_sum "$REELS")
  xdotool key Return  # the focused start button
  wait_change "$REELS" "$reels" "Enter did not start a game" 5
  end_and_check "$how" "a spin" "62 50"

  visit env LD_PRELOAD="$faster_clock" FAKETIME="+0 x20"
  # About one game in twenty starts a ladder; a loaded machine plays few games a second.
  play_until_a_ladder_runs 300 || fail "no win ladder in 300 s of games"
  end_and_check "$how" "a ladder" "62 50"

  visit
  menu=$(open_menu)
  click_in "$menu" $PAYOUT_BTN
  window_named '^Information$' >/dev/null
  end_and_check "$how" "a payout" "12 50"  # the whole credit has left the box
done
echo "$passed passed, 0 failed"
