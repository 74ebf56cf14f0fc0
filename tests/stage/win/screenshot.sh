#!/bin/bash
# The stage editor window on the factory project's sheets with a small painted stage, on a virtual
# X display: takes a screenshot and checks that the menu bar's Japanese texts are drawn with glyphs
# (tests/e2e/glyphs.awk). Usage: screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/stage_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && exec wine "$build/tests/wintest_stage.exe" \
  --gtest_filter=StageWndTest.PaintedStageOnTheFactorySheets >"$work/wine.log" 2>&1) &
runner=$!

shoot 0 '^ヴォンタリス  data' window.png
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the test behind the picture failed"; }

# The menu bar: a light strip of Japanese texts right below the caption.
counts=$(convert "$work/window.png" -crop 480x20+4+22 +repage -bordercolor '#F0F0F0' -border 10 -colorspace Gray \
  -depth 8 -compress none pgm:- | awk -v min_shapes=12 -f "$here/../../e2e/glyphs.awk")
glyphs=$?
echo "menu bar: text lines, ink segments, distinct shapes: $counts"
[ $glyphs -eq 0 ] || fail "the menu's texts are not drawn with glyphs (see $work/window.png)"
echo "screenshot in $work/window.png"
