#!/usr/bin/env bash
# Builds Tarvola and starts it. Without a display it starts it on a virtual
# one instead, saves a screenshot and says where.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

headless=false
[[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]] && headless=true
if $headless; then
  install_packages "${build_packages[@]}" xvfb xauth imagemagick
else
  install_packages "${build_packages[@]}"
fi

configure_and_build build/release -DCMAKE_BUILD_TYPE=Release -DTARVOLA_BUILD_TESTS=OFF
program=$root/build/release/tarvola

if ! $headless; then
  exec "$program"
fi

echo "No display found: starting Tarvola on a virtual display."
screenshot=$root/build/screenshot.png
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  "$1" & program=$!
  sleep 3
  import -window root "$2"
  kill "$program"
' _ "$program" "$screenshot"
echo "Screenshot of the window: $screenshot"
