#!/usr/bin/env bash
# The hidden joke under Wine with no sound server to play to: MCI refuses,
# and the operator reads why in Russian, naming the copy (joke-sound.sh).
E2E_NO_SOUND_SERVER=1 exec bash "$(dirname "$0")/joke-sound.sh"
