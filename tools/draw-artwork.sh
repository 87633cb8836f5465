#!/usr/bin/env bash
# Draws the program's artwork into resources/: the main window's background,
# the instructions picture (each for 100 % and for 200 % screens), the
# snowflake icon (PNG sizes and the .ico), and writes the Qt resource file and the Windows resource script that carry them.
# The output is committed; re-run this only to change the artwork.
#
# Needs ImageMagick 6 (`convert`) and the Noto Sans CJK SC font (Debian:
# imagemagick, fonts-noto-cjk).
set -euo pipefail
export LC_ALL=C.UTF-8        # awk and convert read and write "1.5", not "1,5"

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/resources"
mkdir -p "$out"

# Fonts by name, so the SC face is picked out of the .ttc collections.
font_regular="Noto-Sans-CJK-SC"
font_bold="Noto-Sans-CJK-SC-Bold"
fonts=$(convert -list font)   # read whole: grep -q ending early fails the pipe
for f in "$font_regular" "$font_bold"; do
    if ! grep -q "Font: $f\$" <<<"$fonts"; then
        echo "draw-artwork: font $f not found (install fonts-noto-cjk)" >&2
        exit 1
    fi
done

# Keep files byte-stable across runs: no timestamps or other metadata.
strip_png=(-strip -define 'png:exclude-chunks=date,time')
# 4:4:4 keeps white text on blue free of colour fringes.
jpeg=(-strip -type TrueColor -quality 92 -sampling-factor 1x1 -interlace none)
# The pictures are drawn for a 120-dpi screen, and again at twice the size for
# screens above 100 %; the files say so.
dpi() { echo -units PixelsPerInch -density $((120 * $1)); }

# Every number of a geometry times the scale: "line 20,35 141,35" at 2 is
# "line 40,70 282,70".
at() {
    awk -v k="$1" '{
        out = ""
        while (match($0, /[0-9]+(\.[0-9]+)?/)) {
            out = out substr($0, 1, RSTART - 1) (substr($0, RSTART, RLENGTH) * k)
            $0 = substr($0, RSTART + RLENGTH)
        }
        print out $0
    }' <<<"$2"
}

# --- Main window background, 390 x 257 ------------------------------------
# The lists sit at (20,40) 121x199 and (150,40) 221x199; the headings are
# centred over them in the band above.
draw_background() {
    local k=$1
    convert -size "$(at "$k" 390x257)" gradient:'#3A7BD5-#1C4C9A' \
        -fill 'rgba(255,255,255,0.06)' -stroke none \
        -draw "$(at "$k" 'roundrectangle 9,5 380,248 10,10')" \
        -fill 'rgba(0,20,60,0.35)' \
        -draw "$(at "$k" 'rectangle 21,41 142,240')" \
        -draw "$(at "$k" 'rectangle 151,41 372,240')" \
        -fill none -stroke '#DCEBFF' -strokewidth $((2 * k)) \
        -draw "$(at "$k" 'roundrectangle 8,4 381,249 10,10')" \
        -stroke '#A9C8F0' -strokewidth "$k" \
        -draw "$(at "$k" 'line 20,35 141,35')" \
        -draw "$(at "$k" 'line 150,35 371,35')" \
        -stroke none -font "$font_bold" -pointsize $((15 * k)) -gravity North \
        -fill 'rgba(0,25,70,0.55)' \
        -annotate "$(at "$k" -114+11)" '网站类别' -annotate "$(at "$k" +66+11)" '精品网站' \
        -fill white \
        -annotate "$(at "$k" -115+10)" '网站类别' -annotate "$(at "$k" +65+10)" '精品网站' \
        "${jpeg[@]}" $(dpi "$k") "$2"
}
draw_background 1 "$out/background.jpg"
draw_background 2 "$out/background@2x.jpg"

# --- Instructions picture, 390 x 315 --------------------------------------
# The text is resources/instructions.txt, which the program also hands to
# screen readers: the title, the body, and the date at the bottom right. In the
# body a step's number stands before "|" and its text wraps with a hanging
# indent; an empty line is a little air between steps, or a whole blank line
# before a line without a number.
text_x=30                  # left edge of the text on the card
line_h=20                  # line pitch of body text
indent=15                  # width of "1. " at the body size
mapfile -t text_lines <"$out/instructions.txt"
title="${text_lines[0]}"
date="${text_lines[-1]}"
body_lines=("${text_lines[@]:1:${#text_lines[@]}-2}")
draw_instructions() {
    local k=$1 body=() y=60 i entry next num rest
    for i in "${!body_lines[@]}"; do
        entry="${body_lines[i]}"
        if [[ -z "$entry" ]]; then
            next="${body_lines[i + 1]:-}"
            if [[ "$next" == *"|"* ]]; then y=$((y + 8)); else y=$((y + line_h)); fi
            continue
        fi
        if [[ "$entry" != *"|"* ]]; then
            body+=(-annotate "$(at "$k" "+${text_x}+${y}")" "$entry")
        else
            num="${entry%%|*}"
            rest="${entry#*|}"
            [[ -n "$num" ]] && body+=(-annotate "$(at "$k" "+${text_x}+${y}")" "$num")
            body+=(-annotate "$(at "$k" "+$((text_x + indent))+${y}")" "$rest")
        fi
        y=$((y + line_h))
    done

    convert -size "$(at "$k" 390x315)" gradient:'#CFCFCF-#A8A8A8' \
        -fill 'rgba(0,0,0,0.18)' -stroke none \
        -draw "$(at "$k" 'roundrectangle 14,14 380,306 12,12')" \
        -fill white -stroke '#8C8C8C' -strokewidth "$k" \
        -draw "$(at "$k" 'roundrectangle 12,11 377,303 12,12')" \
        -stroke '#D8D8D8' -draw "$(at "$k" 'line 30,47 359,47')" \
        -stroke none -fill black \
        -font "$font_bold" -pointsize $((16 * k)) -gravity North \
        -annotate "$(at "$k" +0+18)" "$title" \
        -font "$font_regular" -pointsize $((13 * k)) -gravity NorthWest \
        "${body[@]}" \
        -gravity SouthEast -annotate "$(at "$k" +31+20)" "$date" \
        "${jpeg[@]}" $(dpi "$k") "$2"
}
draw_instructions 1 "$out/instructions.jpg"
draw_instructions 2 "$out/instructions@2x.jpg"

# --- Icon: a snowflake, 32 x 32 and 16 x 16 ---------------------------------
# Drawn 8x larger and shrunk by averaging, then the alpha is cut to on/off:
# a 16-colour icon holds only a 1-bit mask, so the edges must be hard.
#
# snowflake SIZE CENTRE ARM ARM_W CORE_W CORE_LEN BRANCH_AT BRANCH_LEN
#           BRANCH_ANGLE HUB OUTLINE  (lengths in final pixels)
snowflake() {
    local size=$1 centre=$2 arm=$3 arm_w=$4 core_w=$5 core_len=$6
    local at=$7 blen=$8 bangle=$9 hub=${10} outline=${11}
    local k=8
    geometry() {
        awk -v k=$k -v c="$centre" -v r="$arm" -v at="$at" -v bl="$blen" \
            -v ba="$bangle" -v cl="$core_len" -v hub="$hub" -v what="$1" 'BEGIN {
            pi = atan2(0, -1); c *= k
            if (what == "hub") printf "polygon"
            for (i = 0; i < 6; i++) {
                a = -pi / 2 + i * pi / 3
                if (what == "arms") {
                    printf "line %.1f,%.1f %.1f,%.1f\n", c, c, c + r*k*cos(a), c + r*k*sin(a)
                    bx = c + at*k*cos(a); by = c + at*k*sin(a)
                    for (s = -1; s <= 1; s += 2) {
                        b = a + s * ba * pi / 180
                        printf "line %.1f,%.1f %.1f,%.1f\n", bx, by, bx + bl*k*cos(b), by + bl*k*sin(b)
                    }
                } else if (what == "core") {
                    printf "line %.1f,%.1f %.1f,%.1f\n", c, c, c + cl*k*cos(a), c + cl*k*sin(a)
                } else {
                    printf " %.1f,%.1f", c + hub*k*cos(a), c + hub*k*sin(a)
                }
            }
        }'
    }
    local big=$((size * k))
    local draw=(-size "${big}x${big}" xc:none -draw 'stroke-linecap round'
        -fill none -stroke '#00C8FF' -strokewidth "$(awk -v w="$arm_w" -v k=$k 'BEGIN { print w * k }')"
        -draw "$(geometry arms)")
    if [[ "$core_len" != 0 ]]; then
        draw+=(-stroke white -strokewidth "$(awk -v w="$core_w" -v k=$k 'BEGIN { print w * k }')"
            -draw "$(geometry core)")
    fi
    draw+=(-fill white -stroke none -draw "$(geometry hub)"
        -filter box -resize "${size}x${size}" -channel A -threshold 45% +channel)
    if [[ "$outline" == yes ]]; then
        # A dark cyan rim one pixel wide, so the flake holds on light title bars.
        convert "${draw[@]}" \( +clone -alpha extract -morphology Dilate Diamond:1 \
            -background '#0078B4' -alpha shape \) +swap -composite png:-
    else
        convert "${draw[@]}" png:-
    fi
}

# 32: centred on the pixel grid's middle line, two-pixel arms with a white
# core and a rim. 16: centred on a pixel, one-pixel arms, no room for a rim.
snowflake 32 16 14 1.8 0.9 12 7 4 40 3 yes |
    convert png:- "${strip_png[@]}" "PNG32:$out/icon-32.png"
snowflake 16 7.5 7 1 0 0 4 2.6 45 1.6 no |
    convert png:- "${strip_png[@]}" "PNG32:$out/icon-16.png"

convert "$out/icon-32.png" "$out/icon-16.png" -colors 16 "$out/tarvola.ico"

# --- Resource files ---------------------------------------------------------
cat >"$out/tarvola.rc" <<'EOF'
#pragma code_page(65001)

IDI_ICON1 ICON "tarvola.ico"
EOF

cat >"$out/resources.qrc" <<'EOF'
<!DOCTYPE RCC>
<RCC version="1.0">
    <qresource prefix="/">
        <file alias="background.jpg">background.jpg</file>
        <file alias="instructions.jpg">instructions.jpg</file>
        <file alias="background@2x.jpg">background@2x.jpg</file>
        <file alias="instructions@2x.jpg">instructions@2x.jpg</file>
        <file alias="icon-32.png">icon-32.png</file>
        <file alias="icon-16.png">icon-16.png</file>
        <file alias="instructions.txt">instructions.txt</file>
    </qresource>
</RCC>
EOF

echo "draw-artwork: wrote background.jpg instructions.jpg and their @2x drawings, icon-32.png icon-16.png tarvola.ico tarvola.rc resources.qrc in $out"
