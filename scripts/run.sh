#!/bin/bash
# Installs what is missing, builds the editor for Windows and starts it under Wine in the working
# folder build/win/workdir, which the build lays out with the factory project (on a virtual X
# display when there is none; see README for watching and driving it there). Where this machine
# runs no 32-bit programs, the 64-bit build's editor starts instead, in build/win64/workdir.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
scripts/deps.sh || exit 1
source tools/wine/route.sh
[ $VX_ROUTE = 64 ] && echo "the 64-bit build of the editor under 64-bit Wine: $VX_ROUTE_WHY"
mkdir -p build
cmake -S . -B $VX_WIN_BUILD -G Ninja -DCMAKE_TOOLCHAIN_FILE=$VX_WIN_TOOLCHAIN -DCMAKE_BUILD_TYPE=Release \
  >$VX_WIN_BUILD.configure.log 2>&1 || { cat $VX_WIN_BUILD.configure.log; exit 1; }
cmake --build $VX_WIN_BUILD -j "$(nproc)" --target workdir || exit 1
work=$top/$VX_WIN_BUILD/workdir

display=${DISPLAY:-}
virtual=""
if [ -z "$display" ] || ! xdpyinfo -display "$display" >/dev/null 2>&1; then
  display=:${VX_DISPLAY_NUMBER:-77}
  if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    sleep 1
  fi
  virtual=$display
fi
# The run has a Wine prefix of its own (one a width): the tests' prefix runs without a display.
wine_root=$top/build/wine-run$([ $VX_ROUTE = 64 ] && echo 64)
mkdir -p "$wine_root"
echo win$VX_ROUTE > "$wine_root/arch"
tools/wine/prefix-setup.sh "$wine_root"
VX_WINE_DISPLAY=$display source tools/wine/wine-env.sh "$wine_root"
cd "$work"
echo "starting the editor in $work"
[ -d data ] || echo "no data\\ yet: the editor offers to make it from the factory copy default\\ (answer Yes)"
if [ -n "$virtual" ]; then
  cat <<MSG
virtual display $virtual; from another terminal:
  see it:     DISPLAY=$virtual import -window root shot.png
  answer Yes: DISPLAY=$virtual xdotool key Return
  close it:   DISPLAY=$virtual xdotool key alt+F4   (then Return to confirm)
MSG
fi
wine Vontaris.exe
rc=$?
echo "editor ended ($rc); report log:"
tr -d '\r' <Report_Editor.txt 2>/dev/null | iconv -f CP932 -t UTF-8
exit $rc
