#!/usr/bin/env bash
# On a screen too small for the enlarged windows (Qt's scale factor 2 on an
# 800 x 600 screen), the top-left corner of each window's frame, with the
# title bar, stays on the screen, so the window can still be moved.
E2E_SCREEN=800x600
E2E_SCALE=2
source "$(dirname "$0")/lib/lib.sh"
start_program
sleep 0.5

on_screen() {
    local what=$1 x y width height
    read -r x y width height < <(frame_of "$2")
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ "$x" -lt 800 ] && [ "$y" -lt 600 ] \
        || fail "the $what's frame starts off the screen, at $x,$y"
}

read -r _ _ width height < <(frame_of "$window")
[ "$width" -gt 800 ] && [ "$height" -gt 600 ] || fail "the main window (${width}x${height}) should not fit the screen here"
on_screen "main window" "$window"

click_tab 7
click_on_tab 1680 3600 735 975      # Command8
about="$(wait_for_window '^ $')"
sleep 0.5
on_screen "About window" "$about"
dismiss "$about" Escape
echo "large scale end to end: ok"
