#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace zornalit::dbtool {

// Where the commands write: the standard output and the standard error.
struct Terminal {
    std::function<void(QByteArrayView)> out;
    std::function<void(QByteArrayView)> err;

    void print(const QString& text) const { out(text.toUtf8()); }
    void complain(const QString& text) const { err(text.toUtf8()); }
};

// Exit statuses shared by the commands.
inline constexpr int exitClean = 0;
inline constexpr int exitFound = 0;
inline constexpr int exitProblems = 1;
inline constexpr int exitNothingFound = 1;
inline constexpr int exitUnreadable = 2; // check, coverage and search
inline constexpr int exitUsage = 2;
inline constexpr int exitOutputFailed = 4;    // the output could not be written
inline constexpr int exitNoProgramFolder = 5; // the program's own folder cannot be named

// Runs one command line (arguments[0] is the program) against the database
// in programFolder, or the one --database names; returns the exit status.
int runCommandLine(const QStringList& arguments, const QString& programFolder, const Terminal& terminal);

} // namespace zornalit::dbtool
