#!/usr/bin/env bash
# Builds build/windows/tarvola.exe, the whole program for 64-bit Windows as one
# stripped file, and the whole test suite beside it, against a static Qt built
# once per machine (scripts/windows-qt.sh). Warnings are errors.
# TARVOLA_WINDOWS_BUILD_DIR puts the build elsewhere than build/windows.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

# The posix compilers: the win32 thread model of GCC 12 has no std::thread.
# The host's Qt runs moc, rcc and uic; its translations give Qt's Chinese texts.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-translations-l10n googletest)
install_packages "${windows_packages[@]}"
# TARVOLA_WINDOWS_QT: another static Qt for MinGW-w64 to link with, e.g. a changed one.
qt=${TARVOLA_WINDOWS_QT:-$("$root/scripts/windows-qt.sh")}
libxml2=$("$root/scripts/windows-libxml2.sh")

build=${TARVOLA_WINDOWS_BUILD_DIR:-$root/build/windows}
echo "== $build"
# A tree configured with another toolchain (an older Qt, or none) starts afresh.
if [[ -f $build/CMakeCache.txt ]] &&
  ! grep -q "^CMAKE_TOOLCHAIN_FILE:[A-Z]*=$qt/lib/cmake/Qt6/qt.toolchain.cmake\$" "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DTARVOLA_WINDOWS_PREFIXES="$libxml2" \
  -DCMAKE_BUILD_TYPE=Release -DTARVOLA_WERROR=ON >/dev/null
cmake --build "$build"
echo "Windows program: $build/tarvola.exe"
