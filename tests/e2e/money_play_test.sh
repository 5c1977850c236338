#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A player's two visits, with real clicks and keys on the real windows.
# First visit, at real speed: types a name, deposits 5 euros, plays a manual game and then
# automatic games, pays out. Second visit, on a clock running twenty times as fast so that a
# win comes within a minute: takes the remembered name, deposits 50 euros, plays automatic
# games until a win ladder waits for its stop, answers it with the space bar, quits with
# Escape. Both visits leave a debt log beside the player and the cash box in the store.
source "$(dirname "$0")/lib.sh"
app="$1"
# The sanitizer runtime must come first unless told that the clock library may precede it.
export ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
command -v faketime >/dev/null || fail "faketime is missing (Debian package faketime)"

start_x
run="$E2E_TMP/run"
mkdir -p "$run"
cp "$app" "$run/tresolo"
export XDG_CONFIG_HOME="$E2E_TMP/config"
store="$XDG_CONFIG_HOME/tresolo/registry.ini"
player="Jürgen"

# Answers every message box with Enter until the program has ended.
answer_until_end() {
  local end=$((SECONDS + DEADLINE)) w
  while kill -0 "$APP_PID" 2>/dev/null; do
    [ "$SECONDS" -lt "$end" ] || fail "the program does not end"
    for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Form1 ] && continue
      xdotool windowfocus --sync "$w" key Return 2>/dev/null || true
    done
    sleep 0.3
  done
  wait "$APP_PID" || { local code=$?; cat "$E2E_TMP/out" >&2; fail "exit code $code"; }
  APP_PID=""
}

stored_cash_box() {  # KA as cents; the store writes a blank or a comma before the cents
  local ka
  ka=$(sed -n 's/^KA="\(.*\)"$/\1/p' "$store")
  [[ "$ka" =~ ^(-?)([0-9]+)[\ ,]([0-9]{2})$ ]] || fail "no cash box in the store: $(cat "$store")"
  echo "${BASH_REMATCH[1]}$((10#${BASH_REMATCH[2]} * 100 + 10#${BASH_REMATCH[3]}))"
}

the_log() {  # the only debt log not seen before
  local f
  f=$(comm -13 <(sort "$E2E_TMP/seen") <(cd "$run" && ls -1 -- "$player "*.txt 2>/dev/null | sort))
  [ "$(wc -l <<<"$f")" -eq 1 ] && [ -n "$f" ] || fail "expected one new debt log, found: '$f'"
  echo "$f" >>"$E2E_TMP/seen"
  [[ "$f" =~ ^"$player "[0-9]{2}_[0-9]{2}_[0-9]{4}\ [0-9]{2}_[0-9]{2}_[0-9]{2}\.txt$ ]] ||
    fail "debt log name: $f"
  echo "$run/$f"
}

cents() {  # "12,30" -> 1230
  [[ "$1" =~ ^([0-9]+),([0-9]{2})$ ]] || fail "not an amount: $1"
  echo $((10#${BASH_REMATCH[1]} * 100 + 10#${BASH_REMATCH[2]}))
}

log_amount() {  # file ending -> amount in cents
  local line
  line=$(tr -d '\r' <"$1")
  [[ "$line" =~ ^"$player hat am "[0-9]{2}\.[0-9]{2}\.[0-9]{4}\ [0-9]{2}:[0-9]{2}:[0-9]{2}\ ([0-9]+,[0-9]{2})" Euro $2 beim Tresolo gemacht!"$ ]] ||
    return 1
  cents "${BASH_REMATCH[1]}"
}

: >"$E2E_TMP/seen"

# ---- First visit: name, deposit, a manual game, automatic games, payout ----
start_app "$run" ./tresolo
W=$(main_window)
credit0=$(crop_sum "$CREDIT")
click_in "$W" $MENU_BTN
N=$(window_named '^Spielername-Eingabe$')
xdotool type --delay 40 "$player"
xdotool key Return
window_gone '^Spielername-Eingabe$'
M=$(window_named '^Tresolo Version 2.5$')
click_in "$M" $AUTO_START        # manual play
click_in "$M" $NOTE_5
window_gone '^Tresolo Version 2.5$'
wait_change "$CREDIT" "$credit0" "the deposit never reached the credit"
sleep 3
reels=$(crop_sum "$REELS")
sleep 2.5
[ "$(crop_sum "$REELS")" = "$reels" ] || fail "a game started by itself in manual mode"
credit5=$(crop_sum "$CREDIT")
xdotool key Return               # the focused start button
wait_change "$REELS" "$reels" "Enter did not start a game" 5
wait_change "$CREDIT" "$credit5" "the stake was not taken" 5

# Automatic start again; one press starts a run of games that needs no further keys.
M=$(open_menu)
click_in "$M" $AUTO_START
click_in "$M" $OK_BTN
window_gone '^Tresolo Version 2.5$'
xdotool key Return
seen_credits=1
last=$(crop_sum "$CREDIT")
end=$((SECONDS + 40))
while [ "$seen_credits" -lt 3 ]; do
  [ "$SECONDS" -lt "$end" ] || fail "automatic games did not follow each other"
  now=$(crop_sum "$CREDIT")
  if [ "$now" != "$last" ]; then seen_credits=$((seen_credits + 1)); last=$now; fi
  sleep 0.2
done

M=$(open_menu)
click_in "$M" $PAYOUT_BTN
answer_until_end
log=$(the_log)
ka1=$(stored_cash_box)
if owed=$(log_amount "$log" "Schulden"); then
  [ "$ka1" -eq "$owed" ] || fail "cash box $ka1 cents, but the log says $owed cents owed"
  [ "$owed" -gt 0 ] && [ "$owed" -lt 500 ] || fail "owed $owed cents after three games"
elif won=$(log_amount "$log" "Guthaben"); then
  [ "$ka1" -eq "$((-won))" ] || fail "cash box $ka1 cents, but the log says $won cents won"
else
  fail "debt log: $(cat "$log")"
fi
grep -qx "SpielerName=$player" "$run/Tresolo.ini" || fail "name not stored: $(cat "$run/Tresolo.ini")"

# ---- Second visit: remembered name, 50 euros, automatic games until a ladder waits ----
launch_app "$run" faketime -m -f "+0 x20" ./tresolo
wait_app_window
W=$(main_window)
click_in "$W" $MENU_BTN
N=$(window_named '^Spielername-Eingabe$')
click_in "$N" $TAKE_NAME
click_in "$N" $NAME_OK
window_gone '^Spielername-Eingabe$'
M=$(window_named '^Tresolo Version 2.5$')
click_in "$M" $AUTO_START        # manual again: the space bar starts each game at once
click_in "$M" $NOTE_50
window_gone '^Tresolo Version 2.5$'
left=$(crop_sum "$LEFT_STOP")
right=$(crop_sum "$RIGHT_STOP")
# The space bar stops the reels; a ladder waiting for its stop highlights its stop button.
answered=""
end=$((SECONDS + 100))
until [ -n "$answered" ]; do
  [ "$SECONDS" -lt "$end" ] || fail "no win ladder in 100 s of games"
  kill -0 "$APP_PID" 2>/dev/null || { cat "$E2E_TMP/out"; fail "the program ended while playing"; }
  if [ "$(crop_sum "$LEFT_STOP")" != "$left" ]; then answered=left
  elif [ "$(crop_sum "$RIGHT_STOP")" != "$right" ]; then answered=right
  fi
  xdotool key space
  sleep 0.05
done
echo "answered the $answered ladder after $((SECONDS + 100 - end)) s of play"
sleep 1
xdotool key Escape
answer_until_end
log=$(the_log)
owed=$(log_amount "$log" "Schulden") || fail "debt log after Escape: $(cat "$log")"
[ "$owed" -eq 5000 ] || fail "the log names $owed cents, not the 50,00 deposited"
ka2=$(stored_cash_box)
[ "$ka2" -eq "$((ka1 + 5000))" ] || fail "cash box $ka2 cents after $ka1 and a deposit of 5000"
echo "1 passed, 0 failed"
