#!/bin/bash
# Screenshots of every window as the Windows program draws them (the windows platform, under
# Wine on a virtual X server), and of the main window on the Wine desktop:
#   screenshots.sh <build folder> <output folder>
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
mkdir -p "$2"
OUT=$(cd "$2" && pwd)
# A prefix of its own: once Wine has run on a display, Qt's printer queries hang in that prefix
# (the card and report tests).
export VELANTRA_WINEPREFIX=$BUILD/wineprefix-shots WINEPREFIX=$BUILD/wineprefix-shots
bash "$HERE/wine-prefix.sh" "$BUILD"
# The font engine the program chooses on Windows (cli/display.cpp).
export QT_QPA_PLATFORM=windows:fontengine=directwrite
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  bash "$0" "$1" "$1/tools/velantra-screenshots.exe" "Z:${2//\//\\}"
  bash "$0" "$1" "$1/app/velantra.exe" & program=$!
  sleep 8
  import -window root "$2/desktop-main.png"
  kill $program; wineserver -k || true
' "$HERE/wine-run.sh" "$BUILD" "$OUT"
ls "$OUT"
