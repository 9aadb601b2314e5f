#!/usr/bin/env bash
# The report held open by another program under Wine (as a viewer, a backup
# agent or a virus scanner holds it: reading and writing shared, removal
# not), so that it cannot be replaced by a rename: a lookup still writes
# the new block into it, byte for byte, and starts the editor on it, with
# no message and no temporary file left.
source "$(dirname "$0")/lib/lib.bash"
start_program

report="$program_dir/SegmInfo.txt"
printf '\321\305\303\314 1.1.\r\nthe report of an earlier lookup, longer than most\r\n' > "$report"
hold_file "$program_windows\\SegmInfo.txt"

look_up 05 3
wait_for_editor_calls 1
expected_call="notepad.exe $program_windows\\SegmInfo.txt"
[ "$(editor_call 1)" = "$expected_call" ] || fail "the editor was started as '$(editor_call 1)', not '$expected_call'"
database_block 5.3 "$program_dir/SEGM_WIN_ALL.txt" > "$work/expected"
cmp -s "$work/expected" "$report" || fail "the held report is not the database's block"
still_held
ls "$program_dir" | grep -q '\.tmp$' && fail "a temporary file was left in the program folder"
[ -z "$(visible_window '^Ошибка!$')" ] || fail "an error was shown: $(error_box_text "$(visible_window '^Ошибка!$')")"
release_file
echo "a held report under Wine: ok"
