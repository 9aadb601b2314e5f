#!/usr/bin/env bash
# Builds the two fuzz targets with clang (address and undefined behaviour
# sanitizers) and runs them for the given number of seconds in all: two
# thirds for the lookup (the query boxes, the database search and the copy
# of the block into the report), one third for the sound decoding.
# Exits non-zero when a fuzzer finds a crash, a broken rule or memory beyond
# its limits; the input that did it is left in the build folder's
# fuzz-artifacts/.
#
#   tools/run-fuzz.sh SECONDS
#   ZORNALIT_FUZZ_BUILD_DIR=/tmp/fuzz tools/run-fuzz.sh 60
set -euo pipefail

seconds=${1:-}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 2 ]; then
    echo "usage: $0 SECONDS (at least 2)" >&2
    exit 2
fi
lookup_seconds=$((seconds * 2 / 3))
sound_seconds=$((seconds - lookup_seconds))

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORNALIT_FUZZ_BUILD_DIR:-$repo/build-fuzz}

mkdir -p "$build"
cmake -S "$repo" -B "$build" \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DZORNALIT_FUZZ=ON \
    -DZORNALIT_BENCH=OFF >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; exit 1; }
cmake --build "$build" --target fuzz_fault_search fuzz_sound_decode -j2

artifacts="$build/fuzz-artifacts"
lookup_corpus="$build/fuzz-corpus"
sound_corpus="$build/fuzz-corpus-sound"
mkdir -p "$artifacts" "$lookup_corpus" "$sound_corpus"

# Lookup seeds: the small example database with a few queries. Byte 0 is the
# read failure point (below 128: none), byte 1 the read chunk and write failure,
# byte 2 the write failure point, byte 3 the typed lengths, then the typed
# characters.
example=$'Title\r\n\xD1\xC5\xC3\xCC 5.3.\r\nfirst\r\n\r\nlast\r\n@\r\n\r\n\xD1\xC5\xC3\xCC 12.1A.\r\none\r\n@ end\r\n'
printf '\x00\x80\x00\x1153%s' "$example" >"$lookup_corpus/seed-5-3"
printf '\x00\x06\x00\x1251F%s' "$example" >"$lookup_corpus/seed-5-1F"
printf '\x00\x81\x80\x22121B%s' "$example" >"$lookup_corpus/seed-12-1B"
printf '\xc0\x00\x00\x1150%s' "$example" >"$lookup_corpus/seed-5-0"

# Sound seeds: tiny files of a few formats.
sox -D -n -r 8000 -c 1 -b 16 "$sound_corpus/seed.wav" trim 0 0.01
sox -D -n -r 8000 -c 1 -e u-law "$sound_corpus/seed-ulaw.wav" trim 0 0.005
sox -D -n -r 8000 -c 2 -b 16 "$sound_corpus/seed.flac" synth 0.02 sine 440
sox -D -n -r 8000 -c 1 "$sound_corpus/seed.aiff" trim 0 0.005

# Runs a fuzz target for the given seconds on its corpus, with inputs of at
# most the given length. A single allocation beyond the limit, or a process
# grown beyond the RSS limit (sanitizer overhead included), is a finding.
# The decoded sound's budget is 16 MB; the lookup needs little whatever its
# input.
fuzz() {
    local target="$1" seconds="$2" max_len="$3" corpus="$4"
    "$build/tests/fuzz/$target" \
        -max_total_time="$seconds" \
        -max_len="$max_len" \
        -malloc_limit_mb=64 \
        -rss_limit_mb=1536 \
        -timeout=10 \
        -print_final_stats=1 \
        -artifact_prefix="$artifacts/" \
        "$corpus"
}

fuzz fuzz_fault_search "$lookup_seconds" 512 "$lookup_corpus"
# The MP3 decoder behind libsndfile complains on stderr about every broken
# frame; those lines are dropped, the fuzzer's own report is kept.
fuzz fuzz_sound_decode "$sound_seconds" 4096 "$sound_corpus" 2>&1 | { grep -v '^\[src/libmpg123/' || true; }
