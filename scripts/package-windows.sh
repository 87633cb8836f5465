#!/usr/bin/env bash
# Makes the Windows release in build/release: Tarvola-<version>-win64.zip, the
# source it is built from as Tarvola-<version>-source.tar.gz, and SHA256SUMS of
# both. The zip holds one folder, Tarvola-<version>/: both executables, the
# notes for users in Chinese and a folder of every licence text and notice.
# The version is the CMake project's. TARVOLA_WINDOWS_BUILD_DIR as for
# scripts/build-windows.sh.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages cmake git tar gzip
"$root/scripts/build-windows.sh"
build=${TARVOLA_WINDOWS_BUILD_DIR:-$root/build/windows}
notices=$("$root/scripts/windows-notices.sh")

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=Tarvola-$version
release=$root/build/release
stage=$(mktemp -d "${TMPDIR:-/tmp}/tarvola-release.XXXXXX")
trap 'rm -rf "$stage"' EXIT
folder=$stage/$name
legal=$folder/许可证与声明
mkdir -p "$legal" "$release"

cp "$build/tarvola.exe" "$build/src/bookmarks/tarvola-bookmarks.exe" "$folder/"
cp -r "$notices/Qt" "$notices/libxml2" "$notices/MinGW-w64" "$notices/GCC" "$legal/"
cp "$root/LICENSE" "$legal/Tarvola-GPL-3.0.txt"

# The source as built: the files git tracks, as they are in the working tree.
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  commit="commit $(git -C "$root" describe --always --dirty)"
  git -C "$root" ls-files -z | tar -C "$root" --null -T - --transform "s,^,$name-source/," -czf "$stage/source.tar.gz"
else
  commit="source $name"
  tar -C "$root" --exclude=./build --transform "s,^\.,$name-source," -czf "$stage/source.tar.gz" .
fi

version_of() { sed -n "s/^$1 //p" "$notices/versions.txt"; }
qt_version=$(version_of qt6-base)
fill() {
  sed -e "s|@VERSION@|$version|g" -e "s|@COMMIT@|$commit|g" -e "s|@SOURCE_ARCHIVE@|$name-source.tar.gz|g" \
    -e "s|@QT_VERSION@|$qt_version|g" -e "s|@QT_VERSION_IN_URL@|${qt_version//+/%2B}|g" \
    -e "s|@LIBXML2_VERSION@|$(version_of libxml2)|g" -e "s|@MINGW_VERSION@|$(version_of mingw-w64)|g" \
    -e "s|@UNIHAN_VERSION@|$(dpkg-query -W -f='${Version}' unicode-data)|g" "$1"
}
# Notes in the user's language: UTF-8 with a byte-order mark, which every Notepad reads.
{ printf '\xef\xbb\xbf'; fill "$root/packaging/windows/user-notes.txt"; } >"$folder/使用说明.txt"
{ printf '\xef\xbb\xbf'; fill "$root/packaging/windows/notices.txt"; } >"$legal/说明.txt"
# Windows line ends, for the Notepad of every Windows.
find "$folder" -name '*.txt' -exec sed -i 's/\r*$/\r/' {} +

zip=$name-win64.zip
rm -f "$release/$zip" "$release/$name-source.tar.gz" "$release/SHA256SUMS"
# CMake's zip marks the names as UTF-8, so Windows shows the Chinese ones as they are.
(cd "$stage" && cmake -E tar cf "$release/$zip" --format=zip "$name")
mv "$stage/source.tar.gz" "$release/$name-source.tar.gz"
(cd "$release" && sha256sum "$zip" "$name-source.tar.gz" >SHA256SUMS)

echo "Windows release in $release:"
(cd "$release" && ls -l "$zip" "$name-source.tar.gz" SHA256SUMS)
