# Shared by the end-to-end checks under Wine: one private Wine prefix for
# every check (made once, kept in the build folder), the program unpacked
# from the Windows zip into a folder whose path has Cyrillic letters and a
# space, the Russian locale so that Wine's ANSI code page is 1251, a virtual
# display with a window manager, and a stand-in notepad.exe in the program
# folder, where the program looks for the editor before Wine's own. Each check sources this file, then calls start_program. The
# clicks, typing and waits are those of the Linux checks
# (tests/e2e/lib/window-driving.sh), at a slower pace.
#
#   ZORNALIT_WINDOWS_ZIP   the zip (build-windows/zornalit-windows-x64.zip)
#   ZORNALIT_WINE_E2E_DIR  where the stand-in editor is kept
#                          (build-windows/wine-e2e)
#   ZORNALIT_WINE_DIR      where the Wine prefix and the locale are kept
#                          (build-windows/wine, shared with the unit tests)
#   ZORNALIT_WINE_SCREENSHOTS  where the screenshots go (the kept folder's
#                          screenshots/; docs/screenshots to renew those)

set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../../.." && pwd)"
zip="${ZORNALIT_WINDOWS_ZIP:-$root/build-windows/zornalit-windows-x64.zip}"
state="${ZORNALIT_WINE_E2E_DIR:-$root/build-windows/wine-e2e}"
[ -f "$zip" ] || { echo "FAIL: no Windows zip at $zip (tools/windows/build.sh makes it)" >&2; exit 1; }

source "$root/tools/windows/lib.sh"
source "$root/tests/e2e/lib/window-driving.sh"
source "$root/tests/e2e/lib/database-block.sh"
# Wine starts the program and answers clicks and keys more slowly.
wait_steps=200
startup_steps=600
click_pause=0.3
typing_delay=60
# The prefix and the locale are those of the Windows unit tests.
wine_environment "${ZORNALIT_WINE_DIR:-$root/build-windows/wine}/prefix"

# The program folder, as Windows and as Linux see it; a check may set both
# before start_program to unpack the program elsewhere, or have them set by
# E2E_PROGRAM_FOLDER, a folder under C:\ given with forward slashes.
program_folder="${E2E_PROGRAM_FOLDER:-Программы/Зорналит 2}"
program_windows="C:\\${program_folder//\//\\}"
program_dir="$WINEPREFIX/drive_c/$program_folder"

editor_dir="$work/editor"
failure_screenshot="/tmp/zornalit-wine-e2e-failure-$(basename "$0").png"

stop_display() {
    stop_virtual_display_and_wine
}

# Wine takes its code page from the locale (sets russian, the command
# prefix that runs a program in it); the shell keeps its own.
prepare_locale() {
    wine_russian_locale "${ZORNALIT_WINE_DIR:-$root/build-windows/wine}/locale" \
        || fail "could not make the ru_RU.UTF-8 locale (package locales)"
}

prepare_prefix() {
    wine_prepare_prefix || fail "could not make the Wine prefix"
}

# A Linux path as Wine's Z: drive shows it.
windows_path() {
    printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"
}

# A small Windows helper of the checks (NAME.cpp here), built once with
# mingw into the kept folder; prints the built program's path.
build_helper() {
    local built="$state/$1.exe"
    mkdir -p "$state"
    if [ ! -f "$built" ] || [ "$here/$1.cpp" -nt "$built" ]; then
        x86_64-w64-mingw32-g++-posix -std=c++20 -Wall -Wextra -Wpedantic -Werror -O1 -municode -static -s \
            -o "$built" "$here/$1.cpp" || fail "could not build the helper $1.exe"
    fi
    printf '%s' "$built"
}

# The stand-in editor.
prepare_editor() {
    build_helper notepad >/dev/null
    : > "$FAKE_NOTEPAD_LOG"
}

# Holds a file, given by its Windows path, open from another Wine process
# as a viewer, a backup agent or a virus scanner holds it (lib/hold-file.cpp),
# until release_file; sets holder_pid.
holder_pid=""
hold_file() {
    local holder
    holder="$(build_helper hold-file)"
    rm -f "$work/release" "$work/holder.out"
    "${russian[@]}" wine "$holder" "$1" "$(windows_path "$work/release")" >"$work/holder.out" 2>"$work/holder.err" &
    holder_pid=$!
    within "$startup_steps" file_held || fail "$1 could not be held: $(cat "$work/holder.err")"
}

file_held() {
    grep -q '^held' "$work/holder.out" 2>/dev/null
}

# Fails when the holder has let the file go already.
still_held() {
    kill -0 "$holder_pid" 2>/dev/null || fail "the holder let the file go too early: $(cat "$work/holder.err")"
}

release_file() {
    touch "$work/release"
    wait "$holder_pid" || fail "the holder failed: $(cat "$work/holder.err")"
    holder_pid=""
}

unpack_program() {
    rm -rf "$program_dir"
    mkdir -p "$program_dir"
    unzip -q "$zip" -d "$program_dir" || fail "could not unpack $zip"
}

start_display() {
    start_virtual_display "$work" || fail "Xvfb did not start"
}

# Starts a private PulseAudio server whose null sink Wine plays into, so
# that what the program plays can be recorded from the sink's monitor; the
# server is stopped at exit. Sets pulse to 1 when it runs, leaves it 0 when
# pulseaudio, parec or sox are missing.
pulse=0
recorder=""
start_sound_server() {
    command -v pulseaudio >/dev/null && command -v parec >/dev/null && command -v sox >/dev/null || return 0
    mkdir -m 700 "$work/runtime" "$work/pulse-home"
    export XDG_RUNTIME_DIR="$work/runtime" PULSE_RUNTIME_PATH="$work/runtime/pulse"
    export PULSE_STATE_PATH="$work/pulse-state" PULSE_SERVER="unix:$work/runtime/pulse/native"
    HOME="$work/pulse-home" pulseaudio -D --system=false --exit-idle-time=-1 --disallow-exit -n \
        --load="module-null-sink sink_name=zornalit_check" --load="module-native-protocol-unix" \
        --log-target="file:$work/pulse.log" 2>/dev/null || fail "pulseaudio did not start"
    for _ in $(seq 100); do
        pactl info >/dev/null 2>&1 && { pulse=1; break; }
        sleep 0.1
    done
    [ "$pulse" = 1 ] || fail "pulseaudio does not answer"
    trap stop_sound_server EXIT
}

stop_sound_server() {
    [ -n "$recorder" ] && kill "$recorder" 2>/dev/null || true
    [ -s "$PULSE_RUNTIME_PATH/pid" ] && kill "$(cat "$PULSE_RUNTIME_PATH/pid")" 2>/dev/null || true
    cleanup
}

# Starts the prefix's Wine server and its desktop process with a command
# that does nothing, so that what a check then runs, and times, meets a
# Wine already up. Its own status is no matter: it only starts things.
start_wine() {
    "${russian[@]}" wine cmd /c exit >/dev/null 2>&1 || true
}

# Starts the unpacked program from a folder of its own (the current folder),
# with the stand-in editor in the program folder; E2E_WINE_NOTEPAD=1 leaves
# it out, so that Wine's own is found, and E2E_NOTEPAD_IN_CURRENT_FOLDER=1
# puts it in the current folder instead, where the program must never look.
# Prints nothing; sets window, and startup_ms (launch to window mapped).
start_program() {
    mkdir -p "$state"
    prepare_locale
    prepare_prefix
    prepare_editor
    unpack_program
    start_display
    local started
    rm -rf "$editor_dir"
    mkdir -p "$editor_dir"
    if [ "${E2E_WINE_NOTEPAD:-0}" != 1 ]; then
        cp "$state/notepad.exe" "$program_dir/notepad.exe"
    fi
    if [ "${E2E_NOTEPAD_IN_CURRENT_FOLDER:-0}" = 1 ]; then
        cp "$state/notepad.exe" "$editor_dir/notepad.exe"
    fi
    # A check may put files into the program folder before the program starts.
    if declare -F before_start >/dev/null; then
        before_start
    fi
    start_wine
    started=$(date +%s%N)
    (cd "$editor_dir" && exec "${russian[@]}" wine "$program_windows\\zornalit.exe") >"$work/program.out" 2>"$work/program.err" &
    program_pid=$!
    wait_for_main_window
    startup_ms=$(( ($(date +%s%N) - started) / 1000000 ))
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 0.5
}

# Closes the program's window with Alt+F4, as a user does (X's own closing
# would destroy the window under Wine's feet), and fails unless the program
# then ends within 10 s: a process left behind holds the program's files.
close_program() {
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers alt+F4
    wait_until_gone "$window"
    within 200 program_ended || fail "the program was still running 10 s after its window closed"
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}

program_ended() {
    ! kill -0 "$program_pid" 2>/dev/null
}

# How many times the stand-in editor has been called.
editor_calls() {
    [ -f "$FAKE_NOTEPAD_LOG" ] && wc -l < "$FAKE_NOTEPAD_LOG" || echo 0
}

# Editor call n's command line, as the stand-in recorded it.
editor_call() {
    sed -n "${1}p" "$FAKE_NOTEPAD_LOG"
}

# The text of a visible message box, through the clipboard (Ctrl+C in a
# Windows message box copies its title and text).
error_box_text() {
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    sleep 0.2
    printf '' | xclip -selection clipboard -i
    xdotool key --clearmodifiers ctrl+c
    sleep 0.5
    clipboard_text
}

# Saves the screen, or one window of it, as a PNG file.
screenshot() {
    local folder="${ZORNALIT_WINE_SCREENSHOTS:-$state/screenshots}"
    mkdir -p "$folder"
    import -window "${2:-root}" "$folder/$1" 2>/dev/null || fail "could not save the screenshot $1"
}
