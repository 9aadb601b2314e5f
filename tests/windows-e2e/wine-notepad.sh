#!/usr/bin/env bash
# Once with Wine's own Notepad in place of the stand-in: a lookup opens the
# report there, and Notepad's window shows its Cyrillic text, read in code
# page 1251 (screenshot windows-notepad-report.png).
E2E_WINE_NOTEPAD=1
source "$(dirname "$0")/lib/lib.bash"
start_program
type_query 05 3
xdotool key --clearmodifiers Return
notepad="$(wait_for_window 'SegmInfo')"
sleep 1
[ "$(editor_calls)" -eq 0 ] || fail "the stand-in editor was started"
# Notepad's text, through the clipboard: all of it, as Windows-1251 read.
xdotool windowactivate --sync "$notepad" 2>/dev/null || true
printf '' | xclip -selection clipboard -i
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.5
shown="$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r' || true)"
expected="$(iconv -f CP1251 -t UTF-8 "$program_dir/SegmInfo.txt" | tr -d '\r')"
[ "$shown" = "$expected" ] || fail "Notepad shows '$shown' instead of the report"
xdotool key --clearmodifiers ctrl+Home
sleep 0.3
screenshot windows-notepad-report.png
echo "Wine's Notepad shows the report: ok"
