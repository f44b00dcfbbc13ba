#!/usr/bin/env bash
# Builds the page's engine with emscripten and puts the page together as static files:
#   web/build-site.sh <build folder>      → <build folder>/site
# The folder is what gets published; its service worker's cache is named by a hash of the
# files, so that a new version replaces the old one in the browsers that have it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
site="$build/site"
# Debian's emscripten runs its optimiser under node with Debian's acorn; a node that is not
# Debian's own does not look there.
export NODE_PATH=/usr/share/nodejs
if [ ! -f "$build/build.ninja" ]; then
    emcmake cmake -S "$root/web/wasm" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" -j "${JOBS:-2}"

rm -rf "$site"
mkdir -p "$site/icons"
cp "$root"/web/page/{index.html,style.css,app.js,configurator.js,levers.js,power.js,texts.js,texts.json,manifest.webmanifest} "$site/"
cp "$build"/velantra-engine.{js,wasm} "$site/"
cp "$root"/resources/icons/{velantra.svg,velantra-256.png} "$site/icons/"
version=$(cd "$site" && cat $(find . -type f | sort) | sha256sum | cut -c1-12)
sed "s/@VERSION@/$version/" "$root/web/page/sw.js" > "$site/sw.js"
bytes=$(cat "$site"/*.html "$site"/*.js "$site"/*.css "$site"/*.json "$site"/*.wasm \
        "$site"/*.webmanifest | wc -c)
echo "web page in $site: $bytes bytes (page, script, texts and WebAssembly; icons apart)"
