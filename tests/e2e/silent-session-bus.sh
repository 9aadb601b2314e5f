#!/usr/bin/env bash
# A session bus that takes connections and never answers, its daemon
# stopped: the window still opens, the program says in one line that it
# goes without the screen reader's bridge, and it ends at once when its
# window is closed.
set -euo pipefail
source "$(dirname "$0")/lib/lib.sh"

command -v dbus-daemon >/dev/null || fail "no dbus-daemon (package dbus-daemon)"

daemon_pid=""
stop_daemon() {
    [ -n "$daemon_pid" ] || return 0
    kill -CONT "$daemon_pid" 2>/dev/null || true
    kill "$daemon_pid" 2>/dev/null || true
    daemon_pid=""
}
trap 'stop_daemon; cleanup' EXIT

bus="$work/bus"
dbus-daemon --session --nofork --address="unix:path=$bus" --print-pid=3 3>"$work/daemon.pid" \
    >"$work/daemon.log" 2>&1 &
daemon_pid=$!
for _ in $(seq 100); do
    [ -S "$bus" ] && [ -s "$work/daemon.pid" ] && break
    kill -0 "$daemon_pid" 2>/dev/null || fail "dbus-daemon ended: $(cat "$work/daemon.log")"
    sleep 0.05
done
[ -S "$bus" ] || fail "dbus-daemon made no socket"
dbus-send --bus="unix:path=$bus" --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.Peer.Ping \
    >/dev/null || fail "the bus did not answer before it was stopped"
kill -STOP "$daemon_pid"

export DBUS_SESSION_BUS_ADDRESS="unix:path=$bus"
unset AT_SPI_BUS_ADDRESS
# A screen reader is said to listen, so that the bridge would ask the bus.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program

grep -q "D-Bus не отвечает" "$work/program.err" \
    || fail "the program did not say that the bus is silent: $(cat "$work/program.err")"

# The window serves events: a tab is chosen, and the window closes.
click_tab 2
close_and_expect_end 2
wait "$program_pid" || fail "the program ended with status $?"
program_pid=""
echo "silent session bus: ok"
