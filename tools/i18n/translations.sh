#!/bin/bash
# The translations kept in step with the sources, with lupdate only (no build):
#   translations.sh update   rewrites translations/velantra_xx.ts from the sources
#   translations.sh check    fails when a .ts file is not what lupdate writes from the sources (a
#                            text added or changed without updating them), when any entry is
#                            unfinished, when a text a user reads is outside tr() / VT_TEXT, or
#                            when the desktop entry or the AppStream data lacks a language
set -euo pipefail
cd "$(dirname "$0")/../.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
LANGUAGES=(de fr it es nl)
# The folders of the program itself; tests, tools, benchmark and web page are not translated.
SOURCES=(app cards cli devices dip files i18n levers plan power resources sheets ui)
OPTIONS=(-tr-function-alias QT_TRANSLATE_NOOP+=VT_TEXT,translate+=translated -locations none -no-obsolete
         -extensions cpp,h -silent)

# One pass of lupdate over the sources for all the files given. Its notes about classes it
# cannot place (our nested namespaces) say nothing here; only grep finding no other line is
# forgiven, so a failing lupdate fails the script (pipefail).
update() { # <ts files...>
  "$LUPDATE" "${OPTIONS[@]}" "${SOURCES[@]}" -ts "$@" 2>&1 |
    { grep -v -e 'lacks Q_OBJECT' -e 'Qualifying with unknown' -e 'undeclared qualified class' >&2 ||
      true; }
}

case "${1:-}" in
update)
  files=()
  for language in "${LANGUAGES[@]}"; do
    files+=("translations/velantra_$language.ts")
  done
  update "${files[@]}"
  ;;
check)
  failed=0
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  copies=()
  for language in "${LANGUAGES[@]}"; do
    ts=translations/velantra_$language.ts
    [ -f "$ts" ] && cp "$ts" "$scratch/" && copies+=("$scratch/velantra_$language.ts")
  done
  [ "${#copies[@]}" -gt 0 ] && update "${copies[@]}"
  for language in "${LANGUAGES[@]}"; do
    ts=translations/velantra_$language.ts
    if [ ! -f "$ts" ]; then
      echo "$ts: missing"
      failed=1
      continue
    fi
    if ! diff -u "$ts" "$scratch/velantra_$language.ts" >"$scratch/$language.diff"; then
      echo "$ts: not in step with the sources (run: make translations), lupdate would change:"
      head -n 40 "$scratch/$language.diff"
      failed=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
    if [ "$unfinished" -gt 0 ]; then
      echo "$ts: $unfinished unfinished entries"
      failed=1
    fi
  done
  python3 tools/i18n/untranslated.py "${SOURCES[@]}" || failed=1
  python3 tools/i18n/desktopfiles.py "${LANGUAGES[@]}" || failed=1
  [ "$failed" -eq 0 ] && echo "translations: complete in ${LANGUAGES[*]}"
  exit "$failed"
  ;;
*)
  echo "usage: $0 update|check" >&2
  exit 2
  ;;
esac
