#!/usr/bin/env bash
# Selecting a document tab with the mouse opens that document in the editor,
# once, with its full path as one argument, although the program folder's
# path holds spaces; the other tabs open nothing.
source "$(dirname "$0")/lib/lib.sh"
case "$program_dir" in
    *" "*) ;;
    *) fail "the program folder's path should hold a space: $program_dir" ;;
esac
start_program
sleep 0.5
[ "$(editor_calls)" -eq 0 ] || fail "start-up opened a document"

# The arguments of editor call n, one per line.
call_arguments() {
    awk -v n="$1" '/^call / { current = ($2 == n) ; next } current && /^arg / { print substr($0, 5) }' "$FAKE_NOTEPAD_LOG"
}

calls=0
expect_document() {
    local tab=$1 file=$2
    click_tab "$tab"
    calls=$(( calls + 1 ))
    wait_for_editor_calls "$calls"
    sleep 0.3
    [ "$(editor_calls)" -eq "$calls" ] || fail "tab $tab started more than one editor"
    [ "$(call_arguments "$calls")" = "$program_dir/$file" ] \
        || fail "tab $tab opened '$(call_arguments "$calls")' instead of $program_dir/$file"
}

expect_nothing() {
    click_tab "$1"
    sleep 0.5
    [ "$(editor_calls)" -eq "$calls" ] || fail "tab $1 started an editor"
}

expect_document 1 TipOb.txt
expect_document 2 MicroTest.txt
expect_document 3 Obr_IT.txt
expect_document 4 BG_VVK_YVP.txt
expect_document 5 YSK.txt
expect_document 8 YTP.txt
expect_nothing 8        # already selected: no new selection
expect_nothing 6
expect_nothing 7
expect_nothing 0
expect_document 8 YTP.txt
echo "documents end to end: ok"
