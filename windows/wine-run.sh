#!/bin/bash
# Runs a cross-built program under Wine with the Qt DLLs and the mingw runtime on its path:
#   wine-run.sh <build folder> <program.exe> [arguments...]
# CTest calls it for every test (the build's CMAKE_CROSSCOMPILING_EMULATOR).
# Wine hands a Unix variable WINEQT_X to the program as QT_X; every QT_ and QTEST_ variable
# the caller sets (CTest's ENVIRONMENT of a test) is passed on that way.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
shift
# shellcheck source=/dev/null
source "$BUILD/wine.env" # QT_PREFIX, written by windows/build.sh
export WINEPREFIX=$BUILD/wineprefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="

winepath() { printf 'Z:%s' "${1//\//\\}"; }
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
export WINEPATH="$(winepath "$QT_PREFIX/bin");$(winepath "$runtime");$(winepath /usr/x86_64-w64-mingw32/lib)"

for name in $(compgen -e); do
  case $name in QT_* | QTEST_*) export "WINE$name=${!name}" ;; esac
done
export WINEQT_FORCE_STDERR_LOGGING=1
if [ "${QT_QPA_PLATFORM:-}" = offscreen ]; then
  export WINEQT_QPA_FONTDIR=$(winepath "$BUILD/wine-fonts")
fi
exec wine "$@"
