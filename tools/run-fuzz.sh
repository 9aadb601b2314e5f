#!/usr/bin/env bash
# Builds the fault-search fuzz target with clang (address and undefined
# behaviour sanitizers) and runs it for the given number of seconds.
# Exits non-zero when the fuzzer finds a crash or a broken rule; the input
# that did it is left in the build folder's fuzz-artifacts/.
#
#   tools/run-fuzz.sh SECONDS
#   ZORNALIT_FUZZ_BUILD_DIR=/tmp/fuzz tools/run-fuzz.sh 60
set -euo pipefail

seconds=${1:-}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: $0 SECONDS" >&2
    exit 2
fi

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORNALIT_FUZZ_BUILD_DIR:-$repo/build-fuzz}

mkdir -p "$build"
cmake -S "$repo" -B "$build" \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZORNALIT_FUZZ=ON \
    -DZORNALIT_BENCH=OFF >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; exit 1; }
cmake --build "$build" --target fuzz_fault_search -j2

corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"
mkdir -p "$corpus" "$artifacts"

# Seeds: the small example database with a few queries. Byte 0 is the step
# position, byte 1 the segment width and read chunk, bytes 2-3 the segment.
example=$'Title\r\n\xD1\xC5\xC3\xCC 5.3.\r\nfirst\r\n\r\nlast\r\n@\r\n\r\n\xD1\xC5\xC3\xCC 12.1A.\r\none\r\n@ end\r\n'
printf '\x03\x805-%s' "$example" >"$corpus/seed-5-3"
printf '\x1f\x065-%s' "$example" >"$corpus/seed-5-1F"
printf '\x1b\x0312%s' "$example" >"$corpus/seed-12-1B"
printf '\x00\x005-%s' "$example" >"$corpus/seed-5-0"

"$build/tests/fuzz/fuzz_fault_search" \
    -max_total_time="$seconds" \
    -timeout=10 \
    -print_final_stats=1 \
    -artifact_prefix="$artifacts/" \
    "$corpus"
