#!/usr/bin/env bash
# The installed program folder copied under a name that is no text (the
# bytes 0xFF 0xFE in it): the window and zornalit-db both refuse to start,
# each with one Russian line and a failure status, and touch none of the
# program's files anywhere, neither in the copy, nor in the current folder,
# nor in "/" or any other folder. The same copy under a Cyrillic name works.
# Needs no display: the window refuses before it would open one.
set -euo pipefail

installed="${ZORNALIT_INSTALLED:?folder of the installed program}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
command -v strace >/dev/null || fail "strace is needed (package strace)"

odd="$work/prog"$'\xff\xfe'"dir"
cp -a "$installed" "$odd"
# The current folder holds a database of its own: a program that lost its
# folder and fell back on another would read it and write its report here.
decoy="$work/current"
mkdir "$decoy"
cp "$installed/SEGM_WIN_ALL.txt" "$decoy/"

listing() {
    (cd "$1" && find . -printf '%p %s %T@\n' | LC_ALL=C sort)
}
before_odd="$(listing "$odd")"
before_decoy="$(listing "$decoy")"

# Every file of the program that it opens, reads, writes or looks at by
# name, whatever the folder: none may be reached.
program_files='(SEGM_WIN_ALL\.txt|SegmInfo\.txt|Readme\.txt|TipOb\.txt|About\.bmp|statsa\.dll|noven\.dll|Ostatsa\.wav|Mgnoven\.wav|zornalit-sound\.[a-z]+)(\.[0-9a-f]{6}\.tmp)?"'

# Runs a program of the copy under strace in the current folder; its
# standard error goes to $work/$name.err, its exit status is printed.
run_traced() {
    local name="$1"
    shift
    local status=0
    (cd "$decoy" && QT_QPA_PLATFORM=offscreen timeout 30 \
        strace -f -qq -e trace=%file -o "$work/$name.trace" "$odd/$name" "$@") \
        >"$work/$name.out" 2>"$work/$name.err" || status=$?
    echo "$status"
}

check_refusal() {
    local name="$1" status="$2"
    [ "$status" != 124 ] || fail "$name did not refuse to start: it was still running after 30 s"
    [ "$status" != 0 ] || fail "$name started in a folder it cannot name"
    [ "$(wc -l <"$work/$name.err")" -eq 1 ] || fail "$name said more than one line: $(cat "$work/$name.err")"
    grep -q 'папк' "$work/$name.err" || fail "$name did not say why in Russian: $(cat "$work/$name.err")"
    grep -q 'prog.*dir' "$work/$name.err" || fail "$name did not name its folder: $(cat "$work/$name.err")"
    [ ! -s "$work/$name.out" ] || fail "$name printed a result: $(cat "$work/$name.out")"
    if grep -E "$program_files" "$work/$name.trace" >"$work/$name.reached"; then
        fail "$name reached program files elsewhere: $(head -n5 "$work/$name.reached")"
    fi
}

status="$(run_traced zornalit-db lookup 5 3)"
check_refusal zornalit-db "$status"
status="$(run_traced zornalit)"
check_refusal zornalit "$status"

[ "$(listing "$odd")" = "$before_odd" ] || fail "the program folder changed"
[ "$(listing "$decoy")" = "$before_decoy" ] || fail "the current folder changed"
[ ! -e /SegmInfo.txt ] || fail "/SegmInfo.txt exists"

# A folder named in any text is the program's own, byte for byte.
named="$work/Программа ёЁ"
mv "$odd" "$named"
(cd "$decoy" && "$named/zornalit-db" lookup 5 3) >"$work/named.out" 2>"$work/named.err" \
    || fail "zornalit-db in a Cyrillic folder: $(cat "$work/named.err")"
[ -s "$work/named.out" ] || fail "zornalit-db in a Cyrillic folder printed nothing"
echo "OK"
