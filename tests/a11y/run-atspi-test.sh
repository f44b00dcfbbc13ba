#!/usr/bin/env bash
# Runs the program under a virtual X server with its own session bus and accessibility bus, and
# lets the accessibility client script drive it. Usage: run-atspi-test.sh <velantra> <script>
set -euo pipefail
program=$1
script=$2
source "$(dirname "$0")/../support/virtual-display.sh"
work=$(mktemp -d)
cleanup() {
    stop_display
    rm -rf "$work"
}
trap cleanup EXIT
cat > "$work/inner" <<INNER
set -euo pipefail
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=\$!
"$program" &
pid=\$!
status=0
VELANTRA_PID=\$pid /usr/bin/python3 "$script" || status=\$?
# The script ends the program through its Exit command; it must quit cleanly and at once.
for _ in \$(seq 50); do kill -0 \$pid 2>/dev/null || break; sleep 0.1; done
if kill -0 \$pid 2>/dev/null; then echo "FAIL: the program did not quit"; kill \$pid; status=1
else wait \$pid || { echo "FAIL: the program exited with \$?"; status=1; }; fi
kill \$launcher 2>/dev/null || true
exit \$status
INNER
start_display "$work"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
status=0
dbus-run-session -- bash "$work/inner" || status=$?
if [ $status -ne 0 ]; then echo "X server on $DISPLAY:"; cat "$work/xvfb.log"; fi
exit $status
