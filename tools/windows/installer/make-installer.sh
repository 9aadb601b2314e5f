#!/usr/bin/env bash
# Builds the per-user installer from a laid-out program folder:
#
#   make-installer.sh BUILD PROGRAM OUTPUT
#
# BUILD is the CMake build folder (the version, the icon, and the install
# rules that tell the data files a deployment replaces from the program's
# own), PROGRAM the program folder build.sh laid out, OUTPUT the folder the
# installer goes to, as zornalit-setup-<version>-x64.exe. With
# ZORNALIT_SIGN_PFX set, the installer and its uninstaller are signed by
# tools/windows/sign.sh. Prints the installer's path.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../../.." && pwd)"
source "$root/tools/windows/lib.sh"
build="$(cd "$1" && pwd)" program="$(cd "$2" && pwd)" output="$(cd "$3" && pwd)"

command -v makensis >/dev/null 2>&1 || {
    echo "Нет makensis: установите пакет Debian nsis (tools/lib/packages.sh)." >&2
    exit 1
}
version="$(build_version "$build")"
[ -n "$version" ] || { echo "В «$build/CMakeCache.txt» нет версии программы." >&2; exit 1; }
quad="$version"
while [ "$(tr -cd . <<<"$quad" | wc -c)" -lt 3 ]; do quad="$quad.0"; done
icon="$build/zornalit.ico"
[ -f "$icon" ] || { echo "Нет значка программы «$icon»." >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The data files are those CMake installs as its "data" component: the
# install rules are the one place that tells them from the program's files.
cmake --install "$build" --component data --prefix "$work/data" >/dev/null
(cd "$work/data" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/data.list"
[ -s "$work/data.list" ] || { echo "Сборка не называет ни одного файла данных." >&2; exit 1; }
(cd "$program" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/all.list"
LC_ALL=C comm -23 "$work/all.list" "$work/data.list" >"$work/program.list"
if [ -n "$(LC_ALL=C comm -13 "$work/all.list" "$work/data.list")" ]; then
    echo "В папке программы «$program» нет части файлов данных." >&2
    exit 1
fi

# A name as an NSIS string: Windows separators, $ doubled.
nsis_name() {
    printf '%s' "$1" | sed 's/\$/$$/g' | tr / '\\'
}

{
    echo '!macro INSTALL_PROGRAM_FILES'
    sed -n 's|/[^/]*$||p' "$work/program.list" | LC_ALL=C sort -u | while IFS= read -r folder; do
        echo "    CreateDirectory \"\$INSTDIR\\$(nsis_name "$folder")\""
    done
    while IFS= read -r name; do
        echo "    File \"/oname=$(nsis_name "$name")\" \"$program/$name\""
    done <"$work/program.list"
    echo '!macroend'
    echo '!macro LIST_PROGRAM_FILES handle'
    while IFS= read -r name; do
        echo "    FileWriteUTF16LE \${handle} \"$(nsis_name "$name")\$\\r\$\\n\""
    done <"$work/program.list"
    echo '!macroend'
} >"$work/program-files.nsh"
{
    echo '!macro INSTALL_MISSING_DATA_FILES'
    while IFS= read -r name; do
        echo "    \${IfNot} \${FileExists} \"\$INSTDIR\\$(nsis_name "$name")\""
        echo "        File \"/oname=$(nsis_name "$name")\" \"$program/$name\""
        echo '    ${EndIf}'
    done <"$work/data.list"
    echo '!macroend'
    echo '!macro SKIP_DATA_FILE name'
    while IFS= read -r name; do
        echo "    \${If} \${name} == \"$(nsis_name "$name")\""
        echo '        ${Continue}'
        echo '    ${EndIf}'
    done <"$work/data.list"
    echo '!macroend'
    echo '!macro REMOVE_DATA_FILES'
    while IFS= read -r name; do
        echo "    Delete \"\$INSTDIR\\$(nsis_name "$name")\""
    done <"$work/data.list"
    echo '!macroend'
} >"$work/data-files.nsh"

installer="$output/zornalit-setup-$version-x64.exe"
sign=()
if [ -n "${ZORNALIT_SIGN_PFX:-}" ]; then
    sign=("-DSIGN=$(cd "$here/.." && pwd)/sign.sh")
fi
rm -f "$installer"
makensis -V2 -WX -INPUTCHARSET UTF8 \
    "-DVERSION=$version" "-DVERSION_QUAD=$quad" "-DOUTFILE=$installer" "-DICON=$icon" "-DFILES=$work" \
    "${sign[@]}" "$here/zornalit.nsi" >"$work/makensis.log" 2>&1 || {
    cat "$work/makensis.log" >&2
    echo "makensis не собрал установщик." >&2
    exit 1
}
echo "$installer"
