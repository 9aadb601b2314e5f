#!/usr/bin/env bash
# The installed program opens its window centred, looks a fault up typed
# with the mouse and keyboard, hands the report to the editor, and ends at
# once when its window is closed.
source "$(dirname "$0")/lib/lib.sh"

report="$program_dir/SegmInfo.txt"
rm -f "$report"
start_program

# The window: its client area is 468 x 327 and its frame, title bar
# included, stands in the middle of the 1024 x 768 screen.
info="$(xwininfo -id "$window")"
x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
width=$(awk '/^ *Width:/ { print $NF }' <<<"$info")
height=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
[ "$width" -eq 468 ] && [ "$height" -eq 327 ] || fail "client area is ${width}x${height}"
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
centre_x=$(( x - left + (left + width + right) / 2 ))
centre_y=$(( y - top + (top + height + bottom) / 2 ))
off_x=$(( centre_x - 512 )) off_y=$(( centre_y - 384 ))
[ "${off_x#-}" -le 2 ] || fail "not centred across: frame centre at x=$centre_x"
[ "${off_y#-}" -le 2 ] || fail "not centred down: frame centre at y=$centre_y"

look_up 05 3
wait_for_editor_calls 1

grep -qxF "call 1 argc 1" "$FAKE_NOTEPAD_LOG" || fail "the editor was not called with one argument"
grep -qxF "arg $report" "$FAKE_NOTEPAD_LOG" || fail "the editor was not given $report"

# The report is the block of segment 5, step 3, copied byte for byte from the
# database up to its terminator line, every line ended by CR LF.
database_block 5.3 "$program_dir/SEGM_WIN_ALL.txt" > "$work/expected"
[ -s "$work/expected" ] || fail "the sample database has no block for 5.3"
cmp -s "$work/expected" "$report" || fail "the report differs from the database's block"
cmp -s "$report" "$FAKE_NOTEPAD_LOG.file1" || fail "the report changed after the editor was started"

# Closing the window ends the program within a second and writes nothing.
before="$(md5sum < "$report")"
close_and_expect_end 1
[ "$(md5sum < "$report")" = "$before" ] || fail "closing changed the report"
program_pid=""
echo "lookup end to end: ok"
