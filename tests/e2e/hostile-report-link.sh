#!/usr/bin/env bash
# The report in the installed program's folder is a link to a file elsewhere:
# a lookup replaces the link with the report and leaves that file alone.
source "$(dirname "$0")/lib/lib.sh"

report="$program_dir/SegmInfo.txt"
outside="$work/outside.txt"
printf 'a file outside the program folder\n' > "$outside"
cp "$outside" "$work/outside.before"
rm -f "$report"
ln -s "$outside" "$report"
trap 'rm -f "$report"; cleanup' EXIT

start_program
look_up 5 3
wait_for_editor_calls 1

[ -L "$report" ] && fail "the report is still a link"
[ -f "$report" ] || fail "no report was written"
cmp -s "$outside" "$work/outside.before" || fail "the file the link pointed to was written"
head -c 9 "$report" | cmp -s - <(printf '\321\305\303\314 5.3.') || fail "the report does not start with the block's header"
ls "$program_dir" | grep -q '\.tmp$' && fail "a temporary file was left in the program folder"
echo "report link end to end: ok"
