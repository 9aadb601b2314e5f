# Shared by the Windows scripts: where the Qt for MinGW is, which DLLs a
# Windows folder needs, and Wine on a virtual display. Sourced, not run.

source "$(dirname "${BASH_SOURCE[0]}")/../lib/virtual-display.sh"

# The Qt for MinGW that CI always has, kept beside the repository (beside
# the main checkout, for a git worktree elsewhere).
qt_mingw_tarball() {
    local relative=shared/windows/qt6-mingw-6.4.2.tar.xz common
    if [ -f "$root/../$relative" ]; then
        echo "$root/../$relative"
        return
    fi
    common="$(git -C "$root" rev-parse --path-format=absolute --git-common-dir 2>/dev/null || true)"
    if [ -n "$common" ] && [ -f "$common/../../$relative" ]; then
        echo "$(cd "$common/../.." && pwd)/$relative"
        return
    fi
    echo "$root/../$relative"
}
ZORNALIT_QT_MINGW_TARBALL="${ZORNALIT_QT_MINGW_TARBALL:-$(qt_mingw_tarball)}"
# Unpacked once, outside the repository, and reused by every build.
ZORNALIT_QT_MINGW_CACHE="${ZORNALIT_QT_MINGW_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zornalit}"

MINGW_TRIPLE=x86_64-w64-mingw32
# Where Debian's mingw-w64 packages keep the compiler's runtime DLLs.
MINGW_RUNTIME_DIRS=(/usr/lib/gcc/$MINGW_TRIPLE/12-posix /usr/$MINGW_TRIPLE/lib)

# True when a Qt for MinGW can be had: named by QT_MINGW_PREFIX, or the
# tarball beside the repository.
qt_mingw_available() {
    if [ -n "${QT_MINGW_PREFIX:-}" ]; then
        [ -f "$QT_MINGW_PREFIX/lib/cmake/Qt6/Qt6Config.cmake" ]
    else
        [ -f "$ZORNALIT_QT_MINGW_TARBALL" ]
    fi
}

# Prints the prefix of the Qt for MinGW, unpacking the tarball first if the
# cache does not hold this very tarball yet.
qt_mingw_prefix() {
    if [ -n "${QT_MINGW_PREFIX:-}" ]; then
        if [ ! -f "$QT_MINGW_PREFIX/lib/cmake/Qt6/Qt6Config.cmake" ]; then
            echo "В QT_MINGW_PREFIX=«$QT_MINGW_PREFIX» нет Qt 6 для MinGW (нет lib/cmake/Qt6/Qt6Config.cmake)." >&2
            return 1
        fi
        echo "$QT_MINGW_PREFIX"
        return 0
    fi
    if [ ! -f "$ZORNALIT_QT_MINGW_TARBALL" ]; then
        echo "Нет Qt для MinGW: ни QT_MINGW_PREFIX, ни архива «$ZORNALIT_QT_MINGW_TARBALL»." >&2
        return 1
    fi
    local name stamp wanted unpacked
    name="$(basename "$ZORNALIT_QT_MINGW_TARBALL" .tar.xz)"
    unpacked="$ZORNALIT_QT_MINGW_CACHE/$name"
    stamp="$unpacked.stamp"
    wanted="$(stat -c '%s %Y' "$ZORNALIT_QT_MINGW_TARBALL")"
    if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$wanted" ] || [ ! -d "$unpacked/qt6-mingw" ]; then
        echo "Распаковывается Qt для MinGW в «$unpacked»" >&2
        mkdir -p "$ZORNALIT_QT_MINGW_CACHE"
        # Unpacked beside and moved in whole, so that an interrupted
        # unpacking never passes for a complete one.
        local partial
        partial="$(mktemp -d "$ZORNALIT_QT_MINGW_CACHE/.unpacking.XXXXXX")"
        tar -xJf "$ZORNALIT_QT_MINGW_TARBALL" -C "$partial"
        rm -rf "$unpacked" "$stamp"
        mv "$partial" "$unpacked"
        echo "$wanted" >"$stamp"
    fi
    echo "$unpacked/qt6-mingw"
}

# The program's version as CMake's project() gives it, read from a build
# folder; nothing when the folder holds no configured build.
build_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$1/CMakeCache.txt" 2>/dev/null || true
}

# True for a Windows executable image. The stored sounds keep the .dll names
# the original program gave them, yet are WAV data: they are copied as they
# are, never stripped nor asked for imports.
pe_image() {
    "$MINGW_TRIPLE-objdump" -f "$1" 2>/dev/null | grep 'file format pei-' >/dev/null
}

# The .exe and .dll files of a folder, its plug-in subfolders included, that
# are Windows images, each ended by a NUL.
pe_images() {
    local file
    while IFS= read -r -d '' file; do
        pe_image "$file" && printf '%s\0' "$file"
    done < <(find "$1" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
    return 0
}

# The DLLs a Windows executable or DLL imports, one a line, in lower case.
imported_dlls() {
    "$MINGW_TRIPLE-objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | tr -d '\r'
}

# DLLs that every Windows machine has in its system folder. The program
# folder must hold everything else it imports.
windows_system_dll() {
    case "$1" in
        api-ms-win-*.dll | ext-ms-win-*.dll) return 0 ;;
        advapi32.dll | authz.dll | bcrypt.dll | comctl32.dll | comdlg32.dll | crypt32.dll | d3d9.dll | d3d11.dll | \
            d3d12.dll | dwmapi.dll | dwrite.dll | dxgi.dll | gdi32.dll | imm32.dll | kernel32.dll | mpr.dll | \
            msvcrt.dll | netapi32.dll | ntdll.dll | ole32.dll | oleaut32.dll | setupapi.dll | shcore.dll | \
            shell32.dll | shlwapi.dll | user32.dll | userenv.dll | uxtheme.dll | version.dll | winmm.dll | \
            winspool.drv | ws2_32.dll | wtsapi32.dll | cfgmgr32.dll | dnsapi.dll | iphlpapi.dll | secur32.dll)
            return 0 ;;
    esac
    return 1
}

# Copies into a folder every DLL that its executables and DLLs import from
# the given source folders, and what those import in turn.
copy_imported_dlls() {
    local folder="$1"
    shift
    local changed=1 file dll source
    while [ "$changed" = 1 ]; do
        changed=0
        while IFS= read -r -d '' file; do
            while IFS= read -r dll; do
                [ -n "$dll" ] || continue
                windows_system_dll "$dll" && continue
                [ -n "$(find "$folder" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
                for source in "$@"; do
                    local found
                    found="$(find "$source" -maxdepth 1 -iname "$dll" -print -quit 2>/dev/null)"
                    if [ -n "$found" ]; then
                        cp "$found" "$folder/"
                        changed=1
                        break
                    fi
                done
            done < <(imported_dlls "$file")
        done < <(pe_images "$folder")
    done
}

# Fails, naming them, on DLLs imported by an executable or DLL image of the folder
# (plug-in subfolders included) that are neither in the folder nor Windows'
# own. Prints how many files were checked.
check_imported_dlls() {
    local folder="$1" file dll missing=0 checked=0
    while IFS= read -r -d '' file; do
        checked=$((checked + 1))
        while IFS= read -r dll; do
            [ -n "$dll" ] || continue
            windows_system_dll "$dll" && continue
            [ -n "$(find "$folder" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
            echo "«${file#"$folder"/}» загружает «$dll», которой нет ни в папке, ни в Windows." >&2
            missing=$((missing + 1))
        done < <(imported_dlls "$file")
    done < <(pe_images "$folder")
    if [ "$missing" -gt 0 ]; then
        return 1
    fi
    echo "Библиотеки на месте: проверено файлов .exe и .dll: $checked"
}

# Wine as the Windows checks use it: a private 64-bit prefix, no installer
# dialogs, no debug chatter. The prefix is made once and kept.
wine_environment() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
}

# The Russian locale that gives Wine code page 1251, made into folder when
# the system has none. Prints the command prefix that runs a program in it.
wine_russian_locale() {
    local folder="$1"
    if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
        if [ ! -d "$folder/ru_RU.UTF-8" ]; then
            mkdir -p "$folder"
            localedef -i ru_RU -f UTF-8 "$folder/ru_RU.UTF-8" 2>/dev/null || [ -d "$folder/ru_RU.UTF-8" ] || {
                echo "Не удалось создать локаль ru_RU.UTF-8 (пакет locales)." >&2
                return 1
            }
        fi
        export LOCPATH="$folder"
    fi
    russian=(env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8)
}

# Makes the prefix of wine_environment once, with Times New Roman drawn as
# Liberation Serif; a half-made prefix is made again.
wine_prepare_prefix() {
    [ -f "$WINEPREFIX/.zornalit-ready" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    DISPLAY= "${russian[@]}" wine wineboot --init >/dev/null 2>&1 || {
        echo "wineboot не смог создать префикс Wine «$WINEPREFIX»." >&2
        return 1
    }
    "${russian[@]}" wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /d 'Liberation Serif' /f >/dev/null 2>&1 || {
        echo "Не удалось задать замену шрифта в префиксе Wine." >&2
        return 1
    }
    wineserver -w
    touch "$WINEPREFIX/.zornalit-ready"
}

# Stops what start_virtual_display and Wine left running: the wineserver of
# the prefix, the window manager and the display.
stop_virtual_display_and_wine() {
    wineserver -k 2>/dev/null || true
    stop_virtual_display
}
