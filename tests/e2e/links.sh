#!/usr/bin/env bash
# A click on either link label or its picture leaves that address, and only
# that, on the clipboard, whatever was there before.
source "$(dirname "$0")/lib/lib.sh"
start_program
click_tab 6

clipboard_targets() { xclip -selection clipboard -o -t TARGETS 2>/dev/null || true; }

seed_image() {
    # xclip offers the bytes as they are; the clipboard cares only for the type.
    printf '\211PNG\r\n\032\n' > "$work/seed.png"
    xclip -selection clipboard -t image/png -i "$work/seed.png"
    sleep 0.2
    clipboard_targets | grep -q image/png || fail "could not seed the clipboard with an image"
}

check_link() {
    local name=$1
    shift
    seed_image
    click_on_tab "$@"
    sleep 0.3
    local text
    text="$(clipboard_text)"
    clipboard_targets | grep -q image/png && fail "$name left the earlier image on the clipboard"
    case "$text" in
        http*://*) ;;
        *) fail "$name put '$text' on the clipboard" ;;
    esac
    [ "$(xclip -selection clipboard -o | wc -l)" -eq 0 ] || fail "$name added a line break"
    printf '%s' "$text"
}

site_label="$(check_link Label2 2400 1800 4215 615)"
site_picture="$(check_link Picture3 2400 1200 4215 615)"
forum_label="$(check_link Label3 120 4080 4215 615)"
forum_picture="$(check_link Picture4 120 3240 4215 735)"

[ "$site_label" = "$site_picture" ] || fail "Label2 and Picture3 copied '$site_label' and '$site_picture'"
[ "$forum_label" = "$forum_picture" ] || fail "Label3 and Picture4 copied '$forum_label' and '$forum_picture'"
[ "$site_label" != "$forum_label" ] || fail "both links copied the same address"

# A click on the instruction label copies nothing.
seed_image
click_on_tab 4560 2520 1935 2175
clipboard_targets | grep -q image/png || fail "a click on Label4 changed the clipboard"
echo "links end to end: ok"
