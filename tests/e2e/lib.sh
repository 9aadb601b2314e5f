# Shared by the end-to-end checks: a virtual display with a window manager,
# the installed program started on it with a recording editor on PATH, and
# mouse clicks at control positions given in twips, as the window lays them
# out. Each check sources this file, then calls start_program.
#
# The display can be changed from the environment or by the check before it
# calls start_program: E2E_SCREEN (width x height, 1024x768 by default),
# E2E_WINDOW_MANAGER (openbox, or none for a bare X server) and E2E_SCALE
# (Qt's whole-number scale factor, 1 by default).

set -euo pipefail
screen_size="${E2E_SCREEN:-1024x768}"
window_manager="${E2E_WINDOW_MANAGER:-openbox}"
scale="${E2E_SCALE:-1}"

program_dir="${ZORNALIT_INSTALLED:?folder of the installed program}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
export FAKE_NOTEPAD_LOG="$work/notepad.log"
: > "$FAKE_NOTEPAD_LOG"

xvfb_pid=""
wm_pid=""
program_pid=""
window=""

cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$FAKE_NOTEPAD_LOG" ]; then
        echo "--- editor calls:" >&2
        cat "$FAKE_NOTEPAD_LOG" >&2
    fi
    if [ -n "$DISPLAY" ] && command -v import >/dev/null 2>&1; then
        import -window root "$work/failure.png" 2>/dev/null && cp "$work/failure.png" "/tmp/zornalit-e2e-failure-$(basename "$0").png" || true
    fi
    exit 1
}

start_display() {
    local fd_file="$work/display"
    Xvfb -displayfd 3 -screen 0 "${screen_size}x24" -nolisten tcp 3>"$fd_file" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.05
    done
    [ -s "$fd_file" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fd_file")"
    case "$window_manager" in
        openbox)
            openbox --sm-disable >"$work/openbox.log" 2>&1 &
            wm_pid=$!
            sleep 0.5
            ;;
        none) ;;
        *) fail "unknown window manager $window_manager" ;;
    esac
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
    for _ in $(seq 200); do
        window="$(xdotool search --onlyvisible --name '^Зорналит$' 2>/dev/null | head -n1 || true)"
        [ -n "$window" ] && break
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended at start: $(cat "$work/program.err")"
        sleep 0.05
    done
    [ -n "$window" ] || fail "no window titled Зорналит appeared"
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 0.3
}

# Clicks at a point given in twips relative to the window's client area.
click_twips() {
    local x=$(( $1 / 15 * scale )) y=$(( $2 / 15 * scale ))
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.2
}

# Clicks the middle of a control on a tab: its left, top, width and height in
# twips relative to the tab control, which sits 120 twips below the top.
click_on_tab() {
    click_twips $(( $1 + $3 / 2 )) $(( 120 + $2 + $4 / 2 ))
}

# Types a segment and a step into their boxes, clicking each box first.
type_query() {
    click_on_tab 2880 1200 1095 945     # Segm
    xdotool type --delay 50 "$1"
    click_on_tab 4440 1200 1095 945     # Sag
    xdotool type --delay 50 "$2"
}

# Types a query and presses the arrow button with the mouse.
look_up() {
    type_query "$1" "$2"
    click_on_tab 5880 1320 615 615      # the arrow button
}

# Waits until the recording editor has been called n times.
wait_for_editor_calls() {
    local wanted=$1
    for _ in $(seq 100); do
        [ "$(cat "$FAKE_NOTEPAD_LOG.count" 2>/dev/null || echo 0)" -ge "$wanted" ] && return 0
        sleep 0.05
    done
    fail "expected $wanted editor call(s), got $(cat "$FAKE_NOTEPAD_LOG.count" 2>/dev/null || echo 0)"
}

editor_calls() {
    cat "$FAKE_NOTEPAD_LOG.count" 2>/dev/null || echo 0
}

# Clicks the middle of tab n of the tab strip: three tabs to a row, rows of
# 20 pixels from the top of the tab control, the strip as wide as the window.
click_tab() {
    local column=$(( $1 % 3 )) row=$(( $1 / 3 ))
    local width=$(( 468 / 3 ))
    xdotool mousemove --window "$window" $(( (column * width + width / 2) * scale )) $(( (8 + row * 20 + 10) * scale )) click 1
    sleep 0.2
}

# Waits until a visible window whose title matches the pattern appears and
# prints its id.
wait_for_window() {
    local found=""
    for _ in $(seq 100); do
        found="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)"
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.05
    done
    fail "no window titled '$1' appeared"
}

# Waits until the window is no longer on screen.
wait_until_gone() {
    for _ in $(seq 100); do
        xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable" || return 0
        sleep 0.05
    done
    fail "window $1 is still on screen"
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
    for _ in $(seq $((seconds * 20))); do
        kill -0 "$program_pid" 2>/dev/null || return 0
        sleep 0.05
    done
    fail "the program still runs $seconds s after its window was closed"
}
