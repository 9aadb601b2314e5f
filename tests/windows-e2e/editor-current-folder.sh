#!/usr/bin/env bash
# A notepad.exe in the folder the program is started from (a downloads
# folder, say) is never started under Wine: the editor is looked for in the
# program, system and Windows folders and on PATH, so Wine's own Notepad
# opens the report.
E2E_WINE_NOTEPAD=1
E2E_NOTEPAD_IN_CURRENT_FOLDER=1
source "$(dirname "$0")/lib/lib.bash"
start_program
look_up 05 3
opened() { [ "$(editor_calls)" -gt 0 ] || visible_window 'SegmInfo' >/dev/null; }
within "$wait_steps" opened || fail "no editor opened the report"
sleep 1
[ "$(editor_calls)" -eq 0 ] || fail "the notepad.exe in the current folder was started: $(editor_call 1)"
visible_window 'SegmInfo' >/dev/null || fail "Wine's own Notepad did not open the report"
echo "the current folder's notepad.exe under Wine: not started, ok"
