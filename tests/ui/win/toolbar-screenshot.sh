#!/bin/bash
# Shows the framework's tool window on a virtual X display with the cursor resting on a toolbar
# button, and takes a screenshot of it with its tooltip: a picture to look at, not a test.
# Usage: toolbar-screenshot.sh BUILD_DIR [OUT.png]
set -u
build=$(cd "$1" && pwd)
out=${2:-$build/testwork/toolbar-screenshot.png}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/toolbar-screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 640x480
(cd "$work" && exec wine "$build/tests/wintest_ui.exe" \
  --gtest_filter=ToolbarTest.RestingTheCursorOnAButtonShowsItsTooltip >"$work/wine.log" 2>&1) &
test=$!

shoot 0 '' toolbar.png  # the cursor resting on a button, its tooltip shown
cp "$work/toolbar.png" "$out"
wait $test
rc=$?
wineserver -k; wineserver -w
tail -3 "$work/wine.log"
[ $rc -eq 0 ] || fail "the test failed"
echo "screenshot: $out"
