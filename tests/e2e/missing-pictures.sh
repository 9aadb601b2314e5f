#!/usr/bin/env bash
# Pictures that are missing or unreadable: the window opens all the same,
# and each one is reported once on stderr, in the order the pictures are
# read. The cover of the opening tab is read before the window first
# paints and the others after it, yet its report still comes in its turn:
# after the About window's, the photo's and the links' pictures, before the
# document buttons'.
copy="$(mktemp -d)"
cp -a "${ZORNALIT_INSTALLED:?}/." "$copy/"
rm -f "$copy/About.bmp" "$copy/Обложка.bmp" "$copy/Обложка1.bmp"
printf 'BM not a picture' > "$copy/Форум КВАНТ.bmp"
export ZORNALIT_INSTALLED="$copy"
source "$(dirname "$0")/lib/lib.sh"
trap 'cleanup; rm -rf "$copy"' EXIT
start_program

expected=("About.bmp" "Форум КВАНТ.bmp" "Обложка.bmp")
for _ in 1 2 3 4 5 6; do expected+=("Обложка1.bmp"); done
for _ in $(seq 100); do
    [ "$(grep -c 'Не удалось загрузить рисунок' "$work/program.err" || true)" -ge "${#expected[@]}" ] && break
    sleep 0.05
done
mapfile -t told < <(grep 'Не удалось загрузить рисунок' "$work/program.err" | sed 's/.*«.*\/\([^/]*\)».*/\1/')
[ "${told[*]}" = "${expected[*]}" ] ||
    fail "pictures reported as: ${told[*]}; expected: ${expected[*]}; stderr: $(cat "$work/program.err")"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.err")"
echo "missing pictures end to end: ok"
