#!/bin/bash
# Installs the Windows installer silently under Wine in a fresh prefix, checks that the program,
# its Start-menu entry and its "Apps & features" entry are there and that the installed program
# runs, that its Start-menu entry opens the main window and no console window, uninstalls it
# silently and checks that nothing of it is left:
#   installer-check.sh <build folder>
set -euo pipefail
BUILD=$(cd "$1" && pwd)
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
SETUP=$BUILD/velantra-$VERSION-setup-x64.exe
# Wine's menu builder stays off: it would copy the Start-menu entry into this machine's own menus.
export WINEPREFIX=$BUILD/wineprefix-install WINEDEBUG=-all \
  WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# An empty PATH beyond Windows' own: the installed program must bring every DLL it needs.
unset WINEPATH

DIR="$WINEPREFIX/drive_c/Program Files/VELANTRA"
LINK="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/VELANTRA.lnk"
KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VELANTRA'
fail() { echo "installer check: $*" >&2; exit 1; }
snapshot() {
  (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path ./users -prune -o -print \
    | sort) >"$1"
  wine reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' "Z:${1//\//\\}.reg" \
    /y >/dev/null 2>&1 || true
}

rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w
snapshot "$BUILD/before-install"

wine "$SETUP" /S
wineserver -w
for file in velantra.exe uninstall.exe Qt6Core.dll Qt6Widgets.dll Qt6PrintSupport.dll \
  libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll \
  imageformats/qjpeg.dll; do
  [ -f "$DIR/$file" ] || fail "not installed: $file"
done
[ -f "$LINK" ] || fail "no Start-menu entry"
x86_64-w64-mingw32-objdump -p "$DIR/velantra.exe" | grep 'Subsystem.*Windows GUI' >/dev/null ||
  fail "velantra.exe would open a console window"
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString \
  QuietUninstallString EstimatedSize NoModify NoRepair; do
  wine reg query "$KEY" /v "$value" 2>/dev/null | grep "$value" >/dev/null || fail "no $value in $KEY"
done
wine reg query "$KEY" /v DisplayVersion | grep "$VERSION" >/dev/null || fail "DisplayVersion is not $VERSION"
version=$(wine "$DIR/velantra.exe" --version 2>/dev/null | tr -d '\r')
[ "$version" = "velantra $VERSION" ] || fail "installed program says '$version'"
echo "installed: $(find "$DIR" -type f | wc -l) files, $(du -sh "$DIR" | cut -f1)"

# Started from the Start menu as a user does, on a virtual display: the main window opens, and
# no console window beside it (Wine shows a console program's in a window of conhost.exe).
wineserver -w # a Wine started without a display would be reused by the next program
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine start "$0" >/dev/null 2>&1
  for _ in $(seq 60); do
    xwininfo -root -tree | grep -q "\"VELANTRA configuration tools\"" && break
    sleep 1
  done
  sleep 2
  xwininfo -root -tree >"$1"
  wineserver -k
' 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\VELANTRA.lnk' "$BUILD/start-menu-windows"
grep -q '"VELANTRA configuration tools": ("velantra.exe"' "$BUILD/start-menu-windows" ||
  fail "the Start-menu entry opened no main window"
! grep -q '("conhost.exe"' "$BUILD/start-menu-windows" ||
  fail "a console window opened: $(grep '("conhost.exe"' "$BUILD/start-menu-windows")"
echo "started from the Start menu: the main window, no console window"

wine "$DIR/uninstall.exe" /S
wineserver -w
snapshot "$BUILD/after-uninstall"
[ ! -e "$DIR" ] || fail "left behind: $(find "$DIR")"
[ ! -e "$LINK" ] || fail "Start-menu entry left behind"
! wine reg query "$KEY" >/dev/null 2>&1 || fail "$KEY left behind"
diff "$BUILD/before-install" "$BUILD/after-uninstall" || fail "files left behind (above)"
diff "$BUILD/before-install.reg" "$BUILD/after-uninstall.reg" || fail "registry left behind"
echo "installer check: installed, ran, uninstalled, nothing left"
