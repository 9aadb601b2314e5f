#!/usr/bin/env bash
# The installed program on a disk with no room left: a lookup keeps the old
# report byte for byte, says so in an error box, and starts no editor.
source "$(dirname "$0")/lib/lib.sh"

disk="$work/disk"
mkdir "$disk"
size_kb=$(( $(du -sk "$program_dir" | cut -f1) + 512 ))
if ! mount -t tmpfs -o "size=${size_kb}k" zornalit-e2e "$disk" 2>/dev/null; then
    echo "full disk end to end: skipped (mounting a tmpfs is not permitted)"
    exit 77
fi
# The program runs from the disk, so it goes first, then the disk, then the
# rest of the shared cleanup.
cleanup_disk() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
        program_pid=""
    fi
    umount -l "$disk" 2>/dev/null || true
    cleanup
}
trap cleanup_disk EXIT

cp -a "$program_dir/." "$disk/"
program_dir="$disk"
printf '\321\305\303\314 1.1.\r\nthe report of the last lookup\r\n' > "$disk/SegmInfo.txt"
cp "$disk/SegmInfo.txt" "$work/report.before"
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || true
[ "$(df --output=avail -k "$disk" | tail -n1 | tr -d ' ')" -eq 0 ] || fail "the disk could not be filled"

start_program
look_up 5 3

wait_for_window '^Ошибка!$' >/dev/null
cmp -s "$disk/SegmInfo.txt" "$work/report.before" || fail "the old report was changed"
[ "$(editor_calls)" -eq 0 ] || fail "the editor was started"
ls "$disk" | grep -q '\.tmp$' && fail "a temporary file was left in the program folder"
echo "full disk end to end: ok"
