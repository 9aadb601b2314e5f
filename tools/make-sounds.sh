#!/bin/bash
# Remakes the two sample sounds of the program folder (data/): short Russian
# words spoken by espeak-ng, trimmed of silence and normalised by sox to
# 22050 Hz, 16-bit, mono PCM WAV. The program keeps them under names that do
# not end in ".wav", so the WAV type is named explicitly.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
target="$here/../data"

for tool in espeak-ng sox; do
    command -v "$tool" > /dev/null || { echo "$tool is missing (Debian package $tool)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# speak <file name> <words>
speak() {
    local name=$1 words=$2
    espeak-ng -v ru -s 105 -p 45 -w "$work/spoken.wav" "$words"
    # Trim the silence at both ends, leave a short pause before and after,
    # soften the edges and bring the peak to -1 dB.
    # The fade needs the trimmed length, so it runs in a second pass; -R keeps
    # the dither the same from run to run, so remaking changes nothing.
    sox -R "$work/spoken.wav" "$work/trimmed.wav" \
        silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse
    sox -R "$work/trimmed.wav" -r 22050 -c 1 -b 16 -e signed-integer -t wav "$work/$name.wav" \
        fade t 0.01 -0 0.03 pad 0.05 0.25 norm -1
    mv "$work/$name.wav" "$target/$name"
    echo "$target/$name: $(soxi -D "$target/$name") s"
}

speak statsa.dll "Осталось"
speak noven.dll "мгновение!"
