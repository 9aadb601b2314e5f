#!/bin/bash
# Remakes the sample text files of the program folder (data/) from their
# UTF-8 sources in tools/sample-data/: Windows-1251, every line ended by CR LF.
# A character that has no Windows-1251 form stops the script with an error
# rather than leaving a damaged file behind.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
sources="$here/sample-data"
target="$here/../data"

for source in "$sources"/*.utf8.txt; do
    name=$(basename "$source" .utf8.txt).txt
    if grep -q "$(printf '\r')" "$source"; then
        echo "$source: holds CR characters; keep the source with plain LF line ends" >&2
        exit 1
    fi
    temporary="$target/.$name.tmp"
    if ! iconv -f UTF-8 -t CP1251 "$source" | sed 's/$/\r/' > "$temporary"; then
        rm -f "$temporary"
        echo "$source: cannot be written in Windows-1251" >&2
        exit 1
    fi
    mv "$temporary" "$target/$name"
    echo "$target/$name"
done
