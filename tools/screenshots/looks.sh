#!/bin/bash
# The screenshots of every window under desktops that differ from the standard one, a folder
# each, for looking at side by side (not part of CI):
#   tools/screenshots/looks.sh <velantra-screenshots> <output folder>
# standard, GTK Adwaita dark, qt6ct dark and light (each with a font of its own), a font DPI of
# 144 (which Qt turns into a scale factor of 1.5) and 144 with scaling off, scale factors 1.5
# and 2. Needs xvfb, qt6-gtk-platformtheme and qt6ct (`make looks` installs them).
set -euo pipefail
tool=$(realpath "$1")
out=$2
mkdir -p "$out"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

# A qt6ct configuration: colour scheme and general font.
qt6ct() {
    mkdir -p "$config/$1/qt6ct"
    cat >"$config/$1/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/$2.conf
custom_palette=true
style=Fusion

[Fonts]
general="$3"
fixed="DejaVu Sans Mono,10,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
CONF
}
qt6ct dark darker "DejaVu Serif,11,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
qt6ct light airy "Nimbus Roman,12,-1,5,700,0,0,0,0,0,0,0,0,0,0,1"

shoot() {
    local name=$1
    shift
    rm -rf "${out:?}/$name"
    if env -u QT_QPA_PLATFORM "$@" xvfb-run -a -s "-screen 0 1920x1200x24" \
        "$tool" "$out/$name" >"$out/$name.log" 2>&1; then
        echo "$name: $out/$name"
    else
        echo "$name: failed, see $out/$name.log"
    fi
}
shoot standard
shoot gtk-dark QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
shoot qt6ct-dark QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$config/dark"
shoot qt6ct-light QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$config/light"
shoot font-dpi-144 QT_FONT_DPI=144
shoot font-dpi-144-unscaled QT_FONT_DPI=144 QT_ENABLE_HIGHDPI_SCALING=0
shoot scale-1.5 QT_SCALE_FACTOR=1.5
shoot scale-2 QT_SCALE_FACTOR=2
