#pragma once

#include "ExitStatus.h"
#include "lookup/QueryInput.h"
#include "lookup/StepCodes.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace zornalit::dbtool {

struct LookupAnswer {
    // Found, NotFound, InvalidQuery or LookupUnreadable.
    ExitStatus status = ExitStatus::NotFound;
    // Unless found, what the window would say, or why the file cannot be read.
    QString message;
};

// Takes the report piece by piece, as it is copied from the database.
using ReportSink = std::function<void(QByteArrayView)>;

// The window's lookup of what the operator typed in the database at path:
// the same normalisation and validation (before the file is opened), the
// same fallback and report. On a hit, report receives exactly the bytes the
// window writes into its report, streamed, so a block of any size takes no
// more memory than a short one. It writes no file and starts nothing.
LookupAnswer lookUpQuery(
    const QString& path, const QueryBoxes& typed, const StepCodes& codes, const ReportSink& report);

} // namespace zornalit::dbtool
