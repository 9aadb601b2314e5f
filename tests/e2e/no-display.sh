#!/usr/bin/env bash
# Without a display the program says so in one plain line and ends with
# status 1, instead of the toolkit's abort.
set -uo pipefail
program="${ZORNALIT_INSTALLED:?}/zornalit"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

check() {
    local what=$1
    shift
    env "$@" "$program" >"$work/out" 2>"$work/err"
    local status=$?
    [ "$status" -eq 1 ] || { echo "FAIL: $what: exit status $status"; cat "$work/err"; exit 1; }
    [ "$(wc -l < "$work/err")" -eq 1 ] || { echo "FAIL: $what: not one line:"; cat "$work/err"; exit 1; }
    grep -q "диспле" "$work/err" || { echo "FAIL: $what: says '$(cat "$work/err")'"; exit 1; }
    [ ! -s "$work/out" ] || { echo "FAIL: $what: wrote to standard output"; exit 1; }
}

check "no display named" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
check "a display that is not there" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:999
echo "no display: ok"
