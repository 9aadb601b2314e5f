# The block a lookup copies into the report, taken from the database by
# other means than the program's: the header line of the segment and step,
# then every line up to the terminator line, each ended by CR LF, the bytes
# as they are. Sourced, not run.

# Prints the block of "segment.step" (as "5.3") of the database file.
database_block() {
    local header
    header="$(printf '\321\305\303\314 %s.' "$1")"
    LC_ALL=C awk -v header="$header" 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
        !found && index($0, header) == 1 { found = 1; print; next }
        found && substr($0, 1, 1) == "@" { exit }
        found { print }' "$2"
}
