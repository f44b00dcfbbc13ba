# Sourced by the test scripts that need a real X server.
#   start_display <folder>   starts Xvfb on a free display and exports DISPLAY
#   stop_display             ends it (call it from the script's exit trap)
#
# The X server picks a free display itself (-displayfd): xvfb-run -a lets two runs started at
# once, by ctest -j or by another user of the machine, choose the same number.
xvfb_pid=

start_display() {
    local folder=$1
    # -noreset: the accessibility bus launcher connects, sets its root window property and
    # leaves; a server that resets when its last client leaves drops the program connecting
    # meanwhile.
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 \
        3>"$folder/display" 2>"$folder/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
    if [ ! -s "$folder/display" ]; then
        cat "$folder/xvfb.log"
        echo "FAIL: no X server"
        return 1
    fi
    DISPLAY=:$(head -n1 "$folder/display")
    export DISPLAY
}

stop_display() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
