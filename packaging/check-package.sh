#!/usr/bin/env bash
# Checks the desktop integration and the Debian package end to end, as root:
# validators, package build, installation, a start of the installed program driven through the
# accessibility bus until it quits by its own Exit command, and a removal that leaves nothing.
#   packaging/check-package.sh <build folder>
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)

desktop-file-validate "$here/velantra.desktop"
appstreamcli validate --no-net "$build/packaging/velantra.metainfo.xml"
# The AppStream screenshots are files of the README's gallery.
for image in $(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$build/packaging/velantra.metainfo.xml"); do
    [ -f "$here/../docs/screenshots/$image" ] || { echo "FAIL: no docs/screenshots/$image"; exit 1; }
    grep -q "docs/screenshots/$image" "$here/../README.md" || { echo "FAIL: README lacks $image"; exit 1; }
done

rm -f "$build"/velantra_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(readlink -f "$(ls "$build"/velantra_*.deb)")
echo "built $(basename "$deb")"
dpkg-deb -I "$deb" | grep -E '^ (Package|Version|Depends):'

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
files=$(dpkg -L velantra | while read -r f; do [ -f "$f" ] && echo "$f"; done)
[ -x /usr/bin/velantra ] || { echo "FAIL: /usr/bin/velantra is not installed"; exit 1; }
desktop-file-validate /usr/share/applications/velantra.desktop
appstreamcli validate --no-net /usr/share/metainfo/invalid.velantra.ConfigurationTools.metainfo.xml
for size in 16x16 32x32 48x48 256x256; do
    [ -f "/usr/share/icons/hicolor/$size/apps/velantra.png" ] || { echo "FAIL: no $size icon"; exit 1; }
done

bash "$here/../tests/a11y/run-atspi-test.sh" /usr/bin/velantra "$here/../tests/a11y/atspi_dip_dmx.py"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velantra >/dev/null
left=$(for f in $files; do [ -e "$f" ] && echo "$f"; done || true)
if [ -n "$left" ]; then
    echo "FAIL: removal left files behind:"; echo "$left"; exit 1
fi
echo "package check passed: validated, installed, started and quit through its menu, removed"
