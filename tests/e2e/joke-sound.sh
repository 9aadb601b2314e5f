#!/usr/bin/env bash
# The hidden joke plays its two sounds through the sound module, which the
# program loads from beside itself only then. With the module in place the
# joke ends without an error box, having reached the audio output (here
# none: the sound server is pointed at nothing, and the module says so once
# on stderr). With E2E_NO_SOUND_MODULE=1 the program runs from a copy of its
# folder without the module: the window opens as ever, and the joke ends in
# an "Ошибка!" box. With E2E_LARGE_STORED_SOUND=1 statsa.dll is a sparse
# file of 2 GB: the box comes at once, and nothing is copied. No copy of a
# sound is left behind, nor is there one while an error box is up.
no_module="${E2E_NO_SOUND_MODULE:-0}"
large_stored="${E2E_LARGE_STORED_SOUND:-0}"
if [ "$no_module" = 1 ] || [ "$large_stored" = 1 ]; then
    copy="$(mktemp -d)"
    cp -a "${ZORNALIT_INSTALLED:?}/." "$copy/"
    [ "$no_module" = 1 ] && rm -f "$copy"/zornalit-sound.*
    [ "$large_stored" = 1 ] && truncate -s 2G "$copy/statsa.dll"
    export ZORNALIT_INSTALLED="$copy"
fi
source "$(dirname "$0")/lib/lib.sh"
[ -n "${copy:-}" ] && trap 'cleanup; rm -rf "$copy"' EXIT
export PULSE_SERVER="unix:/nonexistent/zornalit-e2e-socket"
size_at_start="$(du -s -BM "$program_dir" | cut -f1)"
start_program

click_tab 6
play_joke

no_copies() {
    local left
    left="$(cd "$program_dir" && ls -d Ostatsa.wav* Mgnoven.wav* 2>/dev/null || true)"
    [ -z "$left" ] || fail "$1: $left"
}
if [ "$no_module" = 1 ] || [ "$large_stored" = 1 ]; then
    error="$(wait_for_window '^Ошибка!$')"
    no_copies "a copy of a sound stays in the folder while the error box is up"
    # The folder holds no more than it did at start.
    [ "$(du -s -BM "$program_dir" | cut -f1)" = "$size_at_start" ] ||
        fail "the program folder grew from $size_at_start: $(du -s -BM "$program_dir")"
    dismiss "$error"
else
    sleep 1.5
    if visible_window '^Ошибка!$' >/dev/null; then
        fail "the joke ended in an error box: $(cat "$work/program.err")"
    fi
    grep -q "нет устройства вывода звука" "$work/program.err" ||
        fail "the sound module did not reach the audio output: $(cat "$work/program.err")"
fi
no_copies "a copy of a sound was left in the program folder"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.err")"
echo "joke sound end to end: ok"
