#include "FaultLookup.h"

#include "lookup/FaultFiles.h"
#include "lookup/FaultSearch.h"
#include "lookup/NotFoundMessage.h"
#include "lookup/ReportBytes.h"
#include "platform/ViewerLaunch.h"

namespace zornalit {

namespace {

void showError(const Platform& platform, const QString& prompt)
{
    platform.messages.show(prompt, MessageStyle::Error, inputErrorTitle);
}

// The reason a file operation gave, or a sentence naming the file when it
// gave none.
QString reasonOr(const QString& why, const QString& fallback)
{
    return why.isEmpty() ? fallback : why;
}

// Searches the database; on a failure to read it, says so and gives nothing.
std::optional<SearchOutcome> searchDatabase(const Platform& platform, const QueryBoxes& query,
                                            const StepCodes& codes)
{
    const QString path = platform.folder.fileNamed(faultDatabaseFileName);
    QString why;
    const std::unique_ptr<QIODevice> database = platform.files.openForReading(path, &why);
    if (!database) {
        showError(platform, reasonOr(why, QStringLiteral("Не удалось прочитать файл %1").arg(path)));
        return std::nullopt;
    }
    SearchOutcome outcome = searchFaults(*database, query, codes);
    if (outcome.result == SearchOutcome::Result::ReadFailed) {
        showError(platform, QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, outcome.error));
        return std::nullopt;
    }
    return outcome;
}

// Replaces the report with the block and opens it in the editor. A report
// that cannot be written stays as it was, and no editor is started.
void showReport(const Platform& platform, const QByteArrayList& block)
{
    const QString path = platform.folder.fileNamed(faultReportFileName);
    QString why;
    if (!platform.files.replaceContents(path, reportBytes(block), &why)) {
        showError(platform, reasonOr(why, QStringLiteral("Не удалось записать файл %1").arg(path)));
        return;
    }
    openInViewer(platform, path);
}

} // namespace

QueryBoxes runFaultLookup(const Platform& platform, const StepCodes& codes, const QueryBoxes& typed,
                          const ShowQueryBoxes& showBoxes)
{
    const QueryCheck check = normaliseQuery(typed, codes);
    if (showBoxes)
        showBoxes(check.boxes);
    if (!check.passed()) {
        showError(platform, check.error);
        return check.boxes;
    }

    // The boxes end every lookup showing the query as asked, whatever step
    // the fallback found.
    const QueryBoxes& query = check.boxes;
    const std::optional<SearchOutcome> outcome = searchDatabase(platform, query, codes);
    if (!outcome)
        return query;
    if (outcome->result == SearchOutcome::Result::Found)
        showReport(platform, outcome->block);
    else
        platform.messages.show(notFoundPrompt, MessageStyle::Plain, notFoundTitle(query));
    return query;
}

} // namespace zornalit
