#!/bin/bash
# The character data sheet's four pages and the element editors' dialogs, the command dialogs of
# the flow of commands, and the block and item data sheets with the item effect command chooser
# on the factory project, on a virtual X display:
# the layout test holds each window on screen and announces it with a file "shot-N.ready"; each
# is photographed then and checked for labels drawn with glyphs (tests/e2e/glyphs.awk).
# Usage: screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/editors_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && exec wine "$build/tests/wintest_editors.exe" \
  --gtest_filter=LayoutWndTest.EveryLabelFitsInsideItsControl:LayoutWndTest.CommandDialogsOnTheFactoryProject:LayoutWndTest.BlockAndItemSheetsOnTheFactoryProject \
  >"$work/wine.log" 2>&1) &
runner=$!

shoot 0 '^キャラデータ$' page1.png
shoot 1 '^キャラデータ$' page2.png
shoot 2 '^キャラデータ$' page3.png
shoot 3 '^キャラデータ$' page4.png
shoot 4 '^条件$' cond_chooser.png
shoot 5 '^ステータス条件$' cond_status.png
shoot 6 '^距離条件$' cond_distance.png
shoot 7 '^コマンド$' command_chooser.png
shoot 8 '^キー条件$' key_condition.png
shoot 9 '^グラフィック$' picker.png
shoot 10 '^キャラのグループ情報$' group_window.png
shoot 11 '^直線移動$' move_straight.png
shoot 12 '^コードの実行$' code.png
shoot 13 '^ウエイト$' wait.png
shoot 14 '^向き変更$' turn.png
shoot 15 '^ジャンプ$' jump.png
shoot 16 '^フローの操作$' flow_operation.png
shoot 17 '^フローの変更$' item_flow_change.png
shoot 18 '^メッセージ$' message.png
shoot 19 '^アレンジ$' arrange.png
shoot 20 '^ループ$' loop.png
shoot 30 '^ブロックデータ$' block_sheet.png
shoot 31 '^アイテムデータ$' item_page1.png
shoot 32 '^アイテムデータ$' item_effects.png
shoot 33 '^コマンド$' item_command_chooser.png
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the layout test failed"; }

for shot in page1 page2 page3 page4 cond_chooser cond_status cond_distance command_chooser key_condition group_window \
  move_straight code wait turn jump flow_operation item_flow_change message arrange loop \
  block_sheet item_page1 item_effects item_command_chooser; do
  counts=$(convert "$work/$shot.png" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
    -compress none pgm:- | awk -v min_shapes=12 -f "$here/../../e2e/glyphs.awk")
  glyphs=$?
  echo "$shot.png: text lines, ink segments, distinct shapes: $counts"
  [ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/$shot.png)"
done
echo "screenshots in $work"
