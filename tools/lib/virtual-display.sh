# A virtual X display with a window manager, for the checks that drive the
# program's windows on Linux and under Wine. Sourced, not run.

xvfb_pid=""
wm_pid=""

# Starts a virtual display of the given size (1024x768 unless told) with the
# openbox window manager, or with no window manager when the third argument
# is "none"; logs in folder. Sets DISPLAY, xvfb_pid and wm_pid (the caller
# stops both with stop_virtual_display). Fails when the display does not
# come up.
start_virtual_display() {
    local folder="$1" size="${2:-1024x768}" manager="${3:-openbox}" attempt
    for attempt in 1 2 3; do
        start_xvfb "$folder" "$size" || return 1
        # A server that another check is just stopping may give up its
        # display number before its socket, and take the socket of a new
        # server of the same number with it: a display is used only once it
        # answers.
        display_answers && break
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
        if [ "$attempt" = 3 ]; then
            echo "Xvfb не отвечает." >&2
            return 1
        fi
    done
    if [ "$manager" != none ]; then
        openbox --sm-disable >"$folder/openbox.log" 2>&1 &
        wm_pid=$!
        sleep 0.5
    fi
}

# Starts Xvfb on a free display number, which it chooses itself; sets
# DISPLAY and xvfb_pid. The server never resets: by default it does when its
# last client leaves, and on a bare display (no window manager) that is the
# check's own probe, so that the program, connecting a moment later, met a
# server in the middle of its reset and was refused.
start_xvfb() {
    local folder="$1" size="$2"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$folder/display" 2>"$folder/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$folder/display" ] && break
        sleep 0.05
    done
    if [ ! -s "$folder/display" ]; then
        echo "Xvfb не запустился." >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$folder/display")"
}

# Whether the display of DISPLAY still takes connections a moment after it
# came up (without xdpyinfo there is nothing to ask, and it is taken as it is).
display_answers() {
    command -v xdpyinfo >/dev/null 2>&1 || return 0
    sleep 0.2
    xdpyinfo >/dev/null 2>&1
}

# Stops the window manager and the display of start_virtual_display, and
# waits for every child of the shell to end.
stop_virtual_display() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
