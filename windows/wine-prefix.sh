#!/bin/bash
# Prepares a Wine prefix for the program and its tests:
#   wine-prefix.sh <build folder>
# Wine has no Arial: the layouts' faces (Arial, MS Sans Serif) are mapped to Liberation Sans,
# their metric-compatible stand-in, as the program does on Linux. The offscreen platform reads
# fonts from a folder: it gets one with Liberation Sans only, as the Linux tests see it.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
export WINEPREFIX=$BUILD/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

FONTS=$BUILD/wine-fonts
if [ ! -d "$FONTS" ]; then
  mkdir -p "$FONTS.tmp"
  cp /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf "$FONTS.tmp/"
  mv "$FONTS.tmp" "$FONTS"
fi

[ -f "$WINEPREFIX/.velantra-ready" ] && exit 0
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
for face in "Arial" "MS Sans Serif"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
    /d "Liberation Sans" /f >/dev/null 2>&1
done
wineserver -w
touch "$WINEPREFIX/.velantra-ready"
