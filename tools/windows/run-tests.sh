#!/usr/bin/env bash
# Runs the Windows test programs that `tools/windows/build.sh --tests` laid
# out in build-windows/tests/ under Wine: on a virtual display with a window
# manager (the widget tests draw with Windows' own platform and fonts, and
# wait for their windows to become active), in the Russian locale that gives
# Wine code page 1251. Each test suite runs as a process of its own with a
# time limit, as each case does on Linux, so that nothing one suite leaves
# behind reaches the next. Says how many tests passed, were skipped (each
# with its reason in the log) and failed; fails when any suite fails or does
# not finish.
#
#   ZORNALIT_WINDOWS_BUILD_DIR  the Windows build folder (build-windows)
#   ZORNALIT_WINE_DIR           where the Wine prefix and the locale are kept
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$root/tools/windows/lib.sh"

out="${ZORNALIT_WINDOWS_BUILD_DIR:-$root/build-windows}"
tests_folder="$out/tests"
state="${ZORNALIT_WINE_DIR:-$out/wine}"
logs="$out/test-logs"
# One suite ends well within this; a hang must not stop CI for longer.
limit_seconds=300

if ! compgen -G "$tests_folder/tests_*.exe" >/dev/null; then
    echo "Нет тестов для Windows в «$tests_folder»: их собирает tools/windows/build.sh --tests." >&2
    exit 1
fi

wine_environment "$state/prefix"
wine_russian_locale "$state/locale"
wine_prepare_prefix

work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
cleanup() {
    stop_virtual_display_and_wine
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display "$work"

# The count gtest prints after "[  PASSED  ]" and the like, 0 when absent.
count_of() {
    local found
    found="$(grep -E "^\[  $1 *\] [0-9]+ tests?[,.]" "$2" | head -n1 | sed -E 's/^[^]]*\] ([0-9]+).*/\1/')"
    echo "${found:-0}"
}

# Runs one program's suite (a gtest filter) into a log, Wine's CR LF made LF.
run_suite() {
    local program="$1" filter="$2" log="$3" status=0
    (cd "$tests_folder" && exec timeout --kill-after=10 "$limit_seconds" "${russian[@]}" wine "$program.exe" \
        --gtest_filter="$filter") >"$log.raw" 2>&1 || status=$?
    tr -d '\r' <"$log.raw" >"$log"
    rm -f "$log.raw"
    return "$status"
}

rm -rf "$logs"
mkdir -p "$logs"
passed=0 skipped=0 failed=0 broken=()
for executable in "$tests_folder"/tests_*.exe; do
    program="$(basename "$executable" .exe)"
    started=$(date +%s)
    program_passed=0 program_skipped=0 program_failed=0
    suites="$(cd "$tests_folder" && "${russian[@]}" wine "$program.exe" --gtest_list_tests 2>/dev/null | tr -d '\r' \
        | grep -E '^[A-Za-z_][A-Za-z0-9_]*\.$' || true)"
    [ -n "$suites" ] || broken+=("$program (не перечислил своих тестов)")
    for suite in $suites; do
        log="$logs/$program.${suite%.}.log"
        status=0
        run_suite "$program" "${suite}*" "$log" || status=$?
        program_passed=$((program_passed + $(count_of PASSED "$log")))
        program_skipped=$((program_skipped + $(count_of SKIPPED "$log")))
        program_failed=$((program_failed + $(count_of FAILED "$log")))
        if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
            broken+=("$program ${suite%.} (не закончился за $limit_seconds с)")
        elif [ "$status" -ne 0 ] || [ "$(count_of FAILED "$log")" -ne 0 ]; then
            broken+=("$program ${suite%.} (код $status)")
            grep -E '^\[  FAILED  \] .*\)$' "$log" >&2 || true
        fi
    done
    passed=$((passed + program_passed))
    skipped=$((skipped + program_skipped))
    failed=$((failed + program_failed))
    echo "$program: пройдено $program_passed, пропущено $program_skipped, не пройдено $program_failed ($(($(date +%s) - started)) с)"
done

echo "Тесты для Windows под Wine: пройдено $passed, пропущено $skipped, не пройдено $failed. Журналы: $logs"
if [ ${#broken[@]} -gt 0 ]; then
    printf 'Не прошли: %s\n' "${broken[@]}" >&2
    exit 1
fi
