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
cleanup() {
    stop_display
    if [ "${VELANTRA_ORCA_KEEP:-}" ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

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
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb GTK_MODULES=
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=\$!
# A window manager gives the keyboard focus to the window that opens, as on a desktop.
openbox --sm-disable --config-file "$here/openbox.xml" >/dev/null 2>&1 &
wm=\$!
speech-dispatcher --spawn --timeout 0 >/dev/null 2>&1 || true
[ -n "${VELANTRA_NO_ORCA:-}" ] || orca --replace --user-prefs "$XDG_DATA_HOME/orca" --debug-file "$work/orca.log" \
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
dbus-run-session -- bash "$work/inner" || status=$?
if [ $status -ne 0 ]; then echo "What Orca said:"; cat "$spoken"; fi
exit $status
