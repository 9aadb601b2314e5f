# Shared by the end-to-end checks: a virtual display with a window manager,
# the installed program started on it with a recording editor on PATH, and
# the clicks, typing and waits of window-driving.sh. Each check sources this
# file, then calls start_program.
#
# The display can be changed from the environment or by the check before it
# calls start_program: E2E_SCREEN (width x height, 1024x768 by default),
# E2E_WINDOW_MANAGER (openbox, or none for a bare X server) and E2E_SCALE
# (Qt's whole-number scale factor, 1 by default).

set -euo pipefail
program_dir="${ZORNALIT_INSTALLED:?folder of the installed program}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../../tools/lib/virtual-display.sh"
source "$here/window-driving.sh"
source "$here/database-block.sh"

screen_size="${E2E_SCREEN:-1024x768}"
window_manager="${E2E_WINDOW_MANAGER:-openbox}"
scale="${E2E_SCALE:-1}"

: > "$FAKE_NOTEPAD_LOG"
failure_screenshot="/tmp/zornalit-e2e-failure-$(basename "$0").png"

stop_display() {
    stop_virtual_display
}

start_display() {
    case "$window_manager" in
        openbox | none) ;;
        *) fail "unknown window manager $window_manager" ;;
    esac
    start_virtual_display "$work" "$screen_size" "$window_manager" || fail "Xvfb did not start"
}

# Starts the installed program with the recording editor first on PATH.
start_program() {
    start_display
    (
        cd /
        unset QT_QPA_PLATFORM
        export QT_SCALE_FACTOR="$scale"
        PATH="$here/fake-editor:$PATH" exec "$program_dir/zornalit"
    ) >"$work/program.out" 2>"$work/program.err" &
    program_pid=$!
    wait_for_main_window
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 0.3
}

# How many times the recording editor has been called.
editor_calls() {
    cat "$FAKE_NOTEPAD_LOG.count" 2>/dev/null || echo 0
}

# The frame of a window, title bar included, as "left top width height" on
# the screen; without a window manager the frame is the window itself.
frame_of() {
    local info x y width height left=0 right=0 top=0 bottom=0
    info="$(xwininfo -id "$1")"
    x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
    width=$(awk '/^ *Width:/ { print $NF }' <<<"$info")
    height=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
    if xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; then
        read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    fi
    echo "$(( x - left )) $(( y - top )) $(( left + width + right )) $(( top + height + bottom ))"
}

# Closes the window and waits at most $1 seconds for the program to end.
close_and_expect_end() {
    local seconds="$1"
    wmctrl -i -c "$window"
    within $(( seconds * 20 )) program_ended || fail "the program still runs $seconds s after its window was closed"
}

program_ended() {
    ! kill -0 "$program_pid" 2>/dev/null
}
