#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libraries the page links for WebAssembly from Debian's source packages and
# installs them under one prefix in a cache outside the clone. Each library is built once;
# delete its stamp (or the whole cache) to build it again. Prints the prefix.
set -euo pipefail
cache="${TRESOLO_WASM_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tresolo-wasm}"
prefix="$cache/prefix"
src="$cache/src"
mkdir -p "$prefix" "$src" "$cache/build"
export NODE_PATH=/usr/share/nodejs
emulator="/usr/bin/node;--no-experimental-fetch"
jobs="${TRESOLO_WASM_JOBS:-$(nproc)}"

# apt-get source needs deb-src lines; ours mirror the system's own Debian lists.
ensure_deb_src() {
  if ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    local sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $sudo_cmd tee /etc/apt/sources.list.d/tresolo-deb-src.sources >/dev/null
    $sudo_cmd apt-get update -q
  fi
}

# Unpacks Debian's source of package $1 into $src/$1 (without Debian's patches).
fetch() {
  local package="$1"
  [ -d "$src/$package" ] && return
  ensure_deb_src
  local tmp="$src/.fetch-$package"
  rm -rf "$tmp" && mkdir -p "$tmp"
  (cd "$tmp" && apt-get source -q --download-only "$package" >/dev/null)
  local orig
  orig="$(ls "$tmp"/*.orig.tar.* | grep -v -- '-www' | head -n1)"
  mkdir -p "$tmp/unpacked"
  tar -xf "$orig" -C "$tmp/unpacked"
  mv "$tmp/unpacked/"* "$src/$package"
  rm -rf "$tmp"
}

# Configures and builds a CMake project for wasm: $1 name, $2 source, $3 target ("all" for
# everything), rest options. The build folder stays for the caller to take the result from.
cmake_configure_build() {
  local name="$1" dir="$2" target="$3"
  shift 3
  local build="$cache/build/$name"
  rm -rf "$build"
  emcmake cmake -S "$dir" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" -DBUILD_SHARED_LIBS=OFF "$@" >"$build.log" 2>&1 ||
    { tail -n 30 "$build.log"; exit 1; }
  cmake --build "$build" -j"$jobs" --target "$target" >>"$build.log" 2>&1 || { tail -n 30 "$build.log"; exit 1; }
}

# Configures, builds and installs a whole CMake project for wasm: $1 name, $2 source, rest options.
cmake_build() {
  local name="$1" dir="$2"
  shift 2
  cmake_configure_build "$name" "$dir" all "$@"
  cmake --install "$cache/build/$name" >>"$cache/build/$name.log" 2>&1
  rm -rf "$cache/build/$name"
}

built() { [ -f "$prefix/.$1.stamp" ]; }

# --fetch: only download the sources still needed (no compiler work), e.g. beside another build.
if [ "${1:-}" = "--fetch" ]; then
  built freetype || fetch freetype
  built libjpeg-turbo || fetch libjpeg-turbo
  built sqlite || fetch sqlite3
  exit 0
fi
mark() { touch "$prefix/.$1.stamp"; }

if ! built freetype; then
  fetch freetype
  cmake_build freetype "$src/freetype" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
    -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
  mark freetype
fi

if ! built libjpeg-turbo; then
  fetch libjpeg-turbo
  # The library alone: its tools and tests take longer to link than the library to build.
  cmake_configure_build libjpeg-turbo "$src/libjpeg-turbo" jpeg-static -DWITH_SIMD=OFF \
    -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$cache/build/libjpeg-turbo/libjpeg.a" "$prefix/lib/"
  cp "$cache/build/libjpeg-turbo/jconfig.h" "$src/libjpeg-turbo/"{jpeglib.h,jmorecfg.h,jerror.h} "$prefix/include/"
  rm -rf "$cache/build/libjpeg-turbo"
  mark libjpeg-turbo
fi

if ! built sqlite; then
  # The amalgamation: one C file made from Debian's source tree (needs tclsh).
  fetch sqlite3
  build="$cache/build/sqlite"
  rm -rf "$build" && mkdir -p "$build"
  (cd "$build" && "$src/sqlite3/configure" >/dev/null && make sqlite3.c >/dev/null)
  emcc -O2 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_THREADSAFE=0 -c "$build/sqlite3.c" -o "$build/sqlite3.o"
  mkdir -p "$prefix/lib" "$prefix/include"
  emar rcs "$prefix/lib/libsqlite3.a" "$build/sqlite3.o"
  cp "$build/sqlite3.h" "$prefix/include/"
  rm -rf "$build"
  mark sqlite
fi

if ! built googletest; then
  cmake_build googletest /usr/src/googletest -Dgtest_disable_pthreads=ON
  mark googletest
fi

echo "$prefix"
