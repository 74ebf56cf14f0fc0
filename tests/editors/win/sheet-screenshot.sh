#!/bin/bash
# The block data sheet, the item data sheet's two pages and the item effect command chooser over
# entries of the factory project, on a virtual X display: the layout test holds each window on
# screen and announces it with a file "shot-N.ready"; each is photographed then and checked for
# labels drawn with glyphs (tests/e2e/glyphs.awk). Usage: sheet-screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/editors_sheet_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && VX_SCREENSHOT_HOLD_MS=2500 exec wine "$build/tests/wintest_editors.exe" \
  --gtest_filter=LayoutWndTest.BlockAndItemSheetsOnTheFactoryProject >"$work/wine.log" 2>&1) &
runner=$!

# shoot N TITLE FILE: waits until window N is announced, then takes the picture of that title.
shoot() {
  local ready=""
  for _ in $(seq 300); do
    ready=$(find "$work" -name "shot-$1.ready" 2>/dev/null | head -n 1)
    [ -n "$ready" ] && break
    sleep 0.05
  done
  [ -n "$ready" ] || { cat "$work/wine.log"; fail "window $1 was not announced"; }
  local window
  window=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1)
  [ -n "$window" ] || fail "the window $2 is not on screen"
  sleep 0.5  # its controls are painted after it is shown
  import -window "$window" "$work/$3"
}
shoot 30 '^ブロックデータ$' block_sheet.png
shoot 31 '^アイテムデータ$' item_page1.png
shoot 32 '^アイテムデータ$' item_effects.png
shoot 33 '^コマンド$' item_command_chooser.png
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the layout test failed"; }

for shot in block_sheet item_page1 item_effects item_command_chooser; do
  counts=$(convert "$work/$shot.png" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
    -compress none pgm:- | awk -v min_shapes=12 -f "$here/../../e2e/glyphs.awk")
  glyphs=$?
  echo "$shot.png: text lines, ink segments, distinct shapes: $counts"
  [ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/$shot.png)"
done
echo "screenshots in $work"
