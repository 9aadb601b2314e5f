#!/usr/bin/env bash
# Everything the Windows program is checked with, in order: the cross-build
# of the program folder, its zip and the test programs; the unit and widget
# tests under Wine; then the end-to-end checks, which drive the program
# unpacked from the zip under Wine: every script directly in
# tests/windows-e2e/, whose shared parts lie in its lib/, as on Linux
# (tests/e2e). Stops at the first failure of the build or the tests. Needs a Qt for MinGW (see tools/windows/build.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Unless a real certificate is given, the build is signed with a
# throw-away one, so that signing and its checks run every time.
if [ -z "${ZORNALIT_SIGN_PFX:-}" ]; then
    source "$root/tools/windows/test-certificate.sh"
    make_test_certificate "${ZORNALIT_WINDOWS_BUILD_DIR:-$root/build-windows}/test-certificate"
fi
"$root/tools/windows/build.sh" --tests
"$root/tools/windows/run-tests.sh"

failed=()
for check in "$root"/tests/windows-e2e/*.sh; do
    name="$(basename "$check" .sh)"
    started=$(date +%s)
    status=0
    bash "$check" || status=$?
    # 77 is a check's way to say it cannot run here, and why.
    if [ "$status" -eq 0 ]; then
        echo "Сквозная проверка под Wine «$name»: пройдена ($(($(date +%s) - started)) с)"
    elif [ "$status" -eq 77 ]; then
        echo "Сквозная проверка под Wine «$name»: пропущена"
    else
        echo "Сквозная проверка под Wine «$name»: НЕ пройдена" >&2
        failed+=("$name")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Не прошли сквозные проверки под Wine: ${failed[*]}" >&2
    exit 1
fi
