# Driving the program's main window over X, shared by the end-to-end checks
# on Linux (lib.sh) and under Wine (../../windows-e2e/lib/lib.bash): clicks at
# control positions given in twips, as the window lays them out, typing, and
# waiting for windows and for calls of the recording editor. Sourced, not run.
#
# The library that sources this sets failure_screenshot, defines
# editor_calls (how many times the recording editor was called) and
# stop_display, and sets window and program_pid once the program runs. It
# may change the paces below to suit a slower host.

program_pid=""
window=""
# The check's own folder, with the recording editor's log.
work="$(mktemp -d)"
export FAKE_NOTEPAD_LOG="$work/notepad.log"

# Ends the program, then the display, and removes the check's folder.
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    stop_display
    rm -rf "$work"
}
trap cleanup EXIT

# Qt's whole-number scale factor of the program's windows.
scale=1
# How long a wait for a window or an editor call lasts, and the wait for the
# main window at start, in steps of 0.05 s.
wait_steps=100
startup_steps=200
# The pause after a click, in seconds, and between typed keys, in ms, that
# lets the program take each one in.
click_pause=0.2
typing_delay=50

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$FAKE_NOTEPAD_LOG" ]; then
        echo "--- editor calls:" >&2
        cat "$FAKE_NOTEPAD_LOG" >&2
    fi
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null 2>&1; then
        import -window root "$failure_screenshot" 2>/dev/null || true
    fi
    exit 1
}

# The text on the clipboard; nothing when there is none.
clipboard_text() {
    xclip -selection clipboard -o 2>/dev/null || true
}

# Runs the command every 0.05 s until it succeeds, at most n times; false
# when it never did.
within() {
    local steps="$1"
    shift
    for _ in $(seq "$steps"); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# Prints the id of a visible window whose title matches the pattern; false
# when there is none.
visible_window() {
    local found
    found="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)"
    [ -n "$found" ] && echo "$found"
}

# Waits until a visible window whose title matches the pattern appears and
# prints its id.
wait_for_window() {
    within "$wait_steps" visible_window "$1" || fail "no window titled '$1' appeared"
}

# Waits until the window is no longer on screen.
wait_until_gone() {
    within "$wait_steps" not_on_screen "$1" || fail "window $1 is still on screen"
}

not_on_screen() {
    ! xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"
}

# Waits for the main window of the program just started and sets window;
# fails at once when the program ends instead.
wait_for_main_window() {
    window=""
    for _ in $(seq "$startup_steps"); do
        window="$(visible_window '^Зорналит$' || true)"
        [ -n "$window" ] && return 0
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended at start: $(cat "$work/program.err")"
        sleep 0.05
    done
    fail "no window titled Зорналит appeared"
}

# Waits until the recording editor has been called n times.
wait_for_editor_calls() {
    within "$wait_steps" editor_called "$1" || fail "expected $1 editor call(s), got $(editor_calls)"
}

editor_called() {
    [ "$(editor_calls)" -ge "$1" ]
}

# Clicks at a point given in twips relative to the window's client area.
click_twips() {
    xdotool mousemove --window "$window" $(( $1 / 15 * scale )) $(( $2 / 15 * scale )) click 1
    sleep "$click_pause"
}

# Clicks the middle of a control on a tab: its left, top, width and height in
# twips relative to the tab control, which sits 120 twips below the top.
click_on_tab() {
    click_twips $(( $1 + $3 / 2 )) $(( 120 + $2 + $4 / 2 ))
}

# Clicks the middle of tab n of the tab strip: three tabs to a row, rows of
# 20 pixels from the top of the tab control, the strip as wide as the window.
click_tab() {
    local column=$(( $1 % 3 )) row=$(( $1 / 3 )) width=$(( 468 / 3 ))
    xdotool mousemove --window "$window" $(( (column * width + width / 2) * scale )) $(( (8 + row * 20 + 10) * scale )) \
        click 1
    sleep "$click_pause"
}

# Types a segment and a step into their boxes, clicking each box first.
type_query() {
    click_on_tab 2880 1200 1095 945     # Segm
    xdotool type --delay "$typing_delay" "$1"
    click_on_tab 4440 1200 1095 945     # Sag
    xdotool type --delay "$typing_delay" "$2"
}

# Types a query and presses the arrow button with the mouse.
look_up() {
    type_query "$1" "$2"
    click_on_tab 5880 1320 615 615      # the arrow button
}

# Types the joke's trigger into Text1 of the links tab and clicks it, then
# closes the joke's message. The sixteen keys go at a quicker, fixed pace
# on every host, as the joke checks were tuned with.
play_joke() {
    local message
    click_on_tab 120 2760 4215 285      # Text1
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 30 "5555555555555555"
    click_on_tab 120 2760 4215 285
    message="$(wait_for_window '^Фронтальная проверка :-\($')"
    dismiss "$message"
}

# Closes a message box or dialog with a key, Enter unless told, and waits
# until it is gone.
dismiss() {
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    sleep 0.2
    xdotool key --clearmodifiers "${2:-Return}"
    wait_until_gone "$1"
}
