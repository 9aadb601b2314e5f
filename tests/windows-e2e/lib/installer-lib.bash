# Helpers of the installer's check under Wine (installer.sh): running a
# Windows program to its end, listing what the prefix holds, reading the
# registry as Wine keeps it, and the installed folder. Sourced after
# lib.bash; its name does not end in .sh, so that running every check here
# leaves it out.

# Whatever this check started in the background and left running (a Wine
# program after a failure) is ended with it, before the display is.
trap 'kill $(jobs -p) 2>/dev/null || true; cleanup' EXIT

# The sample files a deployment replaces: those of the repository's data/.
data_files() {
    (cd "$root/data" && find . -type f ! -name CMakeLists.txt | sed 's|^\./||' | LC_ALL=C sort)
}

# Runs a Windows program given by its Windows path to its end, in the
# Russian locale; its status is the program's.
run_windows() {
    timeout --kill-after=10 300 "${russian[@]}" wine "$@" >>"$work/wine.out" 2>&1
}

# Waits until every Windows process of the prefix has ended and Wine has
# written its registry files.
settle_prefix() {
    wineserver -w
}

# A Linux path under drive_c as Windows names it.
windows_path_of() {
    printf 'C:%s' "${1#"$WINEPREFIX/drive_c"}" | tr / '\\'
}

# The default install folder, once something is there.
installed_folder() {
    local folder
    for folder in "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Зорналит; do
        [ -d "$folder" ] && { echo "$folder"; return 0; }
    done
    echo "$WINEPREFIX/drive_c/users/$USER/AppData/Local/Programs/Зорналит"
}

# The values of one HKCU key as Wine's user.reg keeps them, one
# "name=value" a line, its \xNNNN escapes decoded; nothing when the key is
# not there.
registry_values() {
    local key
    key="$(printf '%s' "$1" | sed 's/\\/\\\\/g')"
    perl -CO -ne '
        BEGIN { $key = shift @ARGV; }
        if (/^\[(.*)\]/) { $in = ($1 eq $key); next; }
        next unless $in && /^"([^"]*)"=(.*)$/;
        my ($name, $value) = ($1, $2);
        $value =~ s/^"(.*)"$/$1/;
        $value =~ s/\\x([0-9a-fA-F]{1,4})/chr(hex($1))/ge;
        $value =~ s/\\\\/\\/g;
        $value =~ s/\\"/"/g;
        print "$name=$value\n";
    ' "$key" "$WINEPREFIX/user.reg"
}

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Zornalit'

check_uninstall_entry() {
    local folder="$1" values
    values="$(registry_values "$uninstall_key")"
    [ -n "$values" ] || fail "no entry under HKCU\\$uninstall_key"
    local line
    for line in "DisplayName=Зорналит" "DisplayVersion=$version" "Publisher=Зорналит" \
        "DisplayIcon=$folder\\zornalit.exe,0" "InstallLocation=$folder" \
        "UninstallString=\"$folder\\uninstall.exe\"" "QuietUninstallString=\"$folder\\uninstall.exe\" /S"; do
        grep -qxF "$line" <<<"$values" || fail "the uninstall entry lacks $line; it has:
$values"
    done
    grep -qE '^EstimatedSize=dword:0*[1-9a-f][0-9a-f]*$' <<<"$values" || fail "the uninstall entry gives no size"
}

# Fails unless every file of the built program folder is in the installed
# one, byte for byte.
check_same_files() {
    local built="$1" installed="$2" name
    while IFS= read -r name; do
        cmp -s "$built/$name" "$installed/$name" || fail "the installed $name differs from the built one or is missing"
    done < <(cd "$built" && find . -type f | sed 's|^\./||')
}

# Fails when a program file, the uninstaller, its list, the report, a
# leftover, the shortcut or the registry entry is still there.
check_uninstalled() {
    local built="$1" installed="$2" shortcut="$3" name data
    data="$(data_files)"
    while IFS= read -r name; do
        grep -qxF "$name" <<<"$data" && continue
        [ ! -e "$installed/$name" ] || fail "the uninstall left the program's $name"
    done < <(cd "$built" && find . -type f | sed 's|^\./||')
    for name in uninstall.exe uninstall-files.txt SegmInfo.txt SegmInfo.txt.1f2e.tmp Ostatsa.wav \
        Mgnoven.wav.a0.tmp platforms styles imageformats iconengines translations; do
        [ ! -e "$installed/$name" ] || fail "the uninstall left $name"
    done
    [ ! -e "$shortcut" ] || fail "the uninstall left the Start-menu shortcut"
    [ -z "$(registry_values "$uninstall_key")" ] || fail "the uninstall left the registry entry"
}

# What the prefix's user folders and HKCU hold, one line each, sorted:
# folders by name, files by name and size, registry values by key and name.
# Left out is what Wine itself changes as it runs, whatever the program
# does: the times it stamps on keys, the temporary folder, and the keys it
# keeps its own state and the desktop's in.
prefix_listing() {
    {
        (cd "$WINEPREFIX/drive_c/users" && find . -mindepth 1 \
            \( \( -path './*/Temp' -o -path './*/AppData/Local/Temp' \) -prune \) -o \
            \( -type f -printf 'f %P %s\n' \) -o \( -type d -printf 'd %P\n' \) -o -printf '%y %P\n')
        perl -ne '
            next if /^#time=/ || /^\s*$/ || /^WINE REGISTRY/ || /^;;/ || /^#arch=/;
            if (/^\[(.*)\]/) { $key = $1; next; }
            next if $key =~ /^Software\\\\Wine\\\\/ || $key =~ /\\\\Explorer\\\\(RecentDocs|ComDlg32)/;
            print "HKCU $key $_";
        ' "$WINEPREFIX/user.reg"
    } 2>/dev/null | LC_ALL=C sort
}

# The lines prefix_listing gains when an uninstall kept the deployment's
# files and the user's file in the install folder, and nothing else.
expected_leftover_listing() {
    local installed="$1" relative name
    relative="${installed#"$WINEPREFIX/drive_c/users/"}"
    {
        echo "d $relative"
        echo "d $(dirname "$relative")"
        while IFS= read -r name; do
            [ -f "$installed/$name" ] && echo "f $relative/$name $(stat -c %s "$installed/$name")"
        done < <(data_files; echo "Мои заметки.txt")
    } | LC_ALL=C sort | LC_ALL=C comm -13 "$work/before.list" -
}

# Closes the program as a user does, waits for it to end, then ends what
# Wine itself keeps running, so that the installer finds nothing busy.
close_installed_program() {
    close_program
    wineserver -k 2>/dev/null || true
}

# With ZORNALIT_SIGN_CERT (the certificate of a signed build), checks the
# installed uninstaller's signature: it is written during the installer's
# build and signed there, so only an install shows it.
verify_installed_uninstaller() {
    [ -n "${ZORNALIT_SIGN_CERT:-}" ] || return 0
    osslsigncode verify -CAfile "$ZORNALIT_SIGN_CERT" -in "$1" >"$work/verify.out" 2>&1 \
        || { cat "$work/verify.out" >&2; fail "the installed uninstaller carries no valid signature"; }
}

# The installer's interactive pages, one screenshot of three: welcome,
# folder, components. The install is not finished.
show_setup_pages() {
    local setup page setup_pid
    (exec "${russian[@]}" wine "$(windows_path "$1")") >>"$work/wine.out" 2>&1 &
    setup_pid=$!
    setup="$(wait_for_window 'Зорналит')"
    for page in 1 2 3; do
        sleep 1.5
        import -window "$setup" "$work/setup-$page.png" 2>/dev/null || fail "could not take the installer's page $page"
        [ "$page" = 3 ] || { xdotool windowactivate --sync "$setup" 2>/dev/null || true; xdotool key --clearmodifiers Return; }
    done
    wineserver -k 2>/dev/null || true
    kill "$setup_pid" 2>/dev/null || true
    wait "$setup_pid" 2>/dev/null || true
    local folder="${ZORNALIT_WINE_SCREENSHOTS:-$state/screenshots}"
    mkdir -p "$folder"
    montage "$work"/setup-{1,2,3}.png -tile 3x1 -geometry +6+6 -background '#d4d0c8' "$folder/windows-setup.png" \
        || fail "could not put the installer's pages together"
}

# Runs a silent install into a folder on a read-only disk mapped as drive
# R:, which must fail and leave no trace in the prefix's user folders and
# HKCU. Needs the right to mount a tmpfs; says so and goes on without it.
refuse_readonly_folder() {
    local disk="$work/readonly" drive="$WINEPREFIX/dosdevices/r:" status=0
    mkdir -p "$disk"
    if ! mount -t tmpfs -o ro,size=64k zornalit-wine-readonly "$disk" 2>/dev/null; then
        echo "installer under Wine: the read-only folder is not tried (mounting a tmpfs is not permitted)"
        return 0
    fi
    ln -sfn "$disk" "$drive"
    run_windows "$(windows_path "$installer")" /S '/D=R:\Зорналит' || status=$?
    rm -f "$drive"
    umount -l "$disk" 2>/dev/null || true
    [ "$status" -ne 0 ] || fail "an install into a read-only folder reported success"
    settle_prefix
    prefix_listing >"$work/refused.list"
    diff -u "$work/before.list" "$work/refused.list" >&2 || fail "the refused install changed the prefix (above)"
}
