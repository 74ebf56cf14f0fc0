#!/bin/bash
# The command dialogs of what a character does, over the factory project on a virtual X display:
# the look test holds each on screen and announces it with a file "shot-N.ready"; each is
# photographed then and checked for labels drawn with glyphs (tests/e2e/glyphs.awk).
# Usage: action-screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/editors_action_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && exec wine "$build/tests/wintest_editors.exe" \
  --gtest_filter=CmdActionWndTest.TheDialogsOnScreenOverTheFactoryProject >"$work/wine.log" 2>&1) &
runner=$!

# In the order of the look test's kinds.
titles=(地上折り返し移動 円移動 突撃移動 誘導移動 画面外回避移動 移動の無効化 ショット ソード ブロック召喚 キャラ召喚
  アイテム召喚 ステータスの操作 ステータスの操作2 ステージクリア ゲームウエイト ワープ ターゲットの設定 消滅)
shots=(move_ground move_circle move_charge move_homing move_avoid move_stop shot sword summon_block summon_chara
  summon_item status status2 stage_clear game_wait warp target vanish)
for i in "${!shots[@]}"; do shoot "$i" "^${titles[$i]}\$" "${shots[$i]}.png"; done
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the look test failed"; }

for shot in "${shots[@]}"; do
  counts=$(convert "$work/$shot.png" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
    -compress none pgm:- | awk -v min_shapes=8 -f "$here/../../e2e/glyphs.awk")
  glyphs=$?
  echo "$shot.png: text lines, ink segments, distinct shapes: $counts"
  [ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/$shot.png)"
done
echo "screenshots in $work"
