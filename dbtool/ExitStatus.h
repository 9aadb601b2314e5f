#pragma once

namespace zornalit::dbtool {

// zornalit-db's exit statuses, the only place they are numbered. A number
// stands for the same kind of outcome in every command, but each command
// words it its own way, so some numbers have several names.
enum class ExitStatus {
    Clean = 0,            // check: nothing wrong; coverage, help and version: done
    Found = 0,            // lookup and search
    Problems = 1,         // check: something is wrong
    NotFound = 1,         // lookup and search
    Unreadable = 2,       // check, coverage and search: the database cannot be read
    Usage = 2,            // a command line the tool does not understand
    InvalidQuery = 2,     // lookup: a query the window refuses as well
    LookupUnreadable = 3, // lookup: the database cannot be read
    OutputFailed = 4,     // the output could not be written, whatever the command
    NoProgramFolder = 5,  // the program's own folder cannot be named
};

// The number the process ends with.
constexpr int exitCode(ExitStatus status)
{
    return static_cast<int>(status);
}

} // namespace zornalit::dbtool
