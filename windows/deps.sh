#!/bin/bash
# Packages for the Windows cross-build, the tests under Wine and the installer.
# Kept apart from the Linux set-up so that `make deps` stays quick.
set -euo pipefail
SUDO=$([ "$(id -u)" = 0 ] || echo sudo)

SRC_LIST=/etc/apt/sources.list.d/velantra-deb-src.sources
if [ ! -f "$SRC_LIST" ]; then
  # A separate source file so that the system's own list stays untouched.
  $SUDO tee "$SRC_LIST" >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
fi

# The POSIX thread model compilers; Wine 64-bit only; Debian's Qt gives the host tools (moc,
# rcc, uic, lrelease) of the same version as the source package, and Qt's translations.
PACKAGES=(mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 nsis
          dpkg-dev qt6-base-dev qt6-base-dev-tools fonts-liberation xvfb xauth x11-utils imagemagick
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
missing=()
for p in "${PACKAGES[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ] || ! apt-cache showsrc qt6-base >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  [ ${#missing[@]} -eq 0 ] || $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
