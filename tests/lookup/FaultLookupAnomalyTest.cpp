#include "lookup/FaultLookup.h"

#include "fakes/FailingFileCalls.h"
#include "fakes/FakePlatform.h"
#include "platform/files/QtFiles.h"
#include "support/FailEachCallInTurn.h"
#include "support/FileLinks.h"
#include "support/LatinLetters.h"
#include "support/ScratchFolder.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::FailingFileCalls;
using testing::FakePlatform;
using testing::ScratchFolder;

const QString database = QStringLiteral("SEGM_WIN_ALL.txt");
const QString report = QStringLiteral("SegmInfo.txt");
const QByteArray oldReport("\xD1\xC5\xC3\xCC 1.1.\r\nthe report of the last lookup\r\n");
const QByteArray header("\xD1\xC5\xC3\xCC 5.3.\r\n");

// A database whose block for 5.3 makes a report of about reportSize bytes,
// with remarks and another block around it.
QByteArray databaseWithBlockOf(int reportSize, QByteArray* expectedReport)
{
    QByteArray block = header;
    for (int line = 0; block.size() < reportSize; ++line)
        block += "\xCE\xE1\xF0\xFB\xE2 " + QByteArray::number(line) + "\r\n";
    *expectedReport = block;
    return "\xC1\xE0\xE7\xE0\r\n" + block + "@\r\n\xD1\xC5\xC3\xCC 7.1.\r\n\xD1\xE1\xEE\xE9\r\n@\r\n";
}

// The lookup with the real file layer over a program folder on disk, each
// file call of which can be made to fail.
class FaultLookupAnomalies : public ::testing::Test {
protected:
    FaultLookupAnomalies() { fake.folder.folder = folder.path(); }

    // One press of the arrow button for 5 / 3, from a fresh start.
    void lookUp()
    {
        ASSERT_TRUE(folder.write(report, oldReport));
        fake.messages.shown.clear();
        fake.viewer.opened.clear();
        calls.steps.clear();
        const Platform platform{
            fake.folder, fake.messages, fake.viewer, files, fake.bitmaps, fake.clipboard, fake.sound};
        runFaultLookup(platform, codes, {QStringLiteral("5"), QStringLiteral("3")});
    }

    // The folder holds the database and a report that is either the old one,
    // untouched, with a message and no editor, or the whole new one, opened.
    void expectOldReportOrNew(const QByteArray& newReport, const QString& trace)
    {
        SCOPED_TRACE(trace);
        EXPECT_EQ(folder.entries(), (QStringList{database, report}));
        if (fake.messages.shown.isEmpty()) {
            EXPECT_EQ(folder.read(report), newReport);
            EXPECT_EQ(fake.viewer.opened, QStringList{folder.path(report)});
            return;
        }
        EXPECT_EQ(folder.read(report), oldReport);
        EXPECT_TRUE(fake.viewer.opened.isEmpty());
        ASSERT_EQ(fake.messages.shown.size(), 1);
        const testing::ShownMessage& message = fake.messages.shown.first();
        EXPECT_EQ(message.style, MessageStyle::Error);
        EXPECT_TRUE(message.prompt.contains(QStringLiteral("«%1»").arg(folder.path(report)))
            || message.prompt.contains(QStringLiteral("«%1»").arg(folder.path(database))))
            << message.prompt;
        EXPECT_EQ(testing::latinLettersOutside(message.prompt, {folder.path(report), folder.path(database)}), QString())
            << message.prompt;
    }

    // The new report is in place, but its rename could not be synced to the
    // disk: said so, and no editor shows a report a power cut may take back.
    void expectNewReportNotOnDisk(const QByteArray& newReport, const QString& trace)
    {
        SCOPED_TRACE(trace);
        EXPECT_EQ(folder.entries(), (QStringList{database, report}));
        expectReportNotWritten(newReport, QStringLiteral("замена не сохранена на диске (ошибка ввода-вывода)"));
    }

    // The report holds content, no editor shows it, and the one message says
    // the report could not be written, and why.
    void expectReportNotWritten(const QByteArray& content, const QString& reason)
    {
        EXPECT_EQ(folder.read(report), content);
        EXPECT_TRUE(fake.viewer.opened.isEmpty());
        ASSERT_EQ(fake.messages.shown.size(), 1);
        EXPECT_EQ(fake.messages.shown.first().prompt,
            QStringLiteral("Не удалось записать файл «%1»: %2").arg(folder.path(report), reason));
    }

    ScratchFolder folder;
    FailingFileCalls calls;
    QtFiles files{calls};
    FakePlatform fake;
    StepCodes codes;
};

// The one close that finishes the new report: the first after its creation.
// Every other close lets go of the database.
qsizetype reportClose(const QStringList& calls)
{
    qsizetype created = -1;
    for (qsizetype i = 0; i < calls.size(); ++i) {
        if (calls[i].startsWith(QLatin1String("create")))
            created = i;
        else if (created >= 0 && calls[i] == QLatin1String("close"))
            return i;
    }
    return -1;
}

TEST_F(FaultLookupAnomalies, EveryFailingFileCallKeepsTheOldReportAndSaysSo)
{
    for (const int size : {200, 9 * 1024, 100 * 1000}) {
        SCOPED_TRACE(size);
        QByteArray newReport;
        ASSERT_TRUE(folder.write(database, databaseWithBlockOf(size, &newReport)));
        calls.failAt = 0;
        lookUp();
        ASSERT_TRUE(fake.messages.shown.isEmpty());
        ASSERT_EQ(folder.read(report), newReport);
        const QStringList cleanRun = calls.steps;
        ASSERT_EQ(cleanRun.filter(QRegularExpression(QStringLiteral("^syncfolder "))).size(), 1);

        testing::failEachCallInTurn(
            calls, cleanRun.size(), [&] { lookUp(); },
            [&](int failing, const QString& trace) {
                ASSERT_TRUE(calls.fired()) << trace;
                if (cleanRun[failing - 1].startsWith(QLatin1String("syncfolder ")))
                    expectNewReportNotOnDisk(newReport, trace);
                else
                    expectOldReportOrNew(newReport, trace);
                // Only letting go of the database, once it is read, may fail
                // without harm; every other failure stops the lookup.
                const bool databaseClose = cleanRun[failing - 1] == QLatin1String("close")
                    && failing - 1 != reportClose(cleanRun);
                if (!databaseClose) {
                    EXPECT_EQ(fake.messages.shown.size(), 1) << trace;
                }
            });
    }
}

// A power cut must find either the old report or the whole new one: the new
// one is on the disk before it takes the report's name, and the name is on
// the disk before the editor shows it.
TEST_F(FaultLookupAnomalies, ACleanLookupSyncsTheReportBeforeTheRenameAndTheFolderAfterIt)
{
    QByteArray newReport;
    ASSERT_TRUE(folder.write(database, databaseWithBlockOf(9 * 1024, &newReport)));
    lookUp();
    ASSERT_TRUE(fake.messages.shown.isEmpty());
    const QStringList& steps = calls.steps;
    const QString trace = steps.join(QStringLiteral(", "));
    const qsizetype created = steps.indexOf(
        QRegularExpression(QStringLiteral("create SegmInfo\\.txt\\.[0-9a-f]{6}\\.tmp")));
    const qsizetype synced = steps.indexOf(QStringLiteral("sync"), created);
    const qsizetype closed = steps.indexOf(QStringLiteral("close"), created);
    const qsizetype renamed = steps.indexOf(QRegularExpression(QStringLiteral("rename .* -> SegmInfo\\.txt")));
    const qsizetype folderSynced = steps.indexOf(QRegularExpression(QStringLiteral("syncfolder .*")));
    ASSERT_GE(created, 0) << trace;
    EXPECT_GT(synced, created) << trace;
    EXPECT_GT(closed, synced) << trace;
    EXPECT_GT(renamed, closed) << trace;
    EXPECT_GT(folderSynced, renamed) << trace;
    EXPECT_EQ(fake.viewer.opened, QStringList{folder.path(report)});
}

TEST_F(FaultLookupAnomalies, InAReadOnlyFolderAHalfWrittenReportIsCalledIncomplete)
{
    calls.refuseNewFiles = true;
    QByteArray newReport;
    ASSERT_TRUE(folder.write(database, databaseWithBlockOf(100 * 1000, &newReport)));
    calls.failAt = 0;
    lookUp();
    ASSERT_TRUE(fake.messages.shown.isEmpty());
    ASSERT_EQ(folder.read(report), newReport);
    const qsizetype steps = calls.steps.size();

    testing::failEachCallInTurn(
        calls, steps, [&] { lookUp(); },
        [&](int, const QString& trace) {
            SCOPED_TRACE(trace);
            EXPECT_EQ(folder.entries(), (QStringList{database, report}));
            if (fake.messages.shown.isEmpty()) {
                EXPECT_EQ(folder.read(report), newReport);
                return;
            }
            EXPECT_TRUE(fake.viewer.opened.isEmpty());
            const QString prompt = fake.messages.shown.first().prompt;
            if (folder.read(report) != oldReport) {
                EXPECT_TRUE(prompt.contains(QStringLiteral("неполное"))) << prompt;
            }
            EXPECT_EQ(testing::latinLettersOutside(prompt, {folder.path(report), folder.path(database)}), QString())
                << prompt;
        });
}

TEST_F(FaultLookupAnomalies, InAReadOnlyFolderAHardLinkedReportIsRefusedAndNoEditorStarts)
{
    calls.refuseNewFiles = true;
    QByteArray newReport;
    ASSERT_TRUE(folder.write(database, databaseWithBlockOf(200, &newReport)));
    ScratchFolder outside;
    ASSERT_TRUE(outside.write(QStringLiteral("elsewhere.txt"), oldReport));
    const Platform platform{fake.folder, fake.messages, fake.viewer, files, fake.bitmaps, fake.clipboard, fake.sound};
    ASSERT_TRUE(testing::makeHardLink(outside.path(QStringLiteral("elsewhere.txt")), folder.path(report)));

    runFaultLookup(platform, codes, {QStringLiteral("5"), QStringLiteral("3")});

    EXPECT_EQ(outside.read(QStringLiteral("elsewhere.txt")), oldReport);
    expectReportNotWritten(oldReport, QStringLiteral("у файла есть и другие имена (жёсткие ссылки)"));
}

TEST_F(FaultLookupAnomalies, ADiskThatStaysBrokenStillLosesNothing)
{
    QByteArray newReport;
    ASSERT_TRUE(folder.write(database, databaseWithBlockOf(9 * 1024, &newReport)));
    calls.failAt = 0;
    lookUp();
    const qsizetype steps = calls.steps.size();
    calls.failFromThenOn = true;
    testing::failEachCallInTurn(
        calls, steps, [&] { lookUp(); },
        [&](int, const QString& trace) {
            EXPECT_TRUE(fake.viewer.opened.isEmpty() || folder.read(report) == newReport) << trace;
            EXPECT_TRUE(folder.read(report) == oldReport || folder.read(report) == newReport) << trace;
            EXPECT_TRUE(!fake.messages.shown.isEmpty() || folder.read(report) == newReport) << trace;
        });
}

} // namespace
} // namespace zornalit
