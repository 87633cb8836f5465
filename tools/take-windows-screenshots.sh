#!/usr/bin/env bash
# Takes screenshots of the Windows program under Wine on a virtual display, at
# 96, 120 and 144 dpi (100 %, 125 %, 150 %), with a small sample collection:
# docs/windows-main-window-<dpi>dpi.png and docs/windows-instructions-window-<dpi>dpi.png.
# Builds the Windows program first (scripts/build-windows.sh).
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"

install_packages wine64 wine locales xvfb xauth xdotool imagemagick fonts-noto-cjk
"$root/scripts/build-windows.sh" >/dev/null
build=${TARVOLA_WINDOWS_BUILD_DIR:-$root/build/windows}

work=$(mktemp -d)
# A Chinese Windows, as the program's users have: Wine takes the locale of its
# first start (code page 936, Chinese fonts in the captions).
localedef -i zh_CN -f UTF-8 "$work/zh_CN.UTF-8"
chinese=(LOCPATH="$work" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$WINEPREFIX" "$work/Tarvola"
cp "$build/tarvola.exe" "$work/Tarvola/"

source "$(dirname "$0")/lib/sample-collection.sh"
write_sample_collection "$work/Tarvola"

env "${chinese[@]}" xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  work=$1 docs=$2
  wine wineboot --init >/dev/null 2>&1
  # No window manager: Wine draws the frames and captions itself, as Windows does.
  wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Decorated /t REG_SZ /d N /f >/dev/null
  for dpi in 96 120 144; do
    wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null
    wine "$work/Tarvola/tarvola.exe" >/dev/null 2>&1 &
    main=$(xdotool search --sync --onlyvisible --name "^Tarvola\$" | head -n 1)
    sleep 2
    # The first category, then the second website: the caption shows its address.
    xdotool windowfocus --sync "$main" key Down
    sleep 0.5
    xdotool key Tab Down Down
    sleep 0.5
    import -window "$main" "$docs/windows-main-window-${dpi}dpi.png"
    # The right button over the categories; the last menu item opens the instructions.
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --window "$main" $((WIDTH / 5)) $((HEIGHT * 3 / 5)) click 3
    sleep 0.5
    xdotool key Up Return
    instructions=$(xdotool search --sync --onlyvisible --name "使用说明" | head -n 1)
    sleep 1
    import -window "$instructions" "$docs/windows-instructions-window-${dpi}dpi.png"
    wineserver -k
    wineserver -w
  done
' _ "$work" "$root/docs"
echo "Wrote docs/windows-main-window-{96,120,144}dpi.png and docs/windows-instructions-window-{96,120,144}dpi.png"
