#!/usr/bin/env bash
# The program ends when its window is closed, after a lookup has written the
# report and started the editor: three times over, since a process that
# outlives its window did so only now and then (the MinGW runtime's
# unloading could wait for good on a lock of a thread the exit had killed).
source "$(dirname "$0")/lib/lib.bash"
for round in 1 2 3; do
    start_program
    look_up 05 3
    wait_for_editor_calls 1
    close_program
    stop_display
done
echo "the program ends with its window under Wine: ok"
