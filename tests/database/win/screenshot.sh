#!/bin/bash
# The database window's ten pages and its three dialogs on a virtual X display: the look test holds
# each on screen (the anime set page with its sample playing) and announces it with a file
# "shot-N.ready"; each is photographed then and checked for labels drawn with glyphs
# (tests/e2e/glyphs.awk). Usage: screenshot.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_tools=$here/../../../tools/wine
work=$build/testwork/database_screenshot
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAILED: $*"; exit 1; }

source "$wine_tools/virtual-display.sh" "$build" "$work" 1024x768
(cd "$work" && exec wine "$build/tests/wintest_database.exe" \
  --gtest_filter=DatabaseWndTest.EveryPageAndDialogOnScreen >"$work/wine.log" 2>&1) &
runner=$!

shots=(animeset anime charaexc swordtype effect charaeffect screeneffect picture sound bgm)
for i in "${!shots[@]}"; do shoot "$i" 'データベース' "${shots[$i]}.png"; done
shoot 10 'アニメパターン' pattern.png
shoot 11 'ソードの位置' swordpos.png
shoot 12 'アニメ' effectframe.png
wait $runner
rc=$?
wineserver -k; wineserver -w
[ $rc -eq 0 ] || { cat "$work/wine.log"; fail "the look test failed"; }

for shot in "${shots[@]}" pattern swordpos effectframe; do
  counts=$(convert "$work/$shot.png" -bordercolor '#F0F0F0' -border 10 -shave 16x16 -colorspace Gray -depth 8 \
    -compress none pgm:- | awk -v min_shapes=20 -f "$here/../../e2e/glyphs.awk")
  glyphs=$?
  echo "$shot.png: text lines, ink segments, distinct shapes: $counts"
  [ $glyphs -eq 0 ] || fail "the labels are not drawn with glyphs (see $work/$shot.png)"
done
echo "screenshots in $work"
