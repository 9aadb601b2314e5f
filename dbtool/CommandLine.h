#pragma once

#include "ExitStatus.h"

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

// Runs one command line (arguments[0] is the program) against the database
// in programFolder, or the one --database names; returns the exit code.
int runCommandLine(const QStringList& arguments, const QString& programFolder, const Terminal& terminal);

} // namespace zornalit::dbtool
