#!/usr/bin/env bash
# What a rig plan run writes, under strace -f: checking a plan on the command line, looking at
# it in the window, and opening and cancelling every file and print dialog of the plan and of a
# card write nothing; saving it writes only the plan: a new plan through an
# unnamed temporary file in its folder that is then linked under its name, an existing one
# through a temporary name beside it that is renamed over it.
#
#   check-plan-writes.sh <plansession> <velantra>
set -uo pipefail

session=${1:?usage: check-plan-writes.sh <plansession> <velantra>}
program=${2:?usage: check-plan-writes.sh <plansession> <velantra>}

source "$(dirname "$0")/strace-writes.sh"
cat >"$work/look.json" <<'PLAN'
{"format": "velantra-rig", "version": 1, "rows": [
 {"label": "Bar 1", "device": "orvo75", "mode": "dmx", "address": 1, "channels": 6},
 {"label": "Wash", "device": "intell", "mode": "dmx", "address": 4, "channels": 9}]}
PLAN

# One run, its output kept in <name>.log.
run() {
    local name=$1
    traced "$@" >"$work/$name.log" 2>&1
}

failed=0
run check "$program" plan "$work/look.json" --check
[ $? -eq 1 ] || { cat "$work/check.log"; echo "plan --check did not report the overlap"; failed=1; }
run look "$session" "$work/look.json" || { cat "$work/look.log"; failed=1; }
run dialogs "$session" "$work/look.json" --dialogs || { cat "$work/dialogs.log"; failed=1; }
grep -q '^dialogs cancelled$' "$work/dialogs.log" || { cat "$work/dialogs.log"; failed=1; }
run save "$session" "$work/look.json" "$work/saved.json" || { cat "$work/save.log"; failed=1; }
run resave "$session" "$work/saved.json" "$work/saved.json" || { cat "$work/resave.log"; failed=1; }
[ "$failed" = 0 ] || exit 1

# The print dialog asks the print service for its printers, and Qt's dialog settings are pointed
# at a folder that cannot be made: neither writes a file.
files_written() {
    writes "$@" | grep -vE '^(socket|connect)\(' |
        grep -vE '"/proc(/velantra-keeps-no-settings[^"]*)?".* = -1 E(NOENT|EXIST)'
}
for run in check look dialogs; do
    if [ -n "$(files_written $run)" ]; then
        echo "the $run run wrote to the file system:"
        files_written $run
        exit 1
    fi
done
# Saving: one temporary file beside the plan, made and put in its place; nothing else.
temporary="\"$work/saved\\.json\\.[A-Za-z0-9]+\""
for run in save resave; do
    saved=$(writes $run)
    others=$(echo "$saved" | grep -vE \
        -e "^openat\(AT_FDCWD, \"$work\", O_RDWR\|O_CLOEXEC\|O_TMPFILE, 0[0-7]+\)" \
        -e "^linkat\(AT_FDCWD, \"/proc/self/fd/[0-9]+\", AT_FDCWD, (\"$work/saved\.json\"|$temporary)" \
        -e "^openat\(AT_FDCWD, $temporary, [^)]*O_CREAT" \
        -e "^rename(at2?)?\((AT_FDCWD, )?$temporary, (AT_FDCWD, )?\"$work/saved\.json\"")
    if [ -n "$others" ] || ! grep -E 'linkat|rename' <<<"$saved" >/dev/null; then
        echo "the $run run wrote more than the plan, or not the plan:"
        echo "$saved"
        exit 1
    fi
    echo "$run: $(echo "$saved" | tr '\n' ' ')"
done
rows=$(tail -n 1 "$work/resave.log")
if [ "$rows" != "4 rows" ] || ! grep -q '"Bar 1"' "$work/saved.json"; then
    echo "the saved plan is not the plan: $rows"
    exit 1
fi
echo "check and look: nothing written; save and save again: only the plan"
