#!/bin/bash
# The page with a bound control of every kind and the value, string and status dialogs, on a virtual
# X display: takes a screenshot of each and checks that the page's labels are drawn with glyphs
# (tests/e2e/glyphs.awk).
# Usage: screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/ui_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && exec wine "$build/tests/wintest_ui.exe" \
  --gtest_filter=CtrlPageLayoutTest.EveryLabelFitsInsideItsControl >"$work/wine.log" 2>&1) &
runner=$!

shoot 0 'コントロール一覧' page.png
shoot 1 'お待ちください' status.png
shoot 2 'データ数' value.png
shoot 3 '変数名の入力' string.png
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the layout test failed"; }

counts=$(convert "$work/page.png" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
  -compress none pgm:- | awk -v min_shapes=40 -f "$here/../../e2e/glyphs.awk")
glyphs=$?
echo "page.png: text lines, ink segments, distinct shapes: $counts"
[ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/page.png)"
echo "screenshots in $work"
