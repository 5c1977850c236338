#!/usr/bin/env bash
# Without a display or without any font the program says why on stderr and fails.
source "$(dirname "$0")/lib.sh"
app="$1"
cd "$E2E_TMP"
export XDG_CONFIG_HOME="$E2E_TMP/config"

set +e
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 "$app" >out 2>err
code=$?
set -e
[ "$code" -ne 0 ] || fail "no display: exit code 0"
grep -q "Anzeige" err || fail "no display: no clear message: $(cat err)"

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
echo "2 passed, 0 failed"
