#!/usr/bin/env bash
# The web page's checks (`make web-test`):
#   web/tests/run.sh <desktop build folder> <web build folder>
# 1. the texts the page shows are the desktop windows' (velantra-webtexts --check);
# 2. the engine under node prints the same bytes as the desktop build: every address, mode and
#    option of every configurator, long seeded runs of every page (velantra-webprobe);
# 3. the page driven in headless Chromium (test_page.py), axe-core on every page, its card
#    against the desktop program's, screenshots in <web build folder>/shots.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
desktop="$1"
web="$2"

"$desktop/web/velantra-webtexts" --check "$root/web/page/texts.json"
echo "texts: as the desktop windows show them"

# Node 18 and later have a fetch of their own, which emscripten 3.1.6 would take for a browser's.
"$desktop/web/velantra-webprobe" > "$web/probe-desktop.txt"
node --no-experimental-fetch "$web/velantra-webprobe.js" > "$web/probe-wasm.txt"
if ! cmp "$web/probe-desktop.txt" "$web/probe-wasm.txt"; then
    diff "$web/probe-desktop.txt" "$web/probe-wasm.txt" | head -n 20
    exit 1
fi
echo "engine: the WebAssembly build prints what the desktop build prints" \
     "($(wc -l < "$web/probe-wasm.txt") lines)"

/usr/bin/python3 "$root/web/tests/test_page.py" "$web/site" \
    "$web/node_modules/axe-core/axe.min.js" "$web/shots" "$desktop/app/velantra"
