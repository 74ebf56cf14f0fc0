#!/bin/bash
# The world map window on the factory pictures with a few events, its two palettes and its two
# dialogs, on a virtual X display: the look test holds each on screen and announces it with a file
# "shot-N.ready"; each is photographed then and checked for texts drawn with glyphs
# (tests/e2e/glyphs.awk). Usage: worldmap-screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$build/testwork/worldmap_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$here/../../../tools/wine/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && exec wine "$build/tests/wintest_project.exe" \
  --gtest_filter=WorldMapWndTest.FactoryWorldMapWithEvents >"$work/wine.log" 2>&1) &
runner=$!

shoot 0 '^ワールドマップ$' window.png '^マップチップパレット$' chips.png
shoot 1 '^イベントパレット$' events.png
shoot 2 '^イベント$' event.png
shoot 3 '^ワールドマップの設定$' settings.png
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the look test failed"; }

check() {  # check FILE MIN_SHAPES
  local counts glyphs
  counts=$(convert "$work/$1" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
    -compress none pgm:- | awk -v min_shapes="$2" -f "$here/../../e2e/glyphs.awk")
  glyphs=$?
  echo "$1: text lines, ink segments, distinct shapes: $counts"
  [ $glyphs -eq 0 ] || fail "the texts are not drawn with glyphs (see $work/$1)"
}
check events.png 20
check event.png 40
check settings.png 20
echo "screenshots in $work"
