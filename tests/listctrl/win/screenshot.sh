#!/bin/bash
# The list test page on a virtual X display: a screenshot of the page with its rows and marks, one
# of the screen with the popup menu open, and a check that the page's texts are drawn with glyphs
# (tests/e2e/glyphs.awk). Usage: screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/listctrl_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && exec wine "$build/tests/wintest_listctrl.exe" \
  --gtest_filter=ListWinTest.ThePageShowsItsRowsMarksAndPopupMenu >"$work/wine.log" 2>&1) &
runner=$!

shoot 0 '^リストの試験$' page.png  # after the clicks on the rows
shoot 1 '' menu.png  # the popup menu open
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the page test failed"; }

counts=$(convert "$work/page.png" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
  -compress none pgm:- | awk -v min_shapes=40 -f "$here/../../e2e/glyphs.awk")
glyphs=$?
echo "page.png: text lines, ink segments, distinct shapes: $counts"
[ $glyphs -eq 0 ] || fail "the rows are not drawn with glyphs (see $work/page.png)"
echo "screenshots in $work"
