#!/usr/bin/env bash
# Builds the program and starts it from the build tree's program folder,
# which holds the sample data.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/lib/packages.sh"

ensure_packages "${BUILD_PACKAGES[@]}"

build="${ZORNALIT_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target zornalit -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Зорналит: нет графического дисплея (не заданы DISPLAY и WAYLAND_DISPLAY) — окно программы открыть негде." >&2
    exit 1
fi
exec "$build/program/zornalit"
