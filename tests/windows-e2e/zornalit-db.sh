#!/usr/bin/env bash
# zornalit-db.exe under Wine, from the unpacked zip: check and lookup print
# their Russian texts as UTF-8 and end with the documented statuses; --raw
# gives exactly the bytes the window writes into SegmInfo.txt (Windows-1251,
# CR LF, nothing doubled). Wine's ANSI code page is 1251 here.
source "$(dirname "$0")/lib/lib.bash"
prepare_locale
prepare_prefix
unpack_program
# No display here: zornalit-db is a console program.
export DISPLAY=
start_wine

# Runs zornalit-db.exe in the program folder, for a minute at most (a run
# that never ends ends as 124); prints its exit status. Every
# command prints something, so a run without a byte of output never reached
# the program's own code: once on CI, Wine ended such a run with a failing
# status and not a word. That run is told in the log and made once more,
# with Wine's own error messages on, so that a second one shows its cause.
db() {
    local status
    status="$(db_once "$@")"
    if [ ! -s "$work/out" ] && [ ! -s "$work/err" ]; then
        echo "zornalit-db.exe $* gave no output at all (status $status); run again with Wine's errors shown" >&2
        status="$(WINEDEBUG=err+all,fixme-all db_once "$@")"
    fi
    echo "$status"
}

db_once() {
    local status=0
    (cd "$program_dir" && exec timeout --kill-after=5 60 "${russian[@]}" wine ./zornalit-db.exe "$@") \
        >"$work/out" 2>"$work/err" || status=$?
    echo "$status"
}

"${russian[@]}" wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP >"$work/acp" 2>&1 \
    || fail "Wine could not read its code page (status $?): $(cat "$work/acp")"
acp="$(tr -d '\r' <"$work/acp" | awk '/ACP/ { print $NF }')"
[ "$acp" = 1251 ] || fail "Wine's ANSI code page is '$acp', not 1251"

status="$(db check)"
[ "$status" = 0 ] || fail "check of the sample database ended with $status, not 0: $(cat "$work/out" "$work/err")"
grep -qxF "База: $program_windows\\SEGM_WIN_ALL.txt" "$work/out" || fail "check printed no «База:» line: $(cat "$work/out")"
grep -qx 'Замечаний нет.' "$work/out" || fail "check found problems in the sample: $(cat "$work/out")"

# A database with a repeated header: status 1, the finding told in Russian.
printf '\321\305\303\314 5.3.\r\n\316\344\350\355\r\n@\r\n\321\305\303\314 5.3.\r\n\304\342\340\r\n@\r\n' > "$program_dir/faults.txt"
[ "$(db --database faults.txt check)" = 1 ] || fail "check of a repeated header did not end with 1"
grep -q 'Повторы заголовков (1):' "$work/out" || fail "check did not name the repeat: $(cat "$work/out")"
grep -q 'строка 4: «СЕГМ 5.3.» повторяет заголовок строки 1' "$work/out" || fail "check told the repeat otherwise: $(cat "$work/out")"
[ "$(db --database missing.txt check)" = 2 ] || fail "check of a missing file did not end with 2"

[ "$(db lookup 05 7)" = 0 ] || fail "lookup 05 7 did not end with 0: $(cat "$work/err")"
head -n1 "$work/out" | grep -qx 'СЕГМ 5.3.' || fail "lookup printed '$(head -n1 "$work/out")'"
[ "$(db lookup 5 1G)" = 2 ] || fail "an invalid step did not end with 2"
grep -qx 'Недопустимый номер шага' "$work/err" || fail "an invalid step said '$(cat "$work/err")'"
[ "$(db lookup 99 0)" = 1 ] || fail "a segment without blocks did not end with 1"
[ "$(db --database missing.txt lookup 5 3)" = 3 ] || fail "lookup in a missing database did not end with 3"

# --raw: the database's block, byte for byte.
[ "$(db lookup --raw 05 3)" = 0 ] || fail "lookup --raw did not end with 0"
database_block 5.3 "$program_dir/SEGM_WIN_ALL.txt" > "$work/expected"
cmp -s "$work/expected" "$work/out" || fail "lookup --raw differs from the database's block"
echo "zornalit-db.exe under Wine: ok"
