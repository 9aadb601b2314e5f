#!/usr/bin/env bash
# The hidden joke from a program folder without the sound module: the window
# opens as ever and the joke ends in an "Ошибка!" box (joke-sound.sh).
E2E_NO_SOUND_MODULE=1 exec bash "$(dirname "$0")/joke-sound.sh"
