# Environment of the build tree's Wine prefix; sourced with the Wine folder as argument.
export WINEPREFIX=$1/prefix
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LOCPATH=$1/locale
export LC_ALL=ja_JP.UTF-8 2>/dev/null
export ALSA_CONFIG_PATH=$1/alsa-null.conf
# Tests run headless unless a caller asks for a display (screenshots, the run command).
[ -n "${VX_WINE_DISPLAY:-}" ] && export DISPLAY=$VX_WINE_DISPLAY || unset DISPLAY
