#include "QueryLookup.h"

#include "DatabaseFile.h"

#include "lookup/FaultSearch.h"
#include "lookup/NotFoundMessage.h"
#include "lookup/BlockCopy.h"
#include "platform/FileErrorText.h"

namespace zornalit::dbtool {

namespace {

// A write-only device that hands what is written to a sink.
class SinkDevice : public QIODevice {
public:
    explicit SinkDevice(const ReportSink& sink)
        : m_sink(sink)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        m_sink(QByteArrayView(data, size));
        return size;
    }

private:
    const ReportSink& m_sink;
};

struct WindowReport {
    SearchOutcome::Result result = SearchOutcome::Result::NotFound;
    QString error;
};

// The one place that runs the window's search and copies the block it finds
// as the window copies it into its report.
WindowReport windowReport(QIODevice& database, const QueryBoxes& query, const StepCodes& codes, const ReportSink& sink)
{
    const SearchOutcome outcome = searchFaults(database, query, codes);
    if (outcome.result != SearchOutcome::Result::Found)
        return {outcome.result, outcome.error};
    SinkDevice report(sink);
    const BlockCopy copy = copyBlock(database, outcome.blockStart, report);
    if (copy.result != BlockCopy::Result::Copied)
        return {SearchOutcome::Result::ReadFailed, copy.error};
    return {SearchOutcome::Result::Found, {}};
}

} // namespace

LookupAnswer lookUpQuery(const QString& path, const QueryBoxes& typed, const StepCodes& codes, const ReportSink& report)
{
    const QueryCheck check = normaliseQuery(typed, codes);
    if (!check.passed())
        return {ExitStatus::InvalidQuery, queryPrompt(check.problem)};

    QString why;
    const std::unique_ptr<QIODevice> database = openDatabase(path, &why);
    if (!database)
        return {ExitStatus::LookupUnreadable, why};
    const WindowReport found = windowReport(*database, check.boxes, codes, report);
    switch (found.result) {
    case SearchOutcome::Result::Found:
        return {ExitStatus::Found, {}};
    case SearchOutcome::Result::NotFound:
        return {ExitStatus::NotFound, notFoundTitle(check.boxes) + QStringLiteral(": ") + notFoundPrompt};
    case SearchOutcome::Result::ReadFailed:
        break;
    }
    return {ExitStatus::LookupUnreadable, readFailure(path, found.error)};
}

} // namespace zornalit::dbtool
