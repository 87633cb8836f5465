#!/usr/bin/env bash
# A static Qt for 64-bit Windows (MinGW-w64), built once per machine from
# Debian's source of the very Qt that qt6-base-dev is, and cached under
# ~/.cache/tarvola. The cache is keyed by the Qt version, the compiler version
# and the configure options: a change to any of them builds a new one.
# Prints the Qt prefix on standard output; everything else goes to stderr.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

say() { echo "$@" >&2; }

install_packages cmake ninja-build perl dpkg-dev g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools >&2

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
compiler_version=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)

# Only what the program and its tests use: Core, Gui, Widgets, Test, the
# windows and offscreen platforms, the default image plugins.
configure_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_pkg_config=OFF
  # FEATURE_opengl=OFF alone leaves dynamic OpenGL on, which doesn't compile.
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF -DFEATURE_testlib=ON
  # Debian's source tree has no wintab.
  -DFEATURE_tabletevent=OFF
  -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_androiddeployqt=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
)
toolchain_text=$mingw_toolchain_text
options_hash=$(printf '%s\n' "${configure_options[@]}" "$toolchain_text" | sha256sum | cut -c1-12)

cache=${TARVOLA_CACHE_DIR:-$HOME/.cache/tarvola}
prefix=$cache/qt-${qt_version//[^A-Za-z0-9.]/_}-mingw-gcc$compiler_version-$options_hash

if [[ -f $prefix/lib/cmake/Qt6/qt.toolchain.cmake ]]; then
  say "Windows Qt: $prefix"
  echo "$prefix"
  exit 0
fi

say "Windows Qt $qt_version not cached yet: building it once from Debian's source into"
say "  $prefix"
say "This takes about 20-30 minutes on 2 cores (later runs use the cache)."
started=$(date +%s)
mkdir -p "$cache"
work=$(mktemp -d "$cache/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT

say "Fetching the source package qt6-base $qt_version"
fetch_debian_source qt6-base "$qt_version" "$work"
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

printf '%s' "$toolchain_text" >"$work/toolchain.cmake"
say "Configuring"
cmake -S "$source_dir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${configure_options[@]}" >"$work/configure.log" 2>&1 ||
  { tail -n 40 "$work/configure.log" >&2; exit 1; }

say "Building (log: $work/build.log)"
cmake --build "$work/build" -j 2 >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log" >&2; exit 1; }

# Installed beside the cache and renamed into place: a half-done build never
# looks like a cached one.
DESTDIR=$work/stage cmake --install "$work/build" >"$work/install.log" 2>&1 ||
  { tail -n 40 "$work/install.log" >&2; exit 1; }
cp "$work/toolchain.cmake" "$work/stage$prefix/mingw-w64-toolchain.cmake"
rm -rf "$prefix"
mv "$work/stage$prefix" "$prefix"

say "Windows Qt built in $(( ($(date +%s) - started) / 60 )) min: $prefix"
echo "$prefix"
