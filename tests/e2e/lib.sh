# Shared by the end-to-end checks: a virtual display with a window manager,
# the installed program started on it with a recording editor on PATH, and
# mouse clicks at control positions given in twips, as the window lays them
# out. Each check sources this file, then calls start_program.

set -euo pipefail

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
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.05
    done
    [ -s "$fd_file" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fd_file")"
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    sleep 0.5
}

# Starts the installed program with the recording editor first on PATH.
start_program() {
    start_display
    (
        cd /
        unset QT_QPA_PLATFORM
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
    local x=$(( $1 / 15 )) y=$(( $2 / 15 ))
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.2
}

# Clicks the middle of a control on a tab: its left, top, width and height in
# twips relative to the tab control, which sits 120 twips below the top.
click_on_tab() {
    click_twips $(( $1 + $3 / 2 )) $(( 120 + $2 + $4 / 2 ))
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
    xdotool mousemove --window "$window" $(( column * width + width / 2 )) $(( 8 + row * 20 + 10 )) click 1
    sleep 0.2
}
