#!/usr/bin/env bash
# The whole program and its whole suite built for 64-bit Windows
# (scripts/build-windows.sh) and run under Wine, GUI tests on Qt's offscreen
# platform. TARVOLA_WINDOWS_BUILD_DIR puts the build elsewhere than build/windows.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages wine64 wine
"$root/scripts/build-windows.sh"
build=${TARVOLA_WINDOWS_BUILD_DIR:-$root/build/windows}

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
