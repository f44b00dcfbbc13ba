#!/bin/bash
# Screenshots of every window as the Windows program draws them (the windows platform, under
# Wine on a virtual X server), and of the main window on the Wine desktop:
#   screenshots.sh <build folder> <output folder>
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
mkdir -p "$2"
OUT=$(cd "$2" && pwd)
bash "$HERE/wine-prefix.sh" "$BUILD"
unset QT_QPA_PLATFORM
export WINEPREFIX=$BUILD/wineprefix
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  bash "$0" "$1" "$1/tools/velantra-screenshots.exe" "Z:${2//\//\\}"
  bash "$0" "$1" "$1/app/velantra.exe" & program=$!
  sleep 8
  import -window root "$2/desktop-main.png"
  kill $program; wineserver -k || true
' "$HERE/wine-run.sh" "$BUILD" "$OUT"
ls "$OUT"
