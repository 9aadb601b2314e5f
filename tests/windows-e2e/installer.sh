#!/usr/bin/env bash
# The per-user installer under Wine, in a fresh prefix of its own: a silent
# install puts the program's files, the Start-menu shortcut and the entry of
# the installed programs in place; the installed program opens its window
# and a lookup writes the report and starts the editor; a folder that
# cannot be made is refused with a failing exit status; an upgrade keeps a
# changed database byte for byte, puts back a missing sample, replaces the
# program and removes what the old version had and the new has not; a
# silent uninstall removes the program, its shortcut, its entry, the report
# and the leftovers, keeps the database, the samples and a user's own file,
# and changes nothing else in the prefix's user folders and HKCU. Ends with
# the interactive pages in one screenshot (windows-setup.png).
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${ZORNALIT_WINDOWS_BUILD_DIR:-$here/../../build-windows}"
export ZORNALIT_WINE_DIR="${ZORNALIT_INSTALLER_WINE_DIR:-$out/wine-installer}"
source "$here/lib/lib.bash"
source "$root/tests/windows-e2e/lib/installer-lib.bash"

version="$(build_version "$out/build")"
installer="$out/zornalit-setup-$version-x64.exe"
built="$out/program"
[ -f "$installer" ] || fail "no installer at $installer (tools/windows/build.sh makes it)"

mkdir -p "$state"
prepare_locale
rm -rf "$WINEPREFIX"
prepare_prefix
start_display
settle_prefix
prefix_listing >"$work/before.list"

# A folder the user cannot write to (a read-only disk as drive R:): refused
# with a failing status, and nothing is left anywhere.
refuse_readonly_folder

# The silent install.
started=$(date +%s%N)
run_windows "$(windows_path "$installer")" /S || fail "the silent install ended with status $?"
settle_prefix
echo "Wine: silent install took $(( ($(date +%s%N) - started) / 1000000 )) ms"
installed="$(installed_folder)"
[ -d "$installed" ] || fail "nothing was installed into AppData\\Local\\Programs\\Зорналит"
user_folder="$(dirname "$(dirname "$(dirname "$(dirname "$installed")")")")"
shortcut="$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Зорналит.lnk"
check_same_files "$built" "$installed"
[ -f "$installed/uninstall.exe" ] || fail "no uninstall.exe"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
LC_ALL=C grep -q 'zornalit\.exe' "$shortcut" || fail "the shortcut does not point at zornalit.exe"
check_uninstall_entry "$(windows_path_of "$installed")"

# The installed program: its window, a lookup, the report and the editor.
# start_program puts the stand-in editor into the installed folder, where
# the program looks for it first; it leaves the folder before the upgrade.
unpack_program() { :; }
program_dir="$installed"
program_windows="$(windows_path_of "$installed")"
start_program
screenshot windows-installed.png
look_up 05 3
wait_for_editor_calls 1
case "$(editor_call 1)" in
    *"$program_windows\\SegmInfo.txt") ;;
    *) fail "the editor was started as '$(editor_call 1)'" ;;
esac
database_block 5.3 "$installed/SEGM_WIN_ALL.txt" >"$work/expected"
cmp -s "$work/expected" "$installed/SegmInfo.txt" || fail "the installed program's report differs from the block"
close_installed_program
rm -f "$installed/notepad.exe" "$installed/notepad.log"*
settle_prefix

# A zornalit-db.exe in use (held open here) stops an upgrade and an
# uninstall before either touches a file: the program stays whole. The
# uninstaller runs in place (_?=) so that its status is its own.
hold_file "$(windows_path_of "$installed")\\zornalit-db.exe"
status=0
run_windows "$(windows_path "$installer")" /S || status=$?
[ "$status" -ne 0 ] || fail "an upgrade over a zornalit-db.exe in use reported success"
status=0
run_windows "$(windows_path_of "$installed")\\uninstall.exe" /S "_?=$(windows_path_of "$installed")" || status=$?
[ "$status" -ne 0 ] || fail "an uninstall while zornalit-db.exe was in use reported success"
still_held
release_file
settle_prefix
check_same_files "$built" "$installed"
check_uninstall_entry "$(windows_path_of "$installed")"

# An upgrade over a deployment: its own database, a sample removed, an
# older program, a file only the old version had, a user's own file, a
# report and leftovers of an interrupted run.
printf 'Замечание своей станции\r\n' | iconv -f UTF-8 -t CP1251 >>"$installed/SEGM_WIN_ALL.txt"
cp "$installed/SEGM_WIN_ALL.txt" "$work/changed-database"
rm "$installed/YTP.txt"
cp "$installed/zornalit-db.exe" "$installed/zornalit.exe"
printf 'old' >"$installed/old-plugin.dll"
# A damaged list names a wildcard, a data file and a name Windows trims:
# none of them may take a deployment's file with it.
printf 'old-plugin.dll\r\n*\r\nSEGM_WIN_ALL.txt\r\nYSK.txt.\r\n' | iconv -f UTF-8 -t UTF-16LE >>"$installed/uninstall-files.txt"
printf 'своё' >"$installed/Мои заметки.txt"
run_windows "$(windows_path "$installer")" /S || fail "the silent upgrade ended with status $?"
settle_prefix
cmp -s "$work/changed-database" "$installed/SEGM_WIN_ALL.txt" || fail "the upgrade changed the deployment's database"
cmp -s "$built/YTP.txt" "$installed/YTP.txt" || fail "the upgrade did not put back the missing YTP.txt"
cmp -s "$built/zornalit.exe" "$installed/zornalit.exe" || fail "the upgrade did not replace zornalit.exe"
[ ! -e "$installed/old-plugin.dll" ] || fail "the upgrade kept a file only the old version had"
[ -f "$installed/Мои заметки.txt" ] || fail "the upgrade removed a user's own file"
verify_installed_uninstaller "$installed/uninstall.exe"

# The silent uninstall.
printf 'report' >"$installed/SegmInfo.txt"
printf 'x' >"$installed/SegmInfo.txt.1f2e.tmp"
printf 'x' >"$installed/Ostatsa.wav"
printf 'x' >"$installed/Mgnoven.wav.a0.tmp"
started=$(date +%s%N)
run_windows "$(windows_path_of "$installed")\\uninstall.exe" /S || fail "the silent uninstall ended with status $?"
settle_prefix
echo "Wine: silent uninstall took $(( ($(date +%s%N) - started) / 1000000 )) ms"
check_uninstalled "$built" "$installed" "$shortcut"
cmp -s "$work/changed-database" "$installed/SEGM_WIN_ALL.txt" || fail "the uninstall changed the deployment's database"
[ -f "$installed/Мои заметки.txt" ] || fail "the uninstall removed a user's own file"

# Nothing else changed: what is left is the kept folder with exactly the
# data files and the user's file.
prefix_listing >"$work/after.list"
expected_leftover_listing "$installed" >"$work/kept.list"
LC_ALL=C comm -13 "$work/before.list" "$work/after.list" >"$work/added.list"
LC_ALL=C comm -23 "$work/before.list" "$work/after.list" >"$work/removed.list"
diff -u "$work/kept.list" "$work/added.list" >&2 || fail "the prefix gained more than the kept folder (above)"
[ ! -s "$work/removed.list" ] || { cat "$work/removed.list" >&2; fail "the install and uninstall removed these from the prefix"; }

show_setup_pages "$installer"
echo "Installer under Wine: ok ($(du -k "$installer" | cut -f1) KB)"
