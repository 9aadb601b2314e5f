#include "QueryLookup.h"

#include "DatabaseFile.h"

#include "lookup/FaultSearch.h"
#include "lookup/NotFoundMessage.h"
#include "lookup/ReportBytes.h"

namespace zornalit::dbtool {

namespace {

struct WindowReport {
    SearchOutcome::Result result = SearchOutcome::Result::NotFound;
    QByteArray bytes;
    QString error;
};

// The one place that runs the window's search and gets the report bytes it
// would write.
WindowReport windowReport(QIODevice& database, const QueryBoxes& query, const StepCodes& codes)
{
    const SearchOutcome outcome = searchFaults(database, query, codes);
    WindowReport report{outcome.result, {}, outcome.error};
    if (outcome.result == SearchOutcome::Result::Found)
        report.bytes = reportBytes(outcome.block);
    return report;
}

} // namespace

LookupAnswer lookUpQuery(const QString& path, const QueryBoxes& typed, const StepCodes& codes)
{
    const QueryCheck check = normaliseQuery(typed, codes);
    if (!check.passed())
        return {LookupStatus::InvalidQuery, {}, check.error};

    QString why;
    const std::unique_ptr<QFile> database = openDatabase(path, &why);
    if (!database)
        return {LookupStatus::Unreadable, {}, why};
    const WindowReport report = windowReport(*database, check.boxes, codes);
    switch (report.result) {
    case SearchOutcome::Result::Found:
        return {LookupStatus::Found, report.bytes, {}};
    case SearchOutcome::Result::NotFound:
        return {LookupStatus::NotFound, {}, notFoundTitle(check.boxes) + QStringLiteral(": ") + notFoundPrompt};
    case SearchOutcome::Result::ReadFailed:
        break;
    }
    return {LookupStatus::Unreadable, {}, readFailure(path, report.error)};
}

} // namespace zornalit::dbtool
