#!/bin/bash
# The project's windows on a virtual X display: the layout tests save a picture of the system
# settings sheet for each of its pages, of both pages of the project options, of the two option
# dialogs and of the bitmap conversion tool, turned into PNG files here; the labels of the first
# page and of the inheritance defaults are checked to be drawn with glyphs (tests/e2e/glyphs.awk).
# Usage: screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$build/testwork/project_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$here/../../../tools/wine/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && VX_SCREENSHOT_DIR="Z:${work//\//\\}" wine "$build/tests/wintest_project.exe" \
  --gtest_filter=*.EveryLabelFitsInsideItsControl >"$work/wine.log" 2>&1)
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the layout test failed"; }
for name in page1 page2 page3 page4 page5 page6 page7 page8 options_general options_inherit stage_options \
    edit_options bitmap_tool; do
  [ -s "$work/$name.bmp" ] || fail "no picture $name"
  convert "$work/$name.bmp" "$work/$name.png" || fail "$name did not convert"
done
for name in page1 options_inherit; do
  counts=$(convert "$work/$name.png" -colorspace Gray -depth 8 -compress none pgm:- |
    awk -v min_shapes=40 -f "$here/../../e2e/glyphs.awk")
  glyphs=$?
  echo "$name.png: text lines, ink segments, distinct shapes: $counts"
  [ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/$name.png)"
done
echo "screenshots in $work"
