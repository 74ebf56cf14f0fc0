#!/bin/bash
# The stage settings sheet's three pages and the background dialog on a virtual X display: the
# layout test holds each window on screen and announces it with a file "shot-N.ready"; each is
# photographed then and checked for labels drawn with glyphs (tests/e2e/glyphs.awk).
# Usage: screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/stage_settings_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && exec wine "$build/tests/wintest_stage.exe" \
  --gtest_filter=BackgroundDialogTest.EveryLabelFitsInsideItsControl >"$work/wine.log" 2>&1) &
runner=$!

shoot 0 'ステージの設定' basic.png
shoot 1 'ステージの設定' advanced.png
shoot 2 'ステージの設定' advanced2.png
shoot 3 '背景' background.png
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the layout test failed"; }

for shot in basic advanced advanced2 background; do
  counts=$(convert "$work/$shot.png" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
    -compress none pgm:- | awk -v min_shapes=40 -f "$here/../../e2e/glyphs.awk")
  glyphs=$?
  echo "$shot.png: text lines, ink segments, distinct shapes: $counts"
  [ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/$shot.png)"
done
echo "screenshots in $work"
