#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a virtual display,
# with a small sample collection: docs/main-window.png, docs/instructions-window.png
# and docs/bookmarks-window.png.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"

install_packages "${build_packages[@]}" xvfb xauth xdotool imagemagick openbox
configure_and_build build/release -DCMAKE_BUILD_TYPE=Release -DTARVOLA_BUILD_TESTS=OFF

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/build/release/tarvola" "$root/build/release/src/bookmarks/tarvola-bookmarks" "$work/"

source "$(dirname "$0")/lib/sample-collection.sh"
write_sample_collection "$work"
write_search_sample "$work"

xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  set -euo pipefail
  openbox >/dev/null 2>&1 &
  sleep 1
  "$1/tarvola" >/dev/null 2>&1 &
  program=$!
  main=$(xdotool search --sync --onlyvisible --name "^Tarvola$" | head -n 1)
  sleep 1
  # First category, then the second website: the caption shows its address.
  xdotool mousemove --window "$main" 40 48 click 1
  sleep 0.5
  xdotool mousemove --window "$main" 190 66 click 1
  sleep 0.5
  import -frame -window "$main" "$2/main-window.png"
  # Right-click the categories; the last menu item opens the instructions.
  xdotool mousemove --window "$main" 60 150 click 3
  sleep 0.5
  xdotool key Up Return
  instructions=$(xdotool search --sync --onlyvisible --name "使用说明" | head -n 1)
  sleep 1
  import -frame -window "$instructions" "$2/instructions-window.png"
  kill "$program"
  # The companion window, finding by pinyin as it is typed.
  "$1/tarvola-bookmarks" >/dev/null 2>&1 &
  program=$!
  companion=$(xdotool search --sync --onlyvisible --name "^Tarvola 书签" | head -n 1)
  sleep 1
  xdotool type --delay 150 "xin"
  sleep 1
  import -frame -window "$companion" "$2/bookmarks-window.png"
  kill "$program"
' _ "$work" "$root/docs"
echo "Wrote docs/main-window.png, docs/instructions-window.png and docs/bookmarks-window.png"
