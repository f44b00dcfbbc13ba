#!/bin/bash
# Cross-builds the program and its tests for Windows:
#   build.sh <build folder> [targets...]
# Qt comes from windows/build-qt.sh (built once, then reused from its cache folder).
set -euo pipefail
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$1
shift
mkdir -p "$BUILD"
BUILD=$(cd "$BUILD" && pwd)

QT_PREFIX=$(bash "$SOURCE/windows/build-qt.sh" | tail -n 1)
# CMake reads the toolchain file only when it first configures: another Qt, another start.
if [ -f "$BUILD/wine.env" ] && ! grep -qxF "QT_PREFIX=$QT_PREFIX" "$BUILD/wine.env"; then
  rm -rf "$BUILD/CMakeCache.txt" "$BUILD/CMakeFiles"
fi
echo "QT_PREFIX=$QT_PREFIX" >"$BUILD/wine.env"

# Qt's own toolchain file finds the cross-built Qt and the host tools; ours names the compilers.
cmake -S "$SOURCE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$QT_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$SOURCE/windows/toolchain-mingw64.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="bash;$SOURCE/windows/wine-run.sh;$BUILD"
[ $# -eq 0 ] || set -- --target "$@"
cmake --build "$BUILD" --parallel "${JOBS:-2}" "$@"
