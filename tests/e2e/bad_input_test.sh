#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display or without any font the program says why on stderr and fails.
source "$(dirname "$0")/lib.sh"
app="$1"
cd "$E2E_TMP"
export XDG_CONFIG_HOME="$E2E_TMP/config"

# No display at all, and a display whose X server is not running: after a short wait for
# a server that may be starting, the program ends with its message instead of running on
# without a window.
no_display() {
  local code=0
  timeout 20 env -u SDL_VIDEODRIVER -u WAYLAND_DISPLAY "$@" "$app" >out 2>err || code=$?
  [ "$code" -ne 124 ] || fail "$*: still running after 20 s"
  [ "$code" -eq 1 ] || fail "$*: exit code $code"
  grep -q "Anzeige" err || fail "$*: no clear message: $(cat err)"
}
no_display -u DISPLAY
no_display DISPLAY=":$(free_display)"

start_x
cat > empty-fonts.conf <<XML
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$E2E_TMP/no-fonts</dir><cachedir>$E2E_TMP/cache</cachedir></fontconfig>
XML
set +e
FONTCONFIG_FILE="$E2E_TMP/empty-fonts.conf" "$app" >out 2>err
code=$?
set -e
[ "$code" -ne 0 ] || fail "no fonts: exit code 0"
grep -q "Schrift" err || fail "no fonts: no clear message: $(cat err)"
echo "3 passed, 0 failed"
