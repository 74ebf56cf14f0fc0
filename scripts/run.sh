#!/bin/bash
# Installs what is missing, builds the editor for Windows and starts it under Wine in the working
# folder build/workdir (on a virtual X display when there is none; see README for watching it).
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
scripts/deps.sh || exit 1
mkdir -p build
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  >build/win.configure.log 2>&1 || { cat build/win.configure.log; exit 1; }
cmake --build build/win -j "$(nproc)" --target Vontaris || exit 1

work=build/workdir
mkdir -p "$work"
cp build/win/Vontaris.exe "$work/"

display=${DISPLAY:-}
if [ -z "$display" ] || ! xdpyinfo -display "$display" >/dev/null 2>&1; then
  display=:${VX_DISPLAY_NUMBER:-77}
  if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    sleep 1
  fi
  echo "virtual display $display (screenshot: DISPLAY=$display import -window root shot.png)"
fi
wine_root=$top/build/wine-run
tools/wine/prefix-setup.sh "$wine_root"
source tools/wine/wine-env.sh "$wine_root"
export DISPLAY=$display
cd "$work"
echo "starting the editor in $(pwd)"
wine Vontaris.exe
rc=$?
echo "editor ended ($rc); report log:"
cat Report_Editor.txt 2>/dev/null | tr -d '\r' | iconv -f CP932 -t UTF-8
exit $rc
