#!/bin/bash
# The command dialogs of effects, pictures, items, animes, sounds, BGM, backgrounds, graphics and
# the screen colour on the factory project, on a virtual X display: the test holds each dialog on
# screen and announces it with a file "shot-N.ready"; each is photographed then and checked for
# labels drawn with glyphs (tests/e2e/glyphs.awk). Usage: cmd_screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$build/testwork/editors_cmd_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$here/../../../tools/wine/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && exec wine "$build/tests/wintest_editors.exe" \
  --gtest_filter='CmdMediaWndTest.EveryDialog*:CmdMediaWndTest.TheItemNote*' >"$work/wine.log" 2>&1) &
runner=$!

# The dialogs in the order the test opens them: file name and caption.
shots=(effect エフェクトの実行 chara_effect キャラエフェクトの実行 screen_effect 画面エフェクトの実行
  picture ピクチャーの表示 item_get アイテムの取得 anime_set 基本アニメセットの変更 anime アニメの実行
  sound 効果音の再生 bgm BGMの再生 background 背景の変更 graphic グラフィックの変更
  screen_colour 画面の色を変更 item_note アイテムの取得)
for ((n = 0; n < ${#shots[@]} / 2; ++n)); do shoot "$n" "^${shots[2 * n + 1]}\$" "${shots[2 * n]}.png"; done
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the dialog test failed"; }

for ((n = 0; n < ${#shots[@]} / 2; ++n)); do
  file=${shots[2 * n]}.png
  counts=$(convert "$work/$file" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
    -compress none pgm:- | awk -v min_shapes=4 -f "$here/../../e2e/glyphs.awk")
  glyphs=$?
  echo "$file: text lines, ink segments, distinct shapes: $counts"
  [ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/$file)"
done
echo "screenshots in $work"
