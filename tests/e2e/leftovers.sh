#!/usr/bin/env bash
# Leftovers of runs cut short (temporary files of the report and of the sound
# copies, old copies) go when the program starts; a temporary file another
# instance still holds, a fresh copy, the program's own files and a link's
# target stay.
source "$(dirname "$0")/lib/lib.sh"

holder=""
trap '[ -n "$holder" ] && kill "$holder" 2>/dev/null; find "$program_dir" -maxdepth 1 \( -name "*.tmp" -o -name "*.wav" \) -delete; cleanup' EXIT

for i in $(seq 2000); do
    printf -v name 'SegmInfo.txt.%06x.tmp' "$i"
    : > "$program_dir/$name"
done
for name in Ostatsa.wav.abc123.tmp Mgnoven.wav.00ff00.tmp Ostatsa.wav; do
    printf 'left' > "$program_dir/$name"
done
touch -d '1 hour ago' "$program_dir/Ostatsa.wav"
printf 'fresh' > "$program_dir/Mgnoven.wav"
printf 'outside' > "$work/outside.txt"
ln -s "$work/outside.txt" "$program_dir/SegmInfo.txt.1ed1ed.tmp"
# A second instance writing its report: the lock is held as it would be.
held="$program_dir/SegmInfo.txt.c0ffee.tmp"
: > "$held"
flock --nonblock --no-fork "$held" sleep 60 &
holder=$!
for _ in $(seq 50); do
    flock --nonblock "$held" true 2>/dev/null || break
    sleep 0.1
done

start_program
for _ in $(seq 100); do
    [ "$(ls "$program_dir" | grep -c '\.tmp$')" -le 1 ] && break
    sleep 0.1
done

left="$(ls "$program_dir" | grep -E '\.tmp$|\.wav$' | tr '\n' ' ')"
[ "$left" = "Mgnoven.wav SegmInfo.txt.c0ffee.tmp " ] \
    || fail "after start-up the folder holds $(wc -w <<<"$left") such names: $(cut -c1-300 <<<"$left")"
[ "$(cat "$work/outside.txt")" = outside ] || fail "the target of a link was changed"
kill -0 "$holder" 2>/dev/null || fail "the lock on the file in progress was not held throughout"
for name in SEGM_WIN_ALL.txt statsa.dll noven.dll Readme.txt zornalit; do
    [ -e "$program_dir/$name" ] || fail "the program's own $name is gone"
done
echo "leftovers end to end: ok"
