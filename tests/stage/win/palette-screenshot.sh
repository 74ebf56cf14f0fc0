#!/bin/bash
# The stage editor with its palette windows on the factory project's sheets (the block layer, then
# the character layer), the data move dialog and the new-stage dialog, on a virtual X display. Each
# test holds its windows on screen and announces them with a file "shot-N.ready" (in its scratch
# folder under the work folder); the screen (or the dialog) is photographed then, and the dialogs
# are checked for labels drawn with glyphs (tests/e2e/glyphs.awk). Usage: palette-screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/palette_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768

# run FILTER: starts the test program with one test, holding its windows.
run() {
  find "$work" -name 'shot-*.ready' -delete -o -name 'shot-*.taken' -delete
  (cd "$work" && exec wine "$build/tests/wintest_stage.exe" --gtest_filter="$1" \
    >"$work/wine.log" 2>&1) &
  runner=$!
}
# finish: the test's result.
finish() {
  wait $runner || { cat "$work/wine.log"; fail "the test behind the pictures failed"; }
}

run PaletteWndTest.ThePaletteWindowsOnTheFactorySheets
shoot 2 '' blocks.png
shoot 3 '' characters.png
finish
run PaletteDialogsTest.TheDataMoveDialogsControls
shoot 0 'データの移動' datamove.png
finish
run NewStageWndTest.TheControlsShowTheChoicesOfTheLastUse
shoot 1 'ステージの新規作成' newstage.png
finish
wineserver -k; wineserver -w

for shot in datamove newstage; do
  counts=$(convert "$work/$shot.png" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
    -compress none pgm:- | awk -v min_shapes=12 -f "$here/../../e2e/glyphs.awk")
  glyphs=$?
  echo "$shot.png: text lines, ink segments, distinct shapes: $counts"
  [ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/$shot.png)"
done
echo "screenshots in $work"
