#!/usr/bin/env bash
# The start-up cleaning under Wine, which follows a symbolic link even when
# asked to open the link itself: links at leftover names, pointing outside
# the program folder, never cost their targets, while a stale leftover
# copy goes even though it is read-only.
source "$(dirname "$0")/lib/lib.bash"

outside="$work/outside"
before_start() {
    mkdir -p "$outside"
    printf 'outside\n' > "$outside/secret.txt"
    printf 'outside too\n' > "$outside/other.txt"
    touch -d '2 hours ago' "$outside/secret.txt" "$outside/other.txt"
    ln -s "$outside/secret.txt" "$program_dir/Ostatsa.wav"
    ln -s "$outside/other.txt" "$program_dir/SegmInfo.txt.0a1b2c.tmp"
    # A copy left by a run cut short, marked read-only (Wine shows a file
    # without write permission as read-only).
    printf 'RIFF left behind' > "$program_dir/Mgnoven.wav"
    touch -d '2 hours ago' "$program_dir/Mgnoven.wav"
    chmod a-w "$program_dir/Mgnoven.wav"
}
start_program

gone() { [ ! -e "$program_dir/Mgnoven.wav" ]; }
within "$startup_steps" gone || fail "the read-only leftover copy was not cleaned away"
sleep 1
[ "$(cat "$outside/secret.txt" 2>/dev/null)" = outside ] || fail "the target of the link Ostatsa.wav was removed"
[ "$(cat "$outside/other.txt" 2>/dev/null)" = 'outside too' ] || fail "the target of a temporary file's link was removed"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.err")"
echo "leftover links under Wine: their targets stay, a read-only copy goes: ok"
