#include "FaultLookup.h"

#include "BlockCopy.h"
#include "FaultFiles.h"
#include "FaultSearch.h"
#include "NotFoundMessage.h"
#include "platform/FileErrorText.h"
#include "platform/ViewerLaunch.h"

namespace zornalit {

namespace {

void showError(const Platform& platform, const QString& prompt)
{
    platform.messages.show(prompt, MessageStyle::Error, errorTitle);
}

// The reason a file operation gave, or a sentence naming the file when it
// gave none.
QString reasonOr(const QString& why, const QString& fallback)
{
    return why.isEmpty() ? fallback : why;
}

// Searches the database; on a failure to read it, says so and gives nothing.
std::optional<SearchOutcome> searchDatabase(
    const Platform& platform, QIODevice& database, const QueryBoxes& query, const StepCodes& codes)
{
    SearchOutcome outcome = searchFaults(database, query, codes);
    if (outcome.result == SearchOutcome::Result::ReadFailed) {
        const QString path = platform.folder.fileNamed(faultDatabaseFileName);
        showError(platform, readFailure(path, outcome.error));
        return std::nullopt;
    }
    return outcome;
}

// Replaces the report with the block, copied straight from the database, and
// opens it in the editor. A report that cannot be written whole stays as it
// was, and no editor is started.
void showReport(const Platform& platform, QIODevice& database, qint64 blockStart)
{
    const QString path = platform.folder.fileNamed(faultReportFileName);
    const auto writeBlock = [&](QIODevice& out, QString* why) {
        const BlockCopy copy = copyBlock(database, blockStart, out);
        if (copy.result == BlockCopy::Result::ReadFailed && why) {
            *why = readFailure(platform.folder.fileNamed(faultDatabaseFileName), copy.error);
        } else if (copy.result == BlockCopy::Result::WriteFailed && why) {
            *why = writeFailure(path, copy.error);
        }
        return copy.result == BlockCopy::Result::Copied;
    };
    QString why;
    if (!platform.files.replaceContents(path, writeBlock, &why)) {
        showError(platform, reasonOr(why, QStringLiteral("Не удалось записать файл %1").arg(quotedPath(path))));
        return;
    }
    openInViewer(platform, path);
}

} // namespace

QueryBoxes runFaultLookup(
    const Platform& platform, const StepCodes& codes, const QueryBoxes& typed, const ShowQueryBoxes& showBoxes)
{
    const QueryCheck check = normaliseQuery(typed, codes);
    if (showBoxes)
        showBoxes(check.boxes);
    if (!check.passed()) {
        showError(platform, queryPrompt(check.problem));
        return check.boxes;
    }

    // The boxes end every lookup showing the query as asked, whatever step
    // the fallback found.
    const QueryBoxes& query = check.boxes;
    const QString databasePath = platform.folder.fileNamed(faultDatabaseFileName);
    QString why;
    const std::unique_ptr<QIODevice> database = platform.files.openForReading(databasePath, &why);
    if (!database) {
        showError(
            platform, reasonOr(why, QStringLiteral("Не удалось прочитать файл %1").arg(quotedPath(databasePath))));
        return query;
    }
    const std::optional<SearchOutcome> outcome = searchDatabase(platform, *database, query, codes);
    if (!outcome)
        return query;
    if (outcome->result == SearchOutcome::Result::Found)
        showReport(platform, *database, outcome->blockStart);
    else
        platform.messages.show(notFoundPrompt, MessageStyle::Plain, notFoundTitle(query));
    return query;
}

} // namespace zornalit
