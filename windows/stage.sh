#!/bin/bash
# Gathers velantra.exe with every DLL it loads (found by reading the import tables, so a new
# dependency cannot be forgotten) and the Qt plugins it needs into one folder for the installer.
#   stage.sh <build folder> <Qt prefix> <stage folder>
set -euo pipefail
BUILD=$1 QT=$2 STAGE=$3
TRIPLE=x86_64-w64-mingw32
SEARCH=("$QT/bin" "$(dirname "$($TRIPLE-g++-posix -print-libgcc-file-name)")"
        "/usr/$TRIPLE/lib")
# Qt plugins: the Windows platform and JPEG (the logo and a data sheet are JPEG pictures).
PLUGINS=(platforms/qwindows.dll imageformats/qjpeg.dll)

rm -rf "$STAGE"
mkdir -p "$STAGE"
cp "$BUILD/app/velantra.exe" "$STAGE/"
for plugin in "${PLUGINS[@]}"; do
  mkdir -p "$STAGE/$(dirname "$plugin")"
  cp "$QT/plugins/$plugin" "$STAGE/$plugin"
done

# Qt's own translations (dialogs, message box buttons) of the program's languages, from Debian's
# qt6-translations-l10n: the program loads them from translations/ beside it.
mkdir -p "$STAGE/translations"
for language in de fr it es nl; do
  cp "/usr/share/qt6/translations/qtbase_$language.qm" "$STAGE/translations/"
done

# Every DLL imported by a staged file that is not part of Windows itself, transitively.
pending=("$STAGE/velantra.exe" "${PLUGINS[@]/#/$STAGE/}")
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  for dll in $($TRIPLE-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$STAGE/$dll" ] && continue
    for dir in "${SEARCH[@]}"; do
      if [ -e "$dir/$dll" ]; then
        cp "$dir/$dll" "$STAGE/"
        pending+=("$STAGE/$dll")
        break
      fi
    done
  done
done
$TRIPLE-strip --strip-unneeded "$STAGE"/*.dll "$STAGE"/*/*.dll "$STAGE/velantra.exe"
ls -R "$STAGE"
