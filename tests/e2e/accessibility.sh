#!/usr/bin/env bash
# A screen reader's view of the installed program, over the real
# accessibility bus: the window's accessible tree with every control of the
# selected tab named and of a clear role, the two query boxes told apart,
# and an error box whose text can be read and which can be closed.
#
# The check runs in a private D-Bus session with its own accessibility bus,
# both ended when it ends, so nothing reaches the desktop it is run from.
set -euo pipefail

if [ -z "${ZORNALIT_PRIVATE_SESSION_BUS:-}" ]; then
    ZORNALIT_PRIVATE_SESSION_BUS=1 exec timeout 110 dbus-run-session -- bash "$0" "$@"
fi

source "$(dirname "$0")/lib/lib.sh"

reader="$here/accessible_tree.py"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || fail "no $launcher (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "no pyatspi for /usr/bin/python3 (package python3-pyatspi)"

launcher_pid=""
# The launcher takes the accessibility bus daemon, its child, down with it.
stop_accessibility_bus() {
    [ -n "$launcher_pid" ] || return 0
    kill "$launcher_pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$launcher_pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$launcher_pid" 2>/dev/null && kill -KILL "$launcher_pid" 2>/dev/null
    launcher_pid=""
}
trap 'stop_accessibility_bus; cleanup' EXIT

# The accessibility bus's socket goes into a runtime folder of this run's
# own, so that runs side by side never share a bus.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The launcher owns org.a11y.Bus on the private session bus and starts the
# accessibility bus at once; the registry is started on it when first asked.
# It never sees the display it was run from, where it would announce its bus
# to everyone; the program and the reader ask the private session bus.
unset AT_SPI_BUS_ADDRESS
env -u DISPLAY -u WAYLAND_DISPLAY "$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
launcher_pid=$!
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    kill -0 "$launcher_pid" 2>/dev/null || fail "the accessibility bus launcher ended: $(cat "$work/launcher.log")"
    sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
    || fail "the accessibility bus did not come up"

# Qt speaks to the accessibility bus only when told that a screen reader
# listens.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program

read_tree() {
    /usr/bin/python3 "$reader" "$program_pid" "$@" || fail "accessible tree: $*"
}

read_tree tab 0
read_tree message

# Choosing tabs from the keyboard: each tab reached is heard taking the focus.
click_tab 0
/usr/bin/python3 "$reader" "$program_pid" keys End Left >"$work/focused" || fail "listening for focus changes"
printf 'P. S.: УТП\nО программе\n' >"$work/expected-focus"
diff -u "$work/expected-focus" "$work/focused" >&2 || fail "the page tabs heard taking the focus differ"
click_tab 6
read_tree tab 6
click_tab 7
read_tree tab 7
read_tree about
click_tab 8
read_tree tab 8

stop_accessibility_bus
echo "accessible tree: ok"
