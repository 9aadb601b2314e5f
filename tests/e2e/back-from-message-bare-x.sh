#!/usr/bin/env bash
# The return from a message box on a bare X server, without a window
# manager: the main window is activated only after the click
# (back-from-message.sh).
E2E_WINDOW_MANAGER=none exec bash "$(dirname "$0")/back-from-message.sh"
