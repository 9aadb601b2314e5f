#pragma once

#include "lookup/QueryInput.h"
#include "lookup/StepCodes.h"

#include <QByteArray>
#include <QString>

namespace zornalit::dbtool {

// The exit statuses of the lookup command.
enum class LookupStatus {
    Found = 0,
    NotFound = 1,
    InvalidQuery = 2,
    Unreadable = 3,
};

struct LookupAnswer {
    LookupStatus status = LookupStatus::NotFound;
    // On a hit: exactly the bytes the window writes into its report.
    QByteArray report;
    // Otherwise what the window would say, or why the file cannot be read.
    QString message;
};

// The window's lookup of what the operator typed in the database at path:
// the same normalisation and validation (before the file is opened), the
// same fallback and report. It writes no file and starts nothing.
LookupAnswer lookUpQuery(const QString& path, const QueryBoxes& typed, const StepCodes& codes);

} // namespace zornalit::dbtool
