# Environment of the build tree's Wine prefix; sourced with the Wine folder as argument.
export WINEPREFIX=$1/prefix
# A 64-bit build runs under 64-bit Wine, called by its own loader: Debian's /usr/bin/wine picks the
# 32-bit loader whenever wine32 is installed, even on a kernel that cannot start it. The shims in
# bin/ (made with the prefix) serve wineboot, winepath and regedit, which start wine-stable.
if [ "$(cat "$1/arch" 2>/dev/null)" = win64 ]; then
  export WINEARCH=win64
  export WINELOADER=/usr/lib/wine/wine64
  case ":$PATH:" in *":$1/bin:"*) ;; *) export PATH=$1/bin:$PATH ;; esac
else
  export WINEARCH=win32
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LOCPATH=$1/locale
export LC_ALL=ja_JP.UTF-8 2>/dev/null
# Sound plays into a null device; VX_WINE_NO_SOUND=1 gives a machine without any sound device.
if [ -n "${VX_WINE_NO_SOUND:-}" ]; then
  export ALSA_CONFIG_PATH=$(dirname "${BASH_SOURCE[0]}")/alsa-none.conf
else
  export ALSA_CONFIG_PATH=$1/alsa-null.conf
fi
# Tests run headless unless a caller asks for a display (screenshots, the run command).
[ -n "${VX_WINE_DISPLAY:-}" ] && export DISPLAY=$VX_WINE_DISPLAY || unset DISPLAY
