#!/usr/bin/env bash
# Builds everything and runs every test, every build with warnings as errors
# as the Windows build has them: the two fuzz targets for a minute, the
# whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, then
# the whole suite on the normal build (unit, widget and end-to-end tests),
# then the Windows program's build, tests and end-to-end checks under Wine.
# ZORNALIT_QUICK=1 runs only the normal build's suite and the Windows part.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/lib/packages.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs="$(nproc)"
build="${ZORNALIT_BUILD_DIR:-$root/build}"

if [ "${ZORNALIT_QUICK:-0}" != 1 ]; then
    echo "== Фаззинг поиска по базе и разбора звука (60 с)"
    "$root/tools/run-fuzz.sh" "${ZORNALIT_FUZZ_SECONDS:-60}"

    echo "== Тесты под AddressSanitizer и UndefinedBehaviorSanitizer"
    sanitized="$root/build-sanitize"
    cmake -S "$root" -B "$sanitized" -DCMAKE_BUILD_TYPE=Debug -DZORNALIT_SANITIZE=ON -DZORNALIT_BENCH=OFF \
        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build "$sanitized" -j"$jobs"
    # Leak checking stays on for the lookup, which owns no toolkit objects;
    # Qt's font and platform caches live until exit by design.
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$sanitized" --output-on-failure -j"$jobs" -L lookup
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$sanitized" --output-on-failure -j"$jobs" -LE "lookup|e2e"
fi

echo "== Все тесты"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

# The Windows program: built with mingw-w64 against a Qt for MinGW, its
# tests and end-to-end checks run under Wine. CI always has the Qt; a
# machine without it says so and is done.
source "$root/tools/windows/lib.sh"
if qt_mingw_available; then
    echo "== Программа для Windows: сборка, тесты и сквозные проверки под Wine"
    "$root/tools/windows/check.sh"
else
    echo "== Проверки программы для Windows пропущены: нет Qt для MinGW (ни QT_MINGW_PREFIX, ни $ZORNALIT_QT_MINGW_TARBALL)"
fi
