# Signing of the Windows build, sourced by build.sh. Sourced, not run.

# Signs the images we build ourselves in the program folder when a
# certificate is given (ZORNALIT_SIGN_PFX), or says in one line that nothing
# is signed. Ours are the images CMake installs; the Qt and MinGW DLLs
# copied beside them are their makers' and are left as they come.
sign_own_images() {
    local build="$1" program="$2" own name images=()
    if [ -z "${ZORNALIT_SIGN_PFX:-}" ]; then
        echo "Подпись: ZORNALIT_SIGN_PFX не задан, программа и установщик не подписаны."
        return 0
    fi
    own="$(mktemp -d)"
    cmake --install "$build" --component Unspecified --prefix "$own" >/dev/null
    while IFS= read -r -d '' name; do
        images+=("$program/${name#"$own"/}")
    done < <(pe_images "$own")
    rm -rf "$own"
    [ ${#images[@]} -gt 0 ] || { echo "Среди устанавливаемых файлов нет ни одной программы Windows." >&2; return 1; }
    "$root/tools/windows/sign.sh" "${images[@]}"
    echo "Подпись: подписаны сертификатом «$ZORNALIT_SIGN_PFX»: ${images[*]##*/} и установщик (без метки времени)."
}
