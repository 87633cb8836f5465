#!/usr/bin/env bash
# The Windows release proves itself: its checksums hold, and unpacked into an
# empty folder whose path has Chinese characters and a blank, the program
# creates its data beside itself and the bookmark program imports and exports
# there, both importing only Windows' own DLLs. Runs inside the Wine of
# scripts/test-windows.sh.
# Usage: windows_archive_test.sh RELEASE_FOLDER VERSION
set -euo pipefail
release=$1
version=$2
fail() { echo "windows_archive_test: $*" >&2; exit 1; }

(cd "$release" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"
grep -q " Tarvola-$version-win64.zip\$" "$release/SHA256SUMS" || fail "SHA256SUMS lacks the zip"

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvola-archive.XXXXXX")
trap 'rm -rf "$work"' EXIT
unpacked="$work/发布 测试"
mkdir "$unpacked"
unzip -q "$release/Tarvola-$version-win64.zip" -d "$unpacked"
[[ $(ls "$unpacked") == "Tarvola-$version" ]] || fail "the zip holds more than the folder Tarvola-$version"
folder=$unpacked/Tarvola-$version
[[ $(head -c 3 "$folder/使用说明.txt") == $'\xef\xbb\xbf' ]] || fail "the notes have no byte-order mark"
grep -q "Tarvola $version" "$folder/使用说明.txt" || fail "the notes don't name version $version"

# Every licence text of what is linked in, with words that only it holds, and
# what the notices call it by.
legal=$folder/许可证与声明
notices=$legal/说明.txt
[[ -s $notices ]] || fail "the notices are missing"
while IFS='|' read -r text words name; do
  [[ -s $legal/$text ]] || fail "the licence text $text is missing or empty"
  grep -qF "$words" "$legal/$text" || fail "$text lacks \"$words\""
  grep -qwF "$name" "$notices" || fail "the notices don't name $name"
done <<'LICENCES'
Tarvola-GPL-3.0.txt|GNU GENERAL PUBLIC LICENSE|Tarvola-GPL-3.0.txt
Qt/LGPL-3.0-only.txt|GNU LESSER GENERAL PUBLIC LICENSE|LGPL-3.0-only.txt
Qt/GPL-3.0-only.txt|GNU GENERAL PUBLIC LICENSE|GPL-3.0-only.txt
Qt/third-party.txt|qt_attribution.json|third-party.txt
libxml2/Copyright.txt|Daniel Veillard|libxml2
libxml2/debian-copyright.txt|Upstream-Name: libxml2|libxml2
MinGW-w64/copyright.txt|mingw-w64-crt|MinGW-w64
MinGW-w64/copyright.txt|winpthreads|winpthreads
GCC/copyright.txt|GCC RUNTIME LIBRARY EXCEPTION|GCC Runtime Library Exception
LICENCES
# Each text that Qt's index of third-party code names, and each part of the folder in the notices.
third_party=$(grep -o 'third-party/[^, ]*\.txt' "$legal/Qt/third-party.txt") || fail "Qt's index names no licence text"
for text in $third_party; do
  [[ -s $legal/Qt/$text ]] || fail "Qt's $text is missing or empty"
done
for part in "$legal"/*; do
  [[ $part == "$notices" ]] || grep -qF "${part##*/}" "$notices" || fail "the notices don't name ${part##*/}"
done

# Only DLLs that Windows itself has: every import is in a fresh system folder
# or an API set, which Windows' loader resolves, and none is a compiler's runtime.
for exe in tarvola.exe tarvola-bookmarks.exe; do
  dlls=$(x86_64-w64-mingw32-objdump -p "$folder/$exe" | sed -n 's/^\s*DLL Name: //p') || fail "objdump can't read $exe"
  # Every Windows program imports KERNEL32.dll: without it the listing went wrong, and so would every check below.
  grep -qix 'kernel32\.dll' <<<"$dlls" || fail "no import of KERNEL32.dll listed for $exe"
  while read -r dll; do
    [[ ${dll,,} == api-ms-win-* || -n $(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll") ]] ||
      fail "$exe imports $dll, which Windows lacks"
    [[ ! ${dll,,} =~ ^(lib|qt|msvcp|vcruntime|msvcr[0-9]) ]] || fail "$exe imports the runtime $dll"
  done <<<"$dlls"
done

wine "$folder/tarvola.exe" >/dev/null 2>&1 &
program=$!
timeout 30 bash -c 'until [[ -f $1 ]]; do sleep 0.1; done' _ "$folder/wwww.dat" ||
  fail "tarvola.exe made no wwww.dat beside itself"

printf '%s\n' '<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">' \
  '<DL><p><DT><H3>新闻</H3><DL><p><DT><A HREF="http://www.xinhuanet.com/">新华网</A></DL><p></DL><p>' >"$unpacked/书签.html"
wine "$folder/tarvola-bookmarks.exe" import "$unpacked/书签.html" >"$work/import.txt" 2>&1 ||
  fail "import failed: $(cat "$work/import.txt")"
wine "$folder/tarvola-bookmarks.exe" export "$unpacked/导出.html" >"$work/export.txt" 2>&1 ||
  fail "export failed: $(cat "$work/export.txt")"
kill "$program"
[[ -f $folder/0.dat ]] || fail "the import wrote nothing beside the program"
grep -q '<H3>新闻</H3>' "$unpacked/导出.html" && grep -q 'HREF="http://www.xinhuanet.com/">新华网<' "$unpacked/导出.html" ||
  fail "the export lacks what was imported"
echo "windows_archive_test: passed"
