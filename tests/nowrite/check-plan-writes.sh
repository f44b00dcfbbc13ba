#!/usr/bin/env bash
# What a rig plan run writes, under strace -f: checking a plan on the command line and looking
# at it in the window write nothing; saving it writes only the plan: a new plan through an
# unnamed temporary file in its folder that is then linked under its name, an existing one
# through a temporary name beside it that is renamed over it.
#
#   check-plan-writes.sh <plansession> <velantra>
#
# Without strace the check is skipped (exit 77), except under CI=true, where it fails.
set -uo pipefail

session=${1:?usage: check-plan-writes.sh <plansession> <velantra>}
program=${2:?usage: check-plan-writes.sh <plansession> <velantra>}

if ! command -v strace >/dev/null; then
    echo "strace is not installed (Debian package strace)"
    [ "${CI:-}" = true ] && exit 1
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
cat >"$work/look.json" <<'PLAN'
{"format": "velantra-rig", "version": 1, "rows": [
 {"label": "Bar 1", "device": "orvo75", "mode": "dmx", "address": 1, "channels": 6},
 {"label": "Wash", "device": "intell", "mode": "dmx", "address": 4, "channels": 9}]}
PLAN

calls=socket,socketpair,connect,open,openat,openat2,creat,rename,renameat,renameat2,link,linkat
calls+=,symlink,symlinkat,unlink,unlinkat,mkdir,mkdirat,rmdir,truncate

traced() {
    local name=$1
    shift
    env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        strace -f -ff -qq -e trace="$calls" -o "$work/trace-$name" "$@" >"$work/$name.log" 2>&1
}

# Every call that writes to the file system or opens a socket, in all traces of one run.
writes() {
    cat "$work"/trace-"$1".* | grep -E \
        -e '\b(socket|socketpair|connect|creat|rename|renameat2?|link|linkat|symlink|symlinkat)\(' \
        -e '\b(unlink|unlinkat|mkdir|mkdirat|rmdir|truncate)\(' \
        -e '\bopen(at2?)?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)' |
        grep -vF "mkdir(\"$work/runtime\", 0700) = -1 EEXIST"
}

failed=0
traced check "$program" plan "$work/look.json" --check
[ $? -eq 1 ] || { cat "$work/check.log"; echo "plan --check did not report the overlap"; failed=1; }
traced look "$session" "$work/look.json" || { cat "$work/look.log"; failed=1; }
traced save "$session" "$work/look.json" "$work/saved.json" || { cat "$work/save.log"; failed=1; }
traced resave "$session" "$work/saved.json" "$work/saved.json" || { cat "$work/resave.log"; failed=1; }
[ "$failed" = 0 ] || exit 1

for run in check look; do
    if [ -n "$(writes $run)" ]; then
        echo "the $run run wrote to the file system:"
        writes $run
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
    if [ -n "$others" ] || ! echo "$saved" | grep -qE 'linkat|rename'; then
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
