#!/usr/bin/env bash
# The whole program and its whole suite built for 64-bit Windows
# (scripts/build-windows.sh) and run under Wine, GUI tests on Qt's offscreen
# platform, the look on Qt's Windows platform; then the release archive
# (scripts/package-windows.sh) unpacked and run. TARVOLA_WINDOWS_BUILD_DIR
# puts the build elsewhere than build/windows.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages wine64 wine unzip
"$root/scripts/build-windows.sh"
build=${TARVOLA_WINDOWS_BUILD_DIR:-$root/build/windows}

# A Wine of its own for this run: prefix and temporary files.
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

set_registry() {
  wine reg add "$@" /f >>"$wine_home/wineboot.log" 2>&1 || { cat "$wine_home/wineboot.log" >&2; exit 1; }
}
# Windows without a display, for what runs on Qt's Windows platform: the
# program itself, started by the tests and from the release, and the look test.
# Wine takes its display driver when its server starts: start it again.
set_registry 'HKCU\Software\Wine\Drivers' /v Graphics /d null
wineserver -k
wineserver -w
wineserver -p
# A computer named in Chinese: host names that aren't ASCII have tripped
# stale-lock checks on Windows. The tests check that the name took. The active
# name lasts as long as the server.
for key in ComputerName ActiveComputerName; do
  set_registry "HKLM\\System\\CurrentControlSet\\Control\\ComputerName\\$key" /v ComputerName /d 测试电脑
done

ctest --test-dir "$build" --output-on-failure --timeout 120 -j "$(nproc)"

"$root/scripts/package-windows.sh"
"$root/tests/release/windows_archive_test.sh" "$root/build/release" \
  "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
