# Sourced by the write checks: runs commands under strace -f and lists what they wrote.
#   traced <name> <command...>   runs the command; every process writes its own trace file
#   traces <name...>             all trace lines of those runs
#   writes <name...>             the lines that open a socket, or open, create, rename, link or
#                                remove a file or folder for writing
# Without strace the check is skipped (exit 77), except under CI=true, where it fails.
if ! command -v strace >/dev/null; then
    echo "strace is not installed (Debian package strace)"
    [ "${CI:-}" = true ] && exit 1
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt asks for its runtime folder at start-up and creates it when it is missing: give it one.
mkdir -m 700 "$work/runtime"

traced() {
    local name=$1
    shift
    local calls=socket,socketpair,connect,open,openat,openat2,creat,rename,renameat,renameat2
    calls+=,link,linkat,symlink,symlinkat,unlink,unlinkat,mkdir,mkdirat,rmdir,truncate
    env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        strace -f -ff -qq -e trace="$calls" -o "$work/trace-$name" "$@"
}

traces() {
    local name
    for name in "$@"; do cat "$work/trace-$name".*; done
}

writes() {
    traces "$@" | grep -E \
        -e '\b(socket|socketpair|connect|creat|rename|renameat2?|link|linkat|symlink|symlinkat)\(' \
        -e '\b(unlink|unlinkat|mkdir|mkdirat|rmdir|truncate)\(' \
        -e '\bopen(at2?)?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)' |
        grep -vF "mkdir(\"$work/runtime\", 0700) = -1 EEXIST"
}
