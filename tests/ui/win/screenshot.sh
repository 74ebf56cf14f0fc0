#!/bin/bash
# The page with a bound control of every kind, on a virtual X display: takes a screenshot of it and
# checks that its Japanese labels are drawn with glyphs (tests/e2e/glyphs.awk).
# Usage: screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/ui_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "no virtual display"
export DISPLAY=:$(cat "$work/display")

"$wine_tools/prefix-setup.sh" "$build/wine" || fail "wine prefix"
VX_WINE_DISPLAY=$DISPLAY source "$wine_tools/wine-env.sh" "$build/wine"
# The graphics driver is chosen per server session (see tests/e2e/screenshot.sh).
wineserver -k 2>/dev/null; wineserver -w
(cd "$work" && VX_SCREENSHOT_HOLD_MS=4000 exec wine "$build/tests/wintest_ui.exe" \
  --gtest_filter=CtrlPageLayoutTest.EveryLabelFitsInsideItsControl >"$work/wine.log" 2>&1) &
runner=$!

window=""
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name 'コントロール一覧' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.05
done
[ -n "$window" ] || { cat "$work/wine.log"; fail "the page did not appear"; }
sleep 0.5  # its controls are painted after it is mapped
import -window "$window" "$work/page.png"
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the layout test failed"; }

counts=$(convert "$work/page.png" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
  -compress none pgm:- | awk -v min_shapes=40 -f "$here/../../e2e/glyphs.awk")
glyphs=$?
echo "page.png: text lines, ink segments, distinct shapes: $counts"
[ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/page.png)"
echo "screenshot in $work/page.png"
