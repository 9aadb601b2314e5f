#!/usr/bin/env bash
# The hidden joke with a stored sound of 2 GB: the box comes at once and
# nothing is copied (joke-sound.sh).
E2E_LARGE_STORED_SOUND=1 exec bash "$(dirname "$0")/joke-sound.sh"
