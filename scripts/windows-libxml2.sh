#!/usr/bin/env bash
# A static libxml2 for MinGW-w64, built from Debian's libxml2 source package
# (the host's version) and kept under ~/.cache/tarvola/, keyed by version,
# compiler and options. Prints the prefix to use; builds it when it is missing.
# Only the HTML parser and what it needs: no iconv (Debian has no win-iconv),
# zlib, lzma, ICU, Python, HTTP or FTP.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages dpkg-dev cmake ninja-build g++-mingw-w64-x86-64-posix libxml2-dev

options=(
  -DBUILD_SHARED_LIBS=OFF -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_ICU=OFF -DLIBXML2_WITH_ZLIB=OFF
  -DLIBXML2_WITH_LZMA=OFF -DLIBXML2_WITH_PYTHON=OFF -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF
  -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_TESTS=OFF -DLIBXML2_WITH_MODULES=OFF -DLIBXML2_WITH_CATALOG=OFF
  -DLIBXML2_WITH_SCHEMAS=OFF -DLIBXML2_WITH_SCHEMATRON=OFF -DLIBXML2_WITH_XINCLUDE=OFF -DLIBXML2_WITH_XPTR=OFF
  -DLIBXML2_WITH_C14N=OFF -DLIBXML2_WITH_LEGACY=OFF -DLIBXML2_WITH_DEBUG=OFF -DLIBXML2_WITH_THREADS=ON
)
version=$(dpkg-query -W -f='${Version}' libxml2-dev)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpversion)
compiler=${compiler%-posix}
options_hash=$(printf '%s\n' "${options[@]}" | sha256sum | cut -c1-12)
key="libxml2-${version//[^A-Za-z0-9.]/_}-mingw-gcc${compiler}-posix-$options_hash"
prefix="$HOME/.cache/tarvola/$key"

if [[ -f $prefix/.complete ]]; then
  echo "$prefix"
  exit 0
fi
echo "No cached libxml2 for Windows at $prefix: building it from Debian's source package." >&2

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvola-libxml2.XXXXXX")
trap 'rm -rf "$work"' EXIT

fetch_debian_source libxml2 "$version" "$work"
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'libxml2-*' | head -1)

toolchain=$work/toolchain.cmake
printf '%s' "$mingw_toolchain_text" >"$toolchain"

rm -rf "$prefix"
cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >&2
nice -n 5 cmake --build "$work/build" -j2 >&2
cmake --install "$work/build" >&2
touch "$prefix/.complete"
echo "$prefix"
