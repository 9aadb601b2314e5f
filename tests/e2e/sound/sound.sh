#!/usr/bin/env bash
# Plays the two sample sounds through the real sound device into a private
# PulseAudio server with a null sink, records the sink's monitor, and checks
# that the recording holds both sounds one after the other, to their end,
# although their WAV copies were deleted right after the second "Close".
#
# Usage: sound.sh PROBE DATA_FOLDER
# Exit code 77 (skipped) when pulseaudio or parec is not installed.
set -euo pipefail

probe="$1"
data="$2"

for tool in pulseaudio parec; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
for tool in pactl pacat sox soxi; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

work="$(mktemp -d)"
chmod 700 "$work"
mkdir -m 700 "$work/runtime" "$work/home"
export XDG_RUNTIME_DIR="$work/runtime"
export PULSE_RUNTIME_PATH="$work/runtime/pulse"
export PULSE_STATE_PATH="$work/state"
export HOME="$work/home"
export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
export QT_QPA_PLATFORM=offscreen

recorder=""
silence=""
cleanup() {
    for helper in $recorder $silence; do
        kill "$helper" 2>/dev/null || true
        wait "$helper" 2>/dev/null || true
    done
    if [ -s "$PULSE_RUNTIME_PATH/pid" ]; then
        local daemon
        daemon="$(cat "$PULSE_RUNTIME_PATH/pid")"
        kill "$daemon" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$daemon" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$daemon" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/pulse.log" ] && tail -n 20 "$work/pulse.log" >&2
    exit 1
}

sink=zornalit_check
pulseaudio -D --system=false --exit-idle-time=-1 --disallow-exit -n \
    --load="module-null-sink sink_name=$sink" \
    --load="module-native-protocol-unix" \
    --log-target="file:$work/pulse.log" 2>/dev/null || fail "pulseaudio did not start"
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null 2>&1 || fail "pulseaudio does not answer"

# A program folder whose path holds a space, with the stored sounds in it.
folder="$work/Program Folder"
mkdir "$folder"
cp "$data/statsa.dll" "$data/noven.dll" "$folder/"

# An idle null sink feeds its monitor nothing, so the recording would begin
# only with the first sound, its first moments lost. A stream of silence
# keeps the sink running from before the recording starts.
pacat --playback -d "$sink" --raw --format=s16le --rate=44100 --channels=1 </dev/zero &
silence=$!
sleep 0.3

parec --latency-msec=20 -d "$sink.monitor" --file-format=wav --rate=44100 --channels=1 "$work/recording.wav" &
recorder=$!
sleep 0.5

"$probe" "$folder" || fail "the probe failed"
sleep 0.5

kill -INT "$recorder"
wait "$recorder" 2>/dev/null || true
recorder=""

[ ! -e "$folder/Ostatsa.wav" ] || fail "Ostatsa.wav was left behind"
[ ! -e "$folder/Mgnoven.wav" ] || fail "Mgnoven.wav was left behind"
cmp -s "$data/statsa.dll" "$folder/statsa.dll" || fail "statsa.dll was changed"
cmp -s "$data/noven.dll" "$folder/noven.dll" || fail "noven.dll was changed"

# Sound, not silence: the loudness of the whole recording.
rms="$(sox --ignore-length "$work/recording.wav" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')"
echo "recording RMS amplitude: $rms"
awk -v rms="$rms" 'BEGIN { exit !(rms > 0.01) }' || fail "the recording is silent (RMS $rms)"

# Both sounds, each to its end: from the first sound to the last, the
# recording lasts as long as the two sounds played back to back. Overlapping
# or cut-short sounds make it shorter, a gap between them longer.
audible() {
    sox --ignore-length "$1" "$work/audible.wav" silence 1 0.01 1% reverse silence 1 0.01 1% reverse
    soxi -D "$work/audible.wav"
}
sox "$data/statsa.dll" "$data/noven.dll" -t wav "$work/expected.wav"
heard="$(audible "$work/recording.wav")"
expected="$(audible "$work/expected.wav")"
echo "audible part: recorded $heard s, expected $expected s"
awk -v heard="$heard" -v expected="$expected" \
    'BEGIN { exit !(heard >= expected - 0.05 && heard <= expected + 0.4) }' \
    || fail "recorded $heard s of sound, expected about $expected s"
echo "PASS"
