#!/usr/bin/env bash
# The Windows program on a full disk under Wine: a small tmpfs mapped as
# Wine's drive T: holds the program folder and is then filled. A lookup
# keeps the old report byte for byte, says in Russian that the disk is
# full, naming the report, starts no editor and leaves no temporary file.
source "$(dirname "$0")/lib/lib.bash"

disk="$work/disk"
mkdir "$disk"
size_kb=$(( $(unzip -l "$zip" | tail -n1 | awk '{ print $1 }') / 1024 + 1024 ))
if ! mount -t tmpfs -o "size=${size_kb}k" zornalit-wine-e2e "$disk" 2>/dev/null; then
    echo "full disk under Wine: skipped (mounting a tmpfs is not permitted)"
    exit 77
fi
drive="$WINEPREFIX/dosdevices/t:"
# The program runs from the disk: it goes first, then the drive and the
# disk, then the shared cleanup.
cleanup_disk() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -f "$drive"
    umount -l "$disk" 2>/dev/null || true
    cleanup
}
trap cleanup_disk EXIT
mkdir -p "$WINEPREFIX/dosdevices"
rm -f "$drive"
ln -s "$disk" "$drive"

program_windows='T:\Зорналит'
program_dir="$disk/Зорналит"
start_program

printf '\321\305\303\314 1.1.\r\nthe report of the last lookup\r\n' > "$program_dir/SegmInfo.txt"
cp "$program_dir/SegmInfo.txt" "$work/report.before"
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || true
[ "$(df --output=avail -k "$disk" | tail -n1 | tr -d ' ')" -eq 0 ] || fail "the disk could not be filled"

look_up 05 3
box="$(wait_for_window '^Ошибка!$')"
text="$(error_box_text "$box")"
grep -qF "«$program_windows\\SegmInfo.txt»" <<<"$text" || fail "the box does not name the report: $text"
grep -q 'не хватает места на диске' <<<"$text" || fail "the box does not say the disk is full: $text"
dismiss "$box"
cmp -s "$program_dir/SegmInfo.txt" "$work/report.before" || fail "the old report was changed"
[ "$(editor_calls)" -eq 0 ] || fail "the editor was started: $(editor_call 1)"
ls "$program_dir" | grep -q '\.tmp$' && fail "a temporary file was left in the program folder"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.err")"
echo "full disk under Wine: ok"
