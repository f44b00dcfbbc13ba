#!/usr/bin/env bash
# Builds the Debian package in its own build folder, the way Debian builds packages: compiler and
# linker flags from dpkg-buildflags (every hardening feature), and SOURCE_DATE_EPOCH from the last
# commit, so that two builds of one commit give the same bytes.
#   packaging/build-package.sh <build folder>    prints the path of the package
set -euo pipefail
build=$(mkdir -p "$1" && cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
cd "$source"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null ||
                        dpkg-parsechangelog -l packaging/changelog -STimestamp)
fi
export SOURCE_DATE_EPOCH
# Qt's resource compiler stamps the resources with this date instead of the files' own.
export QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
# Run here: the flags map this folder to "." in the debugging data.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
# Level 3 of FORTIFY_SOURCE (gcc 12 has it) also checks the copies whose size is known only when
# they run: at level 2 none of this program's copies is protected.
flags="$CXXFLAGS ${CPPFLAGS/_FORTIFY_SOURCE=2/_FORTIFY_SOURCE=3}"
# The build folder, wherever it is, is "build" in the debugging data too (the generated sources
# live there): otherwise its path reaches the build ID, and builds in two folders differ. The
# later map wins where the build folder lies inside this one.
flags+=" -ffile-prefix-map=$build=build"

# Stripped as Debian's dh_strip strips (packaging/strip.sh). moc includes each header by a path
# relative to its output, which names the source folder when the build folder lies outside it;
# with a path prefix it includes the header as the include path has it.
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCMAKE_AUTOMOC_PATH_PREFIX=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_STRIP="$source/packaging/strip.sh" >/dev/null
cmake --build "$build" --target velantra velantra_docs >/dev/null
rm -f "$build"/velantra_*.deb
(cd "$build" && cpack -G DEB >/dev/null 2>&1) || (cd "$build" && cpack -G DEB)
ls "$build"/velantra_*.deb
