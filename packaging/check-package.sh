#!/usr/bin/env bash
# Checks the desktop integration and the Debian package end to end, as root:
# validators, two package builds in two folders compared, lintian, hardening-check, installation, a start of the installed program driven through the
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

# Two builds of this commit give the same bytes, also from another folder: the package is built,
# kept aside, and built afresh in a folder of another path.
first=$(bash "$here/build-package.sh" "$build/deb-elsewhere/first")
cp "$first" "$build/first.deb"
rm -rf "$build/deb-elsewhere" "$build/deb"
deb=$(bash "$here/build-package.sh" "$build/deb")
cmp "$build/first.deb" "$deb" || { echo "FAIL: two builds of the package differ"; exit 1; }
echo "built $(basename "$deb") twice: byte-identical ($(sha256sum "$deb" | cut -c1-16))"
dpkg-deb -I "$deb" | grep -E '^ (Package|Version|Depends):'

# Debian's policy checker, failing on any error or warning; informational tags are shown.
lintian --fail-on error,warning -EIL +pedantic "$deb"
# Debian's hardening features in the installed binary. Debian 12's compiler and flags give no
# control-flow protection; stack clash protection is reported as found or unknown, not judged.
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
hardening-check --nocfprotection "$unpacked/usr/bin/velantra"
rm -rf "$unpacked"
# The manual page formats without a warning.
warnings=$(man --warnings -l -Tutf8 "$here/velantra.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "FAIL: velantra.1: $warnings"; exit 1; }

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
echo "package check passed: reproducible, lintian and hardening-check clean, installed, started and"
echo "quit through its menu, removed"
