#!/bin/bash
# The editor draws its Japanese texts with a Japanese font: starts it on the factory project on a
# virtual X display of its own, takes a screenshot of the working window and checks that the text
# area holds glyphs (glyphs.awk). The same check must refuse renderings with a font that lacks the
# glyphs, or it would prove nothing. Usage: screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../tools/wine
work=$build/testwork/e2e_screenshot
rm -rf "$work"
mkdir -p "$work/run"
cp -r "$build/project/bmp" "$build/project/e_bmp" "$work/run/"
cp -r "$build/project/default" "$work/run/data"

fail() { echo "FAILED: $*"; exit 1; }

# glyphs IMAGE: dark text on a light ground; the image's edge (6 pixels) is left out.
glyphs() {
  local counts
  counts=$(convert "$1" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 -compress none pgm:- |
    awk -f "$here/glyphs.awk")
  local rc=$?
  echo "$(basename "$1"): text lines, ink segments, distinct shapes: $counts"
  return $rc
}

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work/run" && exec wine "$build/tests/VontarisQuick.exe" >"$work/wine.log" 2>&1) &

window=""
for _ in $(seq 300); do
  for id in $(xdotool search --onlyvisible --name 'ヴォンタリス' 2>/dev/null); do
    # The hidden main frame bears the same title far outside the screen.
    x=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Position: \([-0-9]*\),.*/\1/p')
    [ -n "$x" ] && [ "$x" -ge 0 ] && [ "$x" -lt 1024 ] && window=$id
  done
  [ -n "$window" ] && break
  sleep 0.05
done
[ -n "$window" ] || { cat "$work/wine.log"; fail "the working window did not appear"; }
# The stage editor's menu bar, right below its caption: its texts are painted after the window is
# mapped, so it is taken again until they show (ten seconds at most).
for _ in $(seq 40); do
  import -window "$window" "$work/window.png"
  convert "$work/window.png" -crop 480x20+4+22 +repage "$work/menubar.png"
  glyphs "$work/menubar.png" >/dev/null && break
  sleep 0.25
done
import -window root "$work/screen.png"
wineserver -k; wineserver -w

glyphs "$work/menubar.png" || fail "the working window's menu is not drawn with glyphs (see $work/window.png)"
text="ファイル(F) 編集(E) 表示(V) ステージ(S) プロジェクト(P) 実行(R) その他(O)"
# The renderings to compare with get a margin as wide as the window's frame.
convert -background '#F0F0F0' -fill black -font /usr/share/wine/fonts/tahoma.ttf -pointsize 12 label:"$text" \
  -bordercolor '#F0F0F0' -border 6 "$work/no-glyphs.png"
glyphs "$work/no-glyphs.png" && fail "the check passes a font without Japanese glyphs"
convert -size 600x32 xc:'#F0F0F0' -fill none -stroke black \
  -draw "$(for i in $(seq 0 35); do printf 'rectangle %d,10 %d,22 ' $((8 + i * 16)) $((19 + i * 16)); done)" "$work/boxes.png"
glyphs "$work/boxes.png" && fail "the check passes a row of missing-glyph boxes"
convert -background '#F0F0F0' -fill black -font /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf -pointsize 12 \
  label:"$text" -bordercolor '#F0F0F0' -border 6 "$work/japanese-font.png"
glyphs "$work/japanese-font.png" || fail "the check refuses a Japanese font"
echo "screenshots in $work"
