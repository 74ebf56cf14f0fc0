#!/bin/bash
# Installs what is missing, builds the editor for Windows and starts it under Wine in the working
# folder build/win/workdir, which the build lays out with the factory project (on a virtual X
# display when there is none; see README for watching and driving it there).
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
scripts/deps.sh || exit 1
mkdir -p build
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  >build/win.configure.log 2>&1 || { cat build/win.configure.log; exit 1; }
cmake --build build/win -j "$(nproc)" --target workdir || exit 1
work=$top/build/win/workdir

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
# The run has a Wine prefix of its own: the tests' prefix runs without a display.
wine_root=$top/build/wine-run
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
