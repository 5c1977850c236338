# Shared steps of the end-to-end tests: a private X server, the program in it, pictures of it.
set -euo pipefail
export ASAN_OPTIONS=detect_leaks=0
export SDL_AUDIODRIVER=dummy

E2E_TMP=$(mktemp -d)
XVFB_PID=""
APP_PID=""

cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb on the first free display number from 60 on.
start_x() {
  local n
  for n in $(seq 60 99); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  fail "no X server could be started"
}

# Waits until a window whose name matches $1 is mapped; prints its id.
wait_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

screenshot() { import -window root "$1"; }

# The colour of one pixel of a picture as "r,g,b".
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# The number of different colours in a region WxH+X+Y of a picture.
colours_in() { convert "$1" -crop "$2" +repage -format %k info:; }

# Starts the program "$2" (a path) in the folder "$1" with its output in $E2E_TMP/out,
# and waits until its window is on the screen.
start_app() {
  (cd "$1" && exec "$2") >"$E2E_TMP/out" 2>&1 &
  APP_PID=$!
  for _ in $(seq 100); do
    [ -n "$(xdotool search --onlyvisible --class tresolo 2>/dev/null || true)" ] && return 0
    kill -0 "$APP_PID" 2>/dev/null || { cat "$E2E_TMP/out"; fail "the program ended early"; }
    sleep 0.1
  done
  fail "no window appeared"
}
