#!/usr/bin/env bash
# Compiles every source file of the program for Windows, in syntax-only
# mode, with the mingw-w64 cross-compiler against the Qt headers of this
# machine. The compiler defines _WIN32, so the Qt headers take their Windows
# side and every Q_OS_WIN branch of ours is parsed and type-checked; nothing
# is linked and moc is not needed. Warnings count as errors, as they would
# break the warning-free build there.
#
#   tools/windows-syntax-check.sh            # every source file a Windows build compiles
#   tools/windows-syntax-check.sh FILE...    # only these files
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
compiler="${ZORNALIT_MINGW_CXX:-x86_64-w64-mingw32-g++-posix}"
qt_headers="${ZORNALIT_QT_HEADERS:-/usr/include/x86_64-linux-gnu/qt6}"

if ! command -v "$compiler" >/dev/null 2>&1; then
    echo "Нет кросс-компилятора $compiler (пакет g++-mingw-w64-x86-64-posix)." >&2
    exit 1
fi
if [ ! -f "$qt_headers/QtCore/qglobal.h" ]; then
    echo "Нет заголовков Qt в $qt_headers (пакет qt6-base-dev)." >&2
    exit 1
fi

if [ $# -gt 0 ]; then
    sources=("$@")
else
    # The POSIX half of a source split in two is not built there.
    mapfile -t sources < <(cd "$root" && ls app/*.cpp lookup/*.cpp dbtool/*.cpp platform/*.cpp platform/qt/*.cpp platform/files/*.cpp platform/mci/*.cpp reference/*.cpp extras/*.cpp tools/make_sample_images/*.cpp | grep -v 'Posix\.cpp$')
fi

# The system include folder cannot be given to the cross-compiler whole: its
# C library headers are Linux's. Only the headers of the other libraries we
# use are lent to it, through a folder of links.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/borrowed"
ln -s /usr/include/sndfile.h "$work/borrowed/sndfile.h"

# One response file holds the flags for every compiler run.
{
    echo "-fsyntax-only -std=c++20 -Wall -Wextra -Wpedantic -Werror"
    echo "-DUNICODE -D_UNICODE"
    # What the build defines: the file of the sound module there, and the
    # version zornalit-db reports.
    echo "-DZORNALIT_SOUND_MODULE='\"zornalit-sound.dll\"' -DZORNALIT_VERSION='\"0\"'"
    echo "-I'$root'"
    for folder in "" QtCore QtGui QtWidgets QtMultimedia QtSvg; do
        echo "-isystem '$qt_headers/$folder'"
    done
    echo "-isystem '$work/borrowed'"
} >"$work/flags"

# Each file's messages are printed in one piece once its compiler is done.
check_one() {
    local messages status=0
    messages="$("$compiler" @"$flags" "$1" 2>&1)" || status=$?
    [ -z "$messages" ] || printf '%s\n' "$messages" >&2
    return "$status"
}
export -f check_one
export compiler
export flags="$work/flags"

cd "$root"
if ! printf '%s\0' "${sources[@]}" | xargs -0 -n1 -P "$(nproc)" bash -c 'check_one "$1"' check_one; then
    echo "Сборка под Windows (mingw-w64, только синтаксис): есть ошибки, см. выше." >&2
    exit 1
fi
echo "Сборка под Windows (mingw-w64, только синтаксис): файлов без ошибок: ${#sources[@]}"
