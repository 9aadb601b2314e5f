#!/usr/bin/env bash
# The Windows program from its zip, under Wine: the window opens with its
# texts and pictures; a lookup typed with the keyboard writes SegmInfo.txt
# in Windows-1251 with CR LF, byte for byte the database's block, and starts
# exactly "notepad.exe <full path>"; a document button and a document tab
# start the editor with their files; a link copies its address to the
# clipboard, which keeps it after the program has ended; the About window
# opens and closes.
source "$(dirname "$0")/lib/lib.bash"
start_program
echo "Wine: the window was mapped ${startup_ms} ms after the launch"
screenshot windows-main.png "$window"

# The lookup, with the arrow button, then again with Enter.
report="$program_dir/SegmInfo.txt"
expected_call="notepad.exe $program_windows\\SegmInfo.txt"
look_up 05 3
wait_for_editor_calls 1
[ "$(editor_call 1)" = "$expected_call" ] || fail "the editor was started as '$(editor_call 1)', not '$expected_call'"

database_block 5.3 "$program_dir/SEGM_WIN_ALL.txt" > "$work/expected"
[ -s "$work/expected" ] || fail "the sample database has no block for 5.3"
cmp -s "$work/expected" "$report" || fail "SegmInfo.txt differs from the database's block"
cmp -s "$report" "$FAKE_NOTEPAD_LOG.1" || fail "the report changed after the editor was started"

rm -f "$report"
type_query 5 1A
xdotool key --clearmodifiers Return
wait_for_editor_calls 2
[ "$(editor_call 2)" = "$expected_call" ] || fail "Enter started '$(editor_call 2)'"
header="$(printf '\321\305\303\314 5.')"
head -c "$(stat -c %s "$report")" "$report" | LC_ALL=C grep -q "^$header" || fail "Enter wrote no report of segment 5"

# A document tab, then its button.
click_tab 1
wait_for_editor_calls 3
[ "$(editor_call 3)" = "notepad.exe $program_windows\\TipOb.txt" ] || fail "the tab started '$(editor_call 3)'"
click_on_tab 120 960 6495 3735
wait_for_editor_calls 4
[ "$(editor_call 4)" = "notepad.exe $program_windows\\TipOb.txt" ] || fail "the button started '$(editor_call 4)'"
click_tab 8
wait_for_editor_calls 5
[ "$(editor_call 5)" = "notepad.exe $program_windows\\YTP.txt" ] || fail "the last tab started '$(editor_call 5)'"

# A link and its picture copy the same address, and only it. A click's
# copy is read once the clipboard no longer holds what was there before:
# Wine takes the clipboard over a moment after the click.
copied_by_click() {
    local before
    before="$(clipboard_text)"
    click_on_tab "$@"
    within "$wait_steps" clipboard_differs_from "$before" || true
    clipboard_text
}

clipboard_differs_from() {
    [ "$(clipboard_text)" != "$1" ]
}

click_tab 6
sleep 0.3
[ "$(editor_calls)" -eq 5 ] || fail "the links tab started an editor"
printf 'earlier' | xclip -selection clipboard -i
site="$(copied_by_click 2400 1800 4215 615)"       # Label2
case "$site" in
    http*://*) ;;
    *) fail "Label2 put '$site' on the clipboard" ;;
esac
printf 'earlier' | xclip -selection clipboard -i
picture="$(copied_by_click 2400 1200 4215 615)"    # Picture3
[ "$picture" = "$site" ] || fail "Picture3 did not copy $site"
forum="$(copied_by_click 120 4080 4215 615)"       # Label3
case "$forum" in
    http*://*) [ "$forum" != "$site" ] || fail "Label3 copied the site's address" ;;
    *) fail "Label3 put '$forum' on the clipboard" ;;
esac

# The About window opens from its button and closes with Esc.
click_tab 7
click_on_tab 1680 3600 735 975          # Command8
about="$(wait_for_window '^ $')"
sleep 0.5
screenshot windows-about.png
dismiss "$about" Escape
kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.err")"

# The copied address outlives the program, to be pasted into a browser.
close_program
[ "$(clipboard_text)" = "$forum" ] || fail "the clipboard lost $forum when the program ended"
echo "Windows main window under Wine: ok"
