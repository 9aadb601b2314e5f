#!/usr/bin/env bash
# A stored sound whose header lies under Wine: 100 s of 8 kHz 8-bit mono
# whose byte rate says 100 times more, so that MCI takes it for one second.
# The program works the length out from the file's chunks and refuses it at
# once, in one Russian box naming the copy, instead of holding the window for
# the 100 s that MCI would play; the window answers afterwards, and no copy
# is left. A sound server runs so that MCI would play, were it asked.
source "$(dirname "$0")/lib/lib.bash"

start_sound_server
start_program

# A number as that many bytes, little-endian.
little_endian() {
    local value="$1" count="$2" i
    for ((i = 0; i < count; i++)); do
        printf '%b' "\\x$(printf %02x $((value >> 8 * i & 255)))"
    done
}

# The header, field by field; the data is 8-bit silence.
lying_wav() {
    local data=800000
    printf RIFF; little_endian $((36 + data)) 4; printf 'WAVEfmt '; little_endian 16 4
    little_endian 1 2; little_endian 1 2; little_endian 8000 4; little_endian $((8000 * 100)) 4
    little_endian 1 2; little_endian 8 2
    printf data; little_endian "$data" 4
    head -c "$data" /dev/zero | tr '\0' '\200'
}
lying_wav > "$program_dir/statsa.dll"
[ "$(stat -c %s "$program_dir/statsa.dll")" = 800044 ] || fail "the lying sound was not written whole"

click_tab 6
started=$(date +%s)
play_joke
box="$(within 400 visible_window '^Ошибка!$' || true)"
waited=$(($(date +%s) - started))
[ -n "$box" ] || fail "no error box within 20 s: the lying sound holds the window"
text="$(error_box_text "$box")"
echo "the lying sound was refused after ${waited} s: $text"
copy="$program_windows\\Ostatsa.wav"
grep -qF "Не удалось открыть звуковой файл «$copy»: звук длиннее 60 с" <<<"$text" \
    || fail "the error box does not name the copy and its length: $text"
dismiss "$box"
sleep 1
visible_window '^Ошибка!$' >/dev/null && fail "more than one error box"
for sound in Ostatsa.wav Mgnoven.wav; do
    [ ! -e "$program_dir/$sound" ] || fail "$sound was left in the program folder"
done
# The window answers at once: the joke starts again, and is refused again.
play_joke
box="$(within 400 visible_window '^Ошибка!$' || true)"
[ -n "$box" ] || fail "no error box the second time"
dismiss "$box"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.err")"
echo "lying sound under Wine: ok"
