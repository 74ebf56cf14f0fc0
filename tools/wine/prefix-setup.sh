#!/bin/bash
# Creates the Wine prefix of a build tree once: Japanese locale, registry settings, fonts.
set -u
root=$1
[ -f "$root/ready" ] && exit 0
mkdir -p "$root"
exec 8>"$root/setup.lock"
flock 8
[ -f "$root/ready" ] && exit 0
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$root/locale"
if [ "$(cat "$root/arch" 2>/dev/null)" = win64 ]; then
  mkdir -p "$root/bin"
  for shim in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$root/bin/$shim"
    chmod +x "$root/bin/$shim"
  done
fi
# Without a compiled ja_JP.UTF-8 locale Wine turns Japanese file names into 7-bit ASCII.
localedef -i ja_JP -f UTF-8 "$root/locale/ja_JP.UTF-8" 2>/dev/null || true
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$root/alsa-null.conf"
source "$here/wine-env.sh" "$root"
unset DISPLAY
rm -rf "$WINEPREFIX"
( wineboot -i >/dev/null 2>&1 8>&- ) 8>&-
iconv -f UTF-8 -t UTF-16LE "$here/editor.reg" | { printf '\xff\xfe'; cat; } > "$root/editor-utf16.reg"
wine regedit /S "$(winepath -w "$root/editor-utf16.reg" 2>/dev/null)" >/dev/null 2>&1 8>&-
# Debian's Wine does not find its own fonts; the caption buttons need Marlett, dialogs Tahoma.
fonts=$WINEPREFIX/drive_c/windows/Fonts
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/*; do ln -sf "$f" "$fonts/"; done
for f in /usr/share/fonts/opentype/ipafont-gothic/*.ttf /usr/share/fonts/opentype/ipafont-mincho/*.ttf; do
  [ -f "$f" ] && ln -sf "$f" "$fonts/"
done
wineserver -w 8>&-
touch "$root/ready"
