#!/usr/bin/env bash
# The About window is an ordinary window of its own: no owner named, put
# where the window manager puts new windows (not centred on the screen nor
# on the main window), modal while shown, closed by Esc.
source "$(dirname "$0")/lib/lib.sh"
start_program

# The operator has moved the main window away from the middle.
xdotool windowmove --sync "$window" 40 60 2>/dev/null || xdotool windowmove "$window" 40 60
sleep 0.5
read -r main_x main_y main_width main_height < <(frame_of "$window")

click_tab 7
click_on_tab 1680 3600 735 975      # Command8, the icon button
about="$(wait_for_window '^ $')"
sleep 0.3

xprop -id "$about" WM_TRANSIENT_FOR | grep -q "not found" || fail "the About window names an owner: $(xprop -id "$about" WM_TRANSIENT_FOR)"
xprop -id "$about" _NET_WM_WINDOW_TYPE | grep -q "_NET_WM_WINDOW_TYPE_NORMAL" \
    || fail "the About window is not a normal window: $(xprop -id "$about" _NET_WM_WINDOW_TYPE)"

read -r x y width height < <(frame_of "$about")
centre_x=$(( x + width / 2 )) centre_y=$(( y + height / 2 ))
read -r screen_width screen_height < <(xdpyinfo 2>/dev/null | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
away_from() {
    local dx=$(( centre_x - $1 )) dy=$(( centre_y - $2 ))
    [ $(( ${dx#-} + ${dy#-} )) -gt 20 ]
}
away_from $(( screen_width / 2 )) $(( screen_height / 2 )) || fail "the About window is centred on the screen at $x,$y"
away_from $(( main_x + main_width / 2 )) $(( main_y + main_height / 2 )) || fail "the About window is centred on the main window at $x,$y"

# Modal: a document tab of the main window does not answer.
click_tab 8
sleep 0.5
[ "$(editor_calls)" -eq 0 ] || fail "the main window took a click while the About window was shown"
xwininfo -id "$about" | grep -q IsViewable || fail "a click on the main window closed the About window"

dismiss "$about" Escape

# The main window answers again.
click_tab 8
wait_for_editor_calls 1
echo "About window end to end: ok"
