#!/bin/bash
# Installs what the builds, the tests and the editor need on Debian 12; quiet and quick when all is there.
# The 64-bit compiler and Wine only where the Windows side runs from the 64-bit build.
set -eu
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
pkgs="g++ g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb cmake ninja-build locales fonts-ipafont
 libboost-dev libstb-dev clang libclang-rt-14-dev libbenchmark-dev googletest imagemagick xdotool x11-apps x11-utils
 sound-theme-freedesktop planetblupi-music-midi midicsv alsa-utils"
wine64_pkgs="g++-mingw-w64-x86-64-posix wine64"

missing_of() {
  local p missing=""
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  echo "$missing"
}

install() {
  echo "installing:$*"
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

missing=$(missing_of $pkgs)
[ -z "$missing" ] || install $missing
# The probe needs 32-bit Wine installed: it tries to start it.
source "$top/tools/wine/route.sh"
if [ $VX_ROUTE = 64 ]; then
  missing=$(missing_of $wine64_pkgs)
  [ -z "$missing" ] || install $missing
fi
exit 0
