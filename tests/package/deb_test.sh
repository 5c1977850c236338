#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The .deb as a player gets it: its control data and file list, the desktop entry and the
# metainfo validated, and the program of the desktop entry, unpacked into a scratch
# folder and started in "/" as a desktop may start it, shows its window, finds its help,
# takes a deposit and a quit, and leaves its files in the player's XDG folders only. Lintian
# finds no error and no warning, and the program is hardened and stripped.
# Skipped (77) without the packaging tools.
set -euo pipefail
build="$1"
# "sanitized" for the sanitizers' build, which cannot be hardened: its package is checked for
# everything else, and the optimised build's flags are checked from its configuration.
kind="${2:-hardened}"
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian desktop-file-validate appstreamcli Xvfb xdotool identify; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
source "$(dirname "$0")/../e2e/lib.sh"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$E2E_TMP/pkg" >"$E2E_TMP/cpack.log" 2>&1 ||
  { cat "$E2E_TMP/cpack.log"; fail "cpack failed"; }
deb=$(ls "$E2E_TMP"/pkg/tresolo_*.deb)

# Lintian: no error, no warning; and none of its notes on a binary built or stripped otherwise
# than Debian builds its packages.
lintian --display-info --fail-on error,warning "$deb" >"$E2E_TMP/lintian.log" 2>&1 ||
  { cat "$E2E_TMP/lintian.log"; fail "lintian"; }
! grep -E '(binary-has-unneeded-section|unstripped-binary-or-object)' "$E2E_TMP/lintian.log" ||
  fail "the program is not stripped"
if [ "$kind" = hardened ]; then
  ! grep -E 'hardening-no-[a-z-]+' "$E2E_TMP/lintian.log" || fail "the program is not hardened"
else
  source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
  cmake -S "$source_dir" -B "$E2E_TMP/release" -DCMAKE_BUILD_TYPE=Release >/dev/null
  flags=$(grep -m1 '"command".*program/main.cpp' "$E2E_TMP/release/compile_commands.json")
  for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fPIE; do
    grep -q -- "$flag" <<<"$flags" || fail "the optimised build lacks $flag"
  done
  grep -q -- '-z,now' "$E2E_TMP/release/CMakeFiles/tresolo.dir/link.txt" || fail "the optimised build lacks -z now"
fi

# Control data: the libraries from dpkg-shlibdeps, the font the program draws with.
depends=$(dpkg-deb -f "$deb" Depends)
for p in libsdl2-2.0-0 libjpeg62-turbo libfreetype6 libfontconfig1 libx11-6 fonts-liberation; do
  grep -q "\b$p\b" <<<"$depends" || fail "Depends lacks $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section)"

expected=$(
  echo ./usr/games/tresolo
  echo ./usr/share/applications/org.example.tresolo.desktop
  echo ./usr/share/doc/tresolo/changelog.Debian.gz
  echo ./usr/share/doc/tresolo/copyright
  echo ./usr/share/games/tresolo/Muenze.WAV
  echo ./usr/share/games/tresolo/Tresolo-Hilfe.pdf
  for n in 16 22 24 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${n}x$n/apps/tresolo.png"; done
  echo ./usr/share/icons/hicolor/scalable/apps/tresolo.svg
  echo ./usr/share/lintian/overrides/tresolo
  echo ./usr/share/man/man6/tresolo.6.gz
  echo ./usr/share/metainfo/org.example.tresolo.metainfo.xml
)
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}')
[ "$(sort <<<"$files")" = "$(sort <<<"$expected")" ] ||
  fail "file list differs: $(diff <(sort <<<"$expected") <(sort <<<"$files") || true)"

root="$E2E_TMP/root"
dpkg -x "$deb" "$root"
entry="$root/usr/share/applications/org.example.tresolo.desktop"
desktop-file-validate "$entry" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.tresolo.metainfo.xml" >"$E2E_TMP/as.log" 2>&1 ||
  { cat "$E2E_TMP/as.log"; fail "metainfo"; }
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"${version%-*}\"" "$root/usr/share/metainfo/org.example.tresolo.metainfo.xml" ||
  fail "the metainfo has no release $version"
zcat "$root/usr/share/doc/tresolo/changelog.Debian.gz" | head -n1 | grep -qF "tresolo ($version)" ||
  fail "the changelog does not begin with $version"
grep -qx 'Categories=Game;' "$entry" || fail "categories: $(grep Categories "$entry")"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$exec_line" = /usr/games/tresolo ] || fail "Exec=$exec_line"
for n in 16 22 24 32 48 64 128 256; do
  size=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${n}x$n/apps/tresolo.png")
  [ "$size" = "${n}x$n" ] || fail "icon ${n}x$n is $size"
done
[ "$(zcat "$root/usr/share/man/man6/tresolo.6.gz" | grep -cE '^\.SH (KEYS|FILES|ENVIRONMENT)$')" = 3 ] ||
  fail "man page sections"

# The player's folders, with documents in a folder of another name that is not there yet.
home="$E2E_TMP/home"
mkdir -p "$home/.config" "$E2E_TMP/bin"
echo 'XDG_DOCUMENTS_DIR="$HOME/Dokumente"' >"$home/.config/user-dirs.dirs"
cat >"$E2E_TMP/bin/xdg-open" <<SH
#!/bin/sh
echo "\$@" >> "$E2E_TMP/opened"
SH
chmod +x "$E2E_TMP/bin/xdg-open"
before=$(find "$root" | sort)

start_x
HOME="$home" XDG_CONFIG_HOME="$home/.config" PATH="$E2E_TMP/bin:$PATH" start_app / "$root$exec_line"

# Clicks at x, y inside a window.
click_in() {
  local X Y WINDOW SCREEN WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

main=$(window_named '^Form1$')
click_in "$main" 202 609  # Hilfe
end=$((SECONDS + DEADLINE))
until [ -s "$E2E_TMP/opened" ] || [ "$SECONDS" -ge "$end" ]; do sleep 0.1; done
[ "$(cat "$E2E_TMP/opened" 2>/dev/null)" = "$root/usr/share/games/tresolo/Tresolo-Hilfe.pdf" ] ||
  fail "help opened as '$(cat "$E2E_TMP/opened" 2>/dev/null)'"

click_in "$main" 616 608  # Menü: the name first
name=$(window_named '^Spielername-Eingabe$')
click_in "$name" 80 146
xdotool type --delay 50 Max
xdotool key Return
menu=$(window_named '^Tresolo Version 2.5$')
click_in "$menu" 523 107  # the 10-euro note
sleep 3
xdotool windowfocus --sync "$main"
xdotool key Escape
box=$(window_named '^Best.+tigung$')  # Bestätigung, whatever the locale
xdotool windowfocus --sync "$box"
xdotool key Return  # Ja
end=$((SECONDS + DEADLINE))
while kill -0 "$APP_PID" 2>/dev/null; do [ "$SECONDS" -lt "$end" ] || fail "still running after Ja"; sleep 0.1; done
wait "$APP_PID" || fail "exit code $?: $(cat "$E2E_TMP/out")"
APP_PID=""

# Its files: the INI file, the store and the lock of the running copy in the XDG config
# folder, the play history in the XDG data folder, the debt log in the documents folder, and
# nothing anywhere else.
written=$(cd "$home" && find . -type f ! -name user-dirs.dirs | LC_ALL=C sort)
log=$(cd "$home" && ls Dokumente)
[ "$written" = "$(printf './.config/tresolo/Tresolo.ini\n./.config/tresolo/registry.ini\n./.config/tresolo/tresolo.lock\n./.local/share/tresolo/Tresolo-Statistik.sqlite\n./Dokumente/%s' "$log")" ] ||
  fail "files written: $written"
[[ "$log" =~ ^Max\ [0-9_]+\ [0-9_]+\.txt$ ]] || fail "debt log name $log"
grep -qx $'Max hat am [0-9.]* [0-9:]* 10,00 Euro Schulden beim Tresolo gemacht!\r' "$home/Dokumente/$log" ||
  fail "debt log: $(cat "$home/Dokumente/$log")"
grep -qx 'SpielerName=Max' "$home/.config/tresolo/Tresolo.ini" || fail "INI: $(cat "$home/.config/tresolo/Tresolo.ini")"
grep -qx 'KA="10 00"' "$home/.config/tresolo/registry.ini" || fail "store: $(cat "$home/.config/tresolo/registry.ini")"
! grep -q InstallPfad "$home/.config/tresolo/registry.ini" || fail "an install recorded its folder"
[ "$(find "$root" | sort)" = "$before" ] || fail "the program wrote into its install"
[ ! -e "/$log" ] && [ ! -e /Tresolo.ini ] || fail "the program wrote into /"
echo "1 passed, 0 failed"
