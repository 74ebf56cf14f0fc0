#!/bin/bash
# Installs what the builds, the tests and the editor need on Debian 12; quiet and quick when all is there.
set -eu
pkgs="g++ g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb cmake ninja-build locales fonts-ipafont
 libboost-dev libstb-dev clang libclang-rt-14-dev libbenchmark-dev googletest imagemagick xdotool x11-apps x11-utils
 sound-theme-freedesktop planetblupi-music-midi midicsv alsa-utils"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
apt-get install -y -qq --no-install-recommends $missing >/dev/null
