#!/bin/bash
# Runs every test of a Windows build under Wine, except those named in excluded-tests.txt:
#   test.sh <build folder> [ctest arguments...]
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
shift
# From a fresh prefix every run: nothing a previous run (or a user) left in Wine's registry or
# drive reaches the tests.
rm -f "${VELANTRA_WINEPREFIX:-$BUILD/wineprefix}/.velantra-ready"
bash "$HERE/wine-prefix.sh" "$BUILD"

mapfile -t excluded < <(sed -n 's/^\([A-Za-z0-9_]\+\)\s.*/\1/p' "$HERE/excluded-tests.txt")
known=$(cd "$BUILD" && ctest -N | sed -n 's/^ *Test *#[0-9]*: //p')
for name in "${excluded[@]}"; do
  grep -qx "$name" <<<"$known" || { echo "excluded-tests.txt: no test $name" >&2; exit 1; }
done
echo "Not run on Windows (windows/excluded-tests.txt):"
grep -E '^[A-Za-z0-9_]+\s' "$HERE/excluded-tests.txt" | sed 's/^/  /'

pattern="^($(IFS='|'; echo "${excluded[*]}"))\$"
cd "$BUILD"
ctest --output-on-failure -E "$pattern" "$@"
