#!/bin/bash
# Makes the Windows installer from a Windows build:
#   installer.sh <build folder>   ->  <build folder>/velantra-<version>-setup-x64.exe
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
# shellcheck source=/dev/null
source "$BUILD/wine.env"
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
OUT=$BUILD/velantra-$VERSION-setup-x64.exe

bash "$HERE/stage.sh" "$BUILD" "$QT_PREFIX" "$BUILD/stage" >/dev/null
makensis -V2 -DVERSION="$VERSION" -DSTAGE="$BUILD/stage" \
  -DICON="$HERE/../resources/icons/velantra.ico" -DOUTFILE="$OUT" "$HERE/installer.nsi"
echo "$OUT"
