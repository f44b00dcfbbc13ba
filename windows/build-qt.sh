#!/bin/bash
# Builds a minimal Qt for 64-bit Windows from Debian's qt6-base source package
# and installs it into a cache folder outside the work tree. The folder is
# keyed by Qt's version, the configure line and our patches, so a later run on
# the same machine reuses it. Prints the install prefix on its last line.
#
#   VELANTRA_WINDOWS_CACHE  cache folder (default /var/cache/velantra-windows)
#   VELANTRA_QT_JOBS        parallel jobs for the Qt build (default: every core)
# Qt's own output goes to a log beside the build (its last lines are shown if it fails).
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
CACHE=${VELANTRA_WINDOWS_CACHE:-/var/cache/velantra-windows}
JOBS=${VELANTRA_QT_JOBS:-$(nproc)}
mkdir -p "$CACHE/src"

# Debian's source package; the deb-src entry comes from windows/deps.sh.
SRC=$(find "$CACHE/src" -maxdepth 1 -type d -name 'qt6-base-6.*' | sort | tail -n 1)
if [ -z "$SRC" ]; then
  (cd "$CACHE/src" && apt-get source -qq qt6-base)
  SRC=$(find "$CACHE/src" -maxdepth 1 -type d -name 'qt6-base-6.*' | sort | tail -n 1)
fi
VERSION=$(cd "$SRC" && dpkg-parsechangelog -S Version)

# Only what the program uses: Core, Gui, Widgets, PrintSupport, Test; the
# windows and offscreen platform plugins; third-party libraries bundled.
CONFIGURE=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DFEATURE_pkg_config=OFF
  -DINPUT_opengl=no
  -DFEATURE_opengl=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_icu=OFF
  -DFEATURE_zstd=OFF
  -DFEATURE_androiddeployqt=OFF
  -DFEATURE_testlib_selfcover=OFF
  # The +dfsg source has no wintab.
  -DFEATURE_tabletevent=OFF
  # DirectWrite stays (the windows plugin's font database needs it); the
  # separate direct2d platform plugin is not needed.
  -DFEATURE_direct2d1_1=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_system_textmarkdownreader=OFF
  # Widgets, dialogs and text formats the program never shows or writes: each
  # one off is less of the Qt build in a fresh machine's CI. The print dialog
  # needs the date editor and calendar, so those stay.
  -DFEATURE_graphicsview=OFF
  -DFEATURE_printpreviewwidget=OFF
  -DFEATURE_printpreviewdialog=OFF
  -DFEATURE_mdiarea=OFF
  -DFEATURE_style_stylesheet=OFF
  -DFEATURE_textodfwriter=OFF
  -DFEATURE_textmarkdownreader=OFF
  -DFEATURE_textmarkdownwriter=OFF
  -DFEATURE_dial=OFF
  -DFEATURE_lcdnumber=OFF
  -DFEATURE_splashscreen=OFF
  -DFEATURE_toolbox=OFF
  -DFEATURE_keysequenceedit=OFF
  -DFEATURE_fontcombobox=OFF
  -DFEATURE_fontdialog=OFF
  -DFEATURE_colordialog=OFF
  -DFEATURE_wizard=OFF
  -DFEATURE_undoview=OFF
  -DFEATURE_syntaxhighlighter=OFF
  -DFEATURE_columnview=OFF
  -DFEATURE_datawidgetmapper=OFF
  -DFEATURE_movie=OFF
  -DFEATURE_sharedmemory=OFF
  -DFEATURE_systemsemaphore=OFF
)

# Our patches to Qt, if any: windows/patches/*.patch (git keeps no empty folder).
PATCHES=$(find "$HERE/patches" -name '*.patch' 2>/dev/null | sort || true)
KEY=$({ printf '%s\n' "${CONFIGURE[@]}"; cat "$HERE/toolchain-mingw64.cmake"; \
        for p in $PATCHES; do cat "$p"; done; } | sha256sum | cut -c1-12)
PREFIX=${VELANTRA_QT_PREFIX:-$CACHE/qt-$VERSION-$KEY}
BUILD=$CACHE/build-$KEY
TIMES=$PREFIX/build-times.txt

if [ -f "$PREFIX/.complete" ]; then
  echo "$PREFIX"
  exit 0
fi

# A pristine copy of the source per key, so that our patches apply once.
WORK=$CACHE/src-$KEY
if [ ! -d "$WORK" ]; then
  cp -a "$SRC" "$WORK.tmp"
  for p in $PATCHES; do patch -d "$WORK.tmp" -p1 <"$p"; done
  mv "$WORK.tmp" "$WORK"
fi

mkdir -p "$PREFIX" "$BUILD"
LOG=$CACHE/build-$KEY.log
echo "Building Qt $VERSION for Windows into $PREFIX (log: $LOG)" >&2
: >"$LOG"
logged() {
  "$@" >>"$LOG" 2>&1 || { tail -n 60 "$LOG" >&2; echo "Qt build failed: $LOG" >&2; exit 1; }
}
stamp() { date +%s; }
t0=$(stamp)
logged cmake -S "$WORK" -B "$BUILD" "${CONFIGURE[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$HERE/toolchain-mingw64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$PREFIX"
t1=$(stamp)
logged cmake --build "$BUILD" --parallel "$JOBS"
t2=$(stamp)
logged cmake --install "$BUILD"
t3=$(stamp)

{
  echo "qt-base $VERSION key $KEY on $(nproc) cores, -j$JOBS, load at end: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "configure $((t1 - t0)) s"
  echo "build     $((t2 - t1)) s"
  echo "install   $((t3 - t2)) s"
  echo "configure line: ${CONFIGURE[*]}"
} >"$TIMES"
cat "$TIMES" >&2
touch "$PREFIX/.complete"
[ -n "${VELANTRA_KEEP_QT_BUILD:-}" ] || rm -rf "$BUILD" "$WORK"
echo "$PREFIX"
