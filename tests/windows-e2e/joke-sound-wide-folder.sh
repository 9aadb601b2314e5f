#!/usr/bin/env bash
# The hidden joke under Wine from a folder whose name has letters outside
# code page 1251 (Chinese and an emoji): MCI takes the path through the code
# page, so the copy is handed to it by its short name. The sounds must play
# as from any folder (joke-sound.sh), with no «файл не найден».
E2E_PROGRAM_FOLDER="Атака/中文 😀 Зорн" exec bash "$(dirname "$0")/joke-sound.sh"
