#!/usr/bin/env bash
# Runs the program under a virtual X server with its own session bus and accessibility bus, and
# lets the accessibility client script drive it. Usage: run-atspi-test.sh <velantra> <script>
#
# The X server picks a free display itself (-displayfd): xvfb-run -a lets two runs started at
# once, by ctest -j or by another user of the machine, choose the same number.
set -euo pipefail
program=$1
script=$2
work=$(mktemp -d)
xvfb=
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
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
/usr/bin/python3 "$script" || status=\$?
# The script ends the program through its Exit command; it must quit cleanly and at once.
for _ in \$(seq 50); do kill -0 \$pid 2>/dev/null || break; sleep 0.1; done
if kill -0 \$pid 2>/dev/null; then echo "FAIL: the program did not quit"; kill \$pid; status=1
else wait \$pid || { echo "FAIL: the program exited with \$?"; status=1; }; fi
kill \$launcher 2>/dev/null || true
exit \$status
INNER
# -noreset: the accessibility bus launcher connects, sets its root window property and leaves;
# a server that resets when its last client leaves drops the program connecting meanwhile.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then cat "$work/xvfb.log"; echo "FAIL: no X server"; exit 1; fi
export DISPLAY=:$(head -n1 "$work/display")
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
status=0
dbus-run-session -- bash "$work/inner" || status=$?
if [ $status -ne 0 ]; then echo "X server on $DISPLAY:"; cat "$work/xvfb.log"; fi
exit $status
