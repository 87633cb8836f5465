#!/usr/bin/env bash
# Checks that Firefox imports what `tarvola-bookmarks export` writes: a small
# collection with Chinese names goes in through import, out through export,
# into a fresh headless Firefox profile, and back out of its places.sqlite.
# Not part of scripts/test.sh: firefox-esr is a large download.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages cmake ninja-build g++ pkg-config libgtest-dev libxml2-dev firefox-esr sqlite3

build=$root/build/firefox-check
cmake -S "$root" -B "$build" -G Ninja -DTARVOLA_BUILD_UI=OFF -DTARVOLA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tarvola-bookmarks
program=$build/src/bookmarks/tarvola-bookmarks

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvola-firefox.XXXXXX")
firefox_pid=
cleanup() {
  [[ -n $firefox_pid ]] && kill "$firefox_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/data" "$work/profile"

cat >"$work/in.html" <<'HTML'
<!DOCTYPE NETSCAPE-Bookmark-file-1>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<DL><p>
    <DT><H3>新闻</H3>
    <DL><p>
        <DT><A HREF="https://news.example.cn/?a=1&amp;b=2">人民 &amp; 日报</A>
        <DT><A HREF="http://www.example.com/">示例 &lt;网站&gt;</A>
    </DL><p>
    <DT><H3>学习/编程</H3>
    <DL><p>
        <DT><A HREF="ftp://ftp.example.org/pub/">文件站</A>
    </DL><p>
    <DT><H3>空的分类</H3>
    <DL><p>
    </DL><p>
</DL><p>
HTML
"$program" --data-dir "$work/data" import "$work/in.html"
"$program" --data-dir "$work/data" export "$work/exported.html"

cat >"$work/profile/user.js" <<JS
user_pref("browser.places.importBookmarksHTML", true);
user_pref("browser.bookmarks.file", "$work/exported.html");
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
JS

links_query="SELECT f.title || '|' || b.title || '|' || p.url FROM moz_bookmarks b
  JOIN moz_places p ON p.id = b.fk JOIN moz_bookmarks f ON f.id = b.parent
  WHERE b.type = 1 AND p.url NOT LIKE 'place:%' ORDER BY f.id, b.position;"
folders_query="SELECT title FROM moz_bookmarks WHERE type = 2 AND title IN ('新闻', '学习/编程', '空的分类') ORDER BY id;"
expected_links='新闻|人民 & 日报|https://news.example.cn/?a=1&b=2
新闻|示例 <网站>|http://www.example.com/
学习/编程|文件站|ftp://ftp.example.org/pub/'
expected_folders='新闻
学习/编程
空的分类'

# Firefox holds places.sqlite locked while it runs: poll a copy, read the file itself after it quit.
read_links() { sqlite3 "$1" "$links_query" 2>/dev/null || true; }
echo "Starting a headless Firefox (a cold start can take over a minute)"
firefox-esr --headless --profile "$work/profile" --no-remote about:blank >"$work/firefox.log" 2>&1 &
firefox_pid=$!
for _ in $(seq 1 120); do
  sleep 5
  [[ -f $work/profile/places.sqlite ]] || continue
  cp "$work/profile/places.sqlite" "$work/copy.sqlite"
  [[ -f $work/profile/places.sqlite-wal ]] && cp "$work/profile/places.sqlite-wal" "$work/copy.sqlite-wal"
  [[ $(read_links "$work/copy.sqlite") == "$expected_links" ]] && break
done
kill "$firefox_pid" 2>/dev/null || true
wait "$firefox_pid" 2>/dev/null || true
firefox_pid=

links=$(read_links "$work/profile/places.sqlite")
folders=$(sqlite3 "$work/profile/places.sqlite" "$folders_query")
if [[ $links == "$expected_links" && $folders == "$expected_folders" ]]; then
  echo "Firefox imported every folder and link exactly."
  exit 0
fi
echo "Firefox's bookmarks differ. Links:" >&2
echo "$links" >&2
echo "Folders:" >&2
echo "$folders" >&2
exit 1
