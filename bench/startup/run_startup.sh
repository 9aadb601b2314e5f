#!/bin/sh
# Start-up time of the program, from process start to the main window's
# first paint event, against two bare Qt programs showing a window of the
# same size: one empty, and one that draws a line of text in Times New Roman
# (the floor: any window with text pays for its fonts). All three are started
# the same way, in turn, RUNS times each after one warm-up run; the medians
# and the program's ratio to each are printed, also for the time until that
# first paint has been carried out.
#
#   bench/startup/run_startup.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR is the CMake build tree (default: build); build the target
# bench_startup_probes there first. Without a display the script runs itself
# under Xvfb.
set -eu

build=${1:-build}
runs=${2:-15}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

probes="$build/bench/startup"
for probe in startup_zornalit_probe startup_bare_probe startup_bare_text_probe; do
    if [ ! -x "$probes/$probe" ]; then
        echo "Нет $probes/$probe: сначала соберите цель bench_startup_probes." >&2
        exit 1
    fi
done

# The program's probe reads its pictures from its own folder, as the program
# does: give it a copy of the program folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cp "$build/program/"* "$work/"
rm -f "$work/zornalit"
cp "$probes/startup_zornalit_probe" "$probes/startup_bare_probe" "$probes/startup_bare_text_probe" "$work/"

# Microseconds from just before the start to the first paint event, and to
# the end of that paint: "event done" per run.
measure() {
    start=$(date +%s%N)
    "$work/$1" 2>/dev/null | awk -v start="$start" '
        NR == 1 { event = ($1 - start) / 1000 }
        NR == 2 { done = ($1 - start) / 1000 }
        END { printf "%d %d\n", event, done }'
}

# The median of one column of a times file.
median() {
    awk -v column="$2" '{ print $column }' "$1" | sort -n |
        awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

measure startup_zornalit_probe > /dev/null
measure startup_bare_probe > /dev/null
measure startup_bare_text_probe > /dev/null
: > "$work/program.times"
: > "$work/bare.times"
: > "$work/text.times"
i=0
while [ "$i" -lt "$runs" ]; do
    measure startup_zornalit_probe >> "$work/program.times"
    measure startup_bare_probe >> "$work/bare.times"
    measure startup_bare_text_probe >> "$work/text.times"
    i=$((i + 1))
done

report() {
    program=$(median "$work/program.times" "$2")
    bare=$(median "$work/bare.times" "$2")
    text=$(median "$work/text.times" "$2")
    awk -v what="$1" -v program="$program" -v bare="$bare" -v text="$text" 'BEGIN {
        printf "%s\n", what
        printf "  program %6.1f ms   bare Qt %6.1f ms   bare Qt with text %6.1f ms\n", program / 1000, bare / 1000, text / 1000
        printf "  ratio to bare Qt %.2f   ratio to bare Qt with text %.2f\n", program / bare, program / text }'
}

echo "runs each: $runs (medians; target ratio to bare Qt with text at first paint: at most 1.15)"
report "to the first paint event:" 1
report "to the first paint done:" 2
