#!/usr/bin/env bash
# Cross-builds the program for 64-bit Windows with Debian's mingw-w64 and
# lays out a portable program folder and its zip:
#
#   build-windows/program/                  zornalit.exe, zornalit-db.exe, the data files, the DLLs
#   build-windows/zornalit-windows-x64.zip  the same folder's contents
#   build-windows/zornalit-setup-<version>-x64.exe  the per-user installer
#                                           (tools/windows/installer/)
#
# With ZORNALIT_SIGN_PFX (and ZORNALIT_SIGN_PASSWORD) set, our own images
# and the installer are signed (tools/windows/signing.sh).
#
# The Qt for MinGW is the tarball in ../shared/windows/, unpacked once into
# ~/.cache/zornalit/, or the one QT_MINGW_PREFIX names.
#
#   tools/windows/build.sh            # the program folder and the zip
#   tools/windows/build.sh --tests    # also the test programs, in build-windows/tests/
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$root/tools/windows/lib.sh"

tests=OFF
for argument in "$@"; do
    case "$argument" in
        --tests) tests=ON ;;
        *) echo "Неизвестный параметр: $argument (есть только --tests)" >&2; exit 2 ;;
    esac
done

out="${ZORNALIT_WINDOWS_BUILD_DIR:-$root/build-windows}"
build="$out/build"
program="$out/program"
zip="$out/zornalit-windows-x64.zip"
jobs="${ZORNALIT_JOBS:-$(nproc)}"
qt="$(qt_mingw_prefix)"

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# The icon maker runs on this machine while the program is built for
# Windows: it is built first, with this machine's own compiler.
host_tools="$out/host-tools"
cmake -S "$root/tools" -B "$host_tools" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build "$host_tools" -j"$jobs" --target make_icon >/dev/null

# Warnings are errors here: the Windows build must stay as free of them as
# the Linux one.
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/tools/windows/mingw-w64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DZORNALIT_TESTS="$tests" -DZORNALIT_BENCH=OFF \
    -DZORNALIT_MAKE_ICON="$host_tools/make_icon/make_icon" \
    "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$jobs"

# The program folder is laid out afresh, so that nothing of an earlier
# build stays in it.
rm -rf "$program"
cmake --install "$build" --prefix "$program" >/dev/null
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    imageformats/qico.dll imageformats/qsvg.dll iconengines/qsvgicon.dll; do
    mkdir -p "$program/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin" "$program/$plugin"
done
# Qt looks for its catalogues in translations\ beside the program when no
# qt.conf says otherwise.
mkdir -p "$program/translations"
cp "$qt/translations/qtbase_ru.qm" "$program/translations/"
copy_imported_dlls "$program" "$qt/bin" "${MINGW_RUNTIME_DIRS[@]}"
# Data files under .dll names (the stored sounds) are left as they are.
pe_images "$program" | xargs -0 "$MINGW_TRIPLE-strip" --strip-unneeded
check_imported_dlls "$program"
source "$root/tools/windows/signing.sh"
sign_own_images "$build" "$program"

# Names are stored as UTF-8 with the flag that says so, so that Windows'
# own unpacking shows the Cyrillic file names.
rm -f "$zip"
(cd "$program" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | zip -q -X -UN=UTF8 "$zip" -@)
echo "Программа для Windows: $program"
echo "Архив: $zip ($(du -k "$zip" | cut -f1) КБ, файлов: $(find "$program" -type f | wc -l))"
installer="$("$root/tools/windows/installer/make-installer.sh" "$build" "$program" "$out")"
echo "Установщик: $installer ($(du -k "$installer" | cut -f1) КБ)"

if [ "$tests" = ON ]; then
    # The test programs run from a folder laid out as the program's, with
    # Qt Test and the offscreen platform besides.
    tests_folder="$out/tests"
    rm -rf "$tests_folder"
    cp -r "$program" "$tests_folder"
    cp "$qt/plugins/platforms/qoffscreen.dll" "$tests_folder/platforms/"
    find "$build/tests" -maxdepth 1 -name 'tests_*.exe' -exec cp {} "$tests_folder/" \;
    copy_imported_dlls "$tests_folder" "$qt/bin" "${MINGW_RUNTIME_DIRS[@]}"
    check_imported_dlls "$tests_folder" >/dev/null
    echo "Тесты для Windows: $tests_folder"
fi
