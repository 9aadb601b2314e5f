#!/usr/bin/env bash
# A message box closes, and the operator clicks into the segment box to type
# anew: the box empties itself, with a window manager and without one (then
# the main window is activated only after the click). Enter presses the
# arrow button once the Tab key has brought the focus to it, and the message
# box's button too.
source "$(dirname "$0")/lib/lib.sh"
report="$program_dir/SegmInfo.txt"
start_program

ask() {
    type_query "$1" "$2"
    xdotool key Tab                     # to the arrow button
    sleep 0.2
    xdotool key Return
}

# A segment of three characters is an error.
ask 123 3
message="$(wait_for_window '^Ошибка!$')"
sleep 0.3
xdotool key Return
wait_until_gone "$message"
sleep 0.3

# Typed into a box that did not empty, the segment would read 12305.
ask 05 3
wait_for_editor_calls 1
grep -qxF "arg $report" "$FAKE_NOTEPAD_LOG" || fail "the editor was not given $report"
echo "back from a message box ($window_manager): ok"
