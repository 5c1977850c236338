# SPDX-License-Identifier: GPL-3.0-or-later
# Debian packages the program and its tests need (sourced by scripts/run and scripts/test).
BUILD_PACKAGES=(cmake g++ make pkg-config libsdl2-dev libx11-dev libfreetype-dev libfontconfig-dev
                libjpeg62-turbo-dev libcairo2-dev libpango1.0-dev libsqlite3-dev fonts-liberation xdg-utils)
TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool
               imagemagick faketime poppler-utils dpkg-dev file desktop-file-utils appstream
               lintian sqlite3)
# The libFuzzer targets (scripts/fuzz) need clang and its sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-dev)
# The browser build (scripts/web): emscripten, its optimiser's parser, the tools that make the
# SQLite amalgamation, the browser the page's tests drive and brotli for the page's compressed copies.
WEB_PACKAGES=(emscripten node-acorn nodejs tcl dpkg-dev xz-utils chromium python3 brotli)
