#!/bin/bash
# The eight pages of the system settings sheet on a virtual X display: the layout test saves a
# picture of the sheet for each page, turned into PNG files here, and the first page's labels are
# checked to be drawn with glyphs (tests/e2e/glyphs.awk).
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
  --gtest_filter=SystemSheetTest.EveryLabelFitsInsideItsControl >"$work/wine.log" 2>&1)
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the layout test failed"; }
for page in 1 2 3 4 5 6 7 8; do
  [ -s "$work/page$page.bmp" ] || fail "no picture of page $page"
  convert "$work/page$page.bmp" "$work/page$page.png" || fail "page $page did not convert"
done
counts=$(convert "$work/page1.png" -colorspace Gray -depth 8 -compress none pgm:- |
  awk -v min_shapes=40 -f "$here/../../e2e/glyphs.awk")
glyphs=$?
echo "page1.png: text lines, ink segments, distinct shapes: $counts"
[ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/page1.png)"
echo "screenshots in $work"
