#!/usr/bin/env bash
# Runs the program with the Orca screen reader under a virtual X server, its own session bus
# and accessibility bus, and a speech-dispatcher whose only voice writes what is spoken to a
# file; a keyboard-only script then drives the program and checks what was spoken.
# Usage: run-orca-test.sh <velantra> <script>
set -euo pipefail
program=$1
script=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/virtual-display.sh"
work=$(mktemp -d)

# Every process this run starts carries this mark, so that a failed run stops them all (the
# speech-dispatcher and its output module leave their parent) and nothing else.
mark=VELANTRA_ORCA_RUN=$work
stop_started() {
    local pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [ "$pid" != $$ ] && grep -qzx "$mark" "$environ" 2>/dev/null && kill "$pid" 2>/dev/null
    done
    return 0
}
cleanup() {
    stop_started
    stop_display
    if [ "${VELANTRA_ORCA_KEEP:-}" ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap "exit 1" INT TERM

# Orca runs once per user: "--replace" would kill another one, a second "orca" refuses to
# start. Wait for one that is already running (another check, a desktop's) to end.
others() { pgrep -u "$(id -u)" -x orca | tr '\n' ' '; }
waited=0
while [ -n "$(others)" ]; do
    if [ $waited -eq 0 ]; then
        echo "Another screen reader is already running for this user (orca, pid $(others)):" \
            "waiting up to ${VELANTRA_ORCA_WAIT:-1800} s for it to end"
    fi
    if [ $waited -ge "${VELANTRA_ORCA_WAIT:-1800}" ]; then
        echo "FAIL: another screen reader (orca, pid $(others)) is still running"
        exit 1
    fi
    sleep 5
    waited=$((waited + 5))
done

# speech-dispatcher reads its configuration from the user's; this user is the run's own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
export XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME/orca"
chmod 700 "$XDG_RUNTIME_DIR"
spoken=$work/spoken.txt
: > "$spoken"
sed "s|@SPOKEN@|$spoken|" "$here/capture.conf" \
    > "$XDG_CONFIG_HOME/speech-dispatcher/modules/capture.conf"
cp "$here/speechd.conf" "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo "default_driver=null" > "$HOME/.libao"
cp "$here/user-settings.conf" "$XDG_DATA_HOME/orca/user-settings.conf"

cat > "$work/inner" <<INNER
set -euo pipefail
export $mark
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb GTK_MODULES=
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=\$!
# A window manager gives the keyboard focus to the window that opens, as on a desktop.
openbox --sm-disable --config-file "$here/openbox.xml" >/dev/null 2>&1 &
wm=\$!
speech-dispatcher --spawn --timeout 0 >/dev/null 2>&1 || true
[ -n "${VELANTRA_NO_ORCA:-}" ] || orca --user-prefs "$XDG_DATA_HOME/orca" --debug-file "$work/orca.log" \
    >"$work/orca.out" 2>&1 &
orca=\$!
"$program" &
pid=\$!
status=0
SPOKEN="$spoken" VELANTRA_PID=\$pid /usr/bin/python3 "$script" || status=\$?
kill \$pid 2>/dev/null || true
kill -INT \$orca 2>/dev/null && sleep 1 || true
kill \$launcher \$wm 2>/dev/null || true
wait \$pid 2>/dev/null || true
exit \$status
INNER
start_display "$work"
status=0
# In the background, so that an interrupted check stops at once and cleans up.
dbus-run-session -- bash "$work/inner" &
wait $! || status=$?
if [ $status -ne 0 ]; then
    echo "What Orca said:"
    cat "$spoken"
    grep -h "already running" "$work/orca.out" 2>/dev/null || true
fi
exit $status
