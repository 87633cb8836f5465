#!/usr/bin/env bash
# The core and its tests built for 64-bit Windows with MinGW-w64 and run under
# Wine, so that the Windows branches of the core run on every test run.
# TARVOLA_WINDOWS_BUILD_DIR puts the build elsewhere than build/windows.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

# The posix compilers: the win32 thread model of GCC 12 has no std::thread.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 wine googletest)
install_packages "${windows_packages[@]}"

libxml2_prefix=$("$root/scripts/windows-libxml2.sh")

build=${TARVOLA_WINDOWS_BUILD_DIR:-$root/build/windows}
echo "== $build"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DTARVOLA_WINDOWS_PREFIXES="$libxml2_prefix" \
  -DCMAKE_BUILD_TYPE=Debug -DTARVOLA_BUILD_UI=OFF -DTARVOLA_WERROR=ON >/dev/null
cmake --build "$build"

# A Wine of its own for this run: prefix and temporary files, no display.
wine_home=$(mktemp -d "${TMPDIR:-/tmp}/tarvola-wine.XXXXXX")
export WINEPREFIX=$wine_home/prefix
export TMPDIR=$wine_home/tmp
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Without a UTF-8 locale Wine can't create non-ASCII file names.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$WINEPREFIX" "$TMPDIR"

stop_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$wine_home"
}
trap stop_wine EXIT

# Server and prefix up before ctest: started by the first test instead, Wine's
# helpers keep ctest's output pipe open and every test waits on them.
wineserver -p
if ! wine wineboot --init >"$wine_home/wineboot.log" 2>&1; then
  cat "$wine_home/wineboot.log" >&2
  exit 1
fi

ctest --test-dir "$build" --output-on-failure --timeout 120 -j "$(nproc)"
