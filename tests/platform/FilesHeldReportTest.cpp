#include "platform/files/HeldReplacement.h"
#include "platform/files/QtFiles.h"

#include "fakes/FailingFileCalls.h"
#include "support/FileLinks.h"
#include "support/ScratchFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using Kind = FileError::Kind;
using testing::FailingFileCalls;
using testing::ScratchFolder;

const QString report = QStringLiteral("SegmInfo.txt");
const QByteArray oldReport("\xD1\xC5\xC3\xCC 1.1.\r\nan old report, longer than the new one\r\n");
const QByteArray newReport("\xD1\xC5\xC3\xCC 5.3.\r\nnew\r\n");

TEST(HeldReplacement, OnlyARegularFileRefusedForSharingOrAccessWhereHoldersRefuseRenames)
{
    EXPECT_TRUE(renameHeldByAnother(PathKind::Regular, Kind::Busy, true));
    EXPECT_TRUE(renameHeldByAnother(PathKind::Regular, Kind::NoPermission, true));
    // Where a rename replaces a name whoever holds it, nothing is waited for.
    EXPECT_FALSE(renameHeldByAnother(PathKind::Regular, Kind::Busy, false));
    EXPECT_FALSE(renameHeldByAnother(PathKind::Regular, Kind::NoPermission, false));
    for (const PathKind target : {PathKind::Missing, PathKind::Link, PathKind::Folder, PathKind::Other})
        EXPECT_FALSE(renameHeldByAnother(target, Kind::Busy, true)) << int(target);
    for (const Kind kind : {Kind::NoSpace, Kind::InputOutput, Kind::ReadOnlyDisk, Kind::NotFound, Kind::Other})
        EXPECT_FALSE(renameHeldByAnother(PathKind::Regular, kind, true)) << int(kind);
}

// A report that another program holds open, as Windows refuses its rename.
class QtFilesWithAHeldReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.write(report, oldReport));
        m_calls.renamesHeld = true;
    }

    bool replace(const QByteArray& bytes) { return m_files.replaceContents(m_folder.path(report), bytes, &m_why); }

    int renamesTried() const { return int(m_calls.steps.filter(QStringLiteral("rename")).size()); }

    ScratchFolder m_folder;
    FailingFileCalls m_calls;
    QtFiles m_files{m_calls};
    QString m_why;
};

TEST_F(QtFilesWithAHeldReport, AHolderThatLetsGoSoonIsWaitedFor)
{
    m_calls.heldRenames = renameRetries;
    ASSERT_TRUE(replace(newReport)) << m_why;
    EXPECT_EQ(m_folder.read(report), newReport);
    EXPECT_EQ(renamesTried(), renameRetries + 1);
    EXPECT_FALSE(m_calls.steps.join(u' ').contains(QStringLiteral("rewrite")));
    EXPECT_EQ(m_folder.entries(), QStringList{report});
}

TEST_F(QtFilesWithAHeldReport, AReportHeldThroughoutIsWrittenInPlace)
{
    m_calls.heldRenames = 1000;
    ASSERT_TRUE(replace(newReport)) << m_why;
    EXPECT_EQ(m_folder.read(report), newReport);
    EXPECT_EQ(renamesTried(), renameRetries + 1);
    EXPECT_EQ(m_folder.entries(), QStringList{report});
}

// The copy is written from the temporary file, not by running the writer
// again: a copy reads its source once, and a second run would write nothing.
TEST_F(QtFilesWithAHeldReport, AHeldCopyGetsTheWholeSourceThoughItIsReadOnce)
{
    const QByteArray sound(100000, 's');
    ASSERT_TRUE(m_folder.write(QStringLiteral("statsa.dll"), sound));
    ASSERT_TRUE(m_folder.write(QStringLiteral("Ostatsa.wav"), "an older copy"));
    m_calls.heldRenames = 1000;
    ASSERT_TRUE(m_files.copyReplacing(
        m_folder.path(QStringLiteral("statsa.dll")), m_folder.path(QStringLiteral("Ostatsa.wav")),
        [](qint64) { return QString(); }, &m_why))
        << m_why;
    EXPECT_EQ(m_folder.read(QStringLiteral("Ostatsa.wav")), sound);
    EXPECT_EQ(m_folder.entries(), (QStringList{QStringLiteral("Ostatsa.wav"), report, QStringLiteral("statsa.dll")}));
}

// When the in-place write is refused too, the old report stays whole and the
// message tells the refused replacement; nothing is left behind.
TEST_F(QtFilesWithAHeldReport, WhenTheInPlaceWriteIsRefusedTooTheOldReportStaysWhole)
{
    ScratchFolder outside;
    ASSERT_TRUE(outside.write(QStringLiteral("target.txt"), "elsewhere"));
    ASSERT_TRUE(QFile::remove(m_folder.path(report)));
    if (!testing::makeHardLink(outside.path(QStringLiteral("target.txt")), m_folder.path(report)))
        GTEST_SKIP() << "this file system makes no hard links";
    m_calls.heldRenames = 1000;
    EXPECT_FALSE(replace(newReport));
    EXPECT_TRUE(m_why.contains(QStringLiteral("«%1»").arg(m_folder.path(report)))) << m_why;
    EXPECT_TRUE(m_why.contains(QStringLiteral("у файла есть и другие имена"))) << m_why;
    EXPECT_EQ(m_folder.read(report), QByteArray("elsewhere"));
    EXPECT_EQ(outside.read(QStringLiteral("target.txt")), QByteArray("elsewhere"));
    EXPECT_EQ(m_folder.entries(), QStringList{report});
}

TEST_F(QtFilesWithAHeldReport, ALinkIsNeverWrittenThroughWhileHeld)
{
    ScratchFolder outside;
    ASSERT_TRUE(outside.write(QStringLiteral("target.txt"), "elsewhere"));
    ASSERT_TRUE(QFile::remove(m_folder.path(report)));
    if (!testing::makeSymbolicLink(outside.path(QStringLiteral("target.txt")), m_folder.path(report)))
        GTEST_SKIP() << testing::noSymbolicLinks;
    m_calls.heldRenames = 1000;
    EXPECT_FALSE(replace(newReport));
    EXPECT_EQ(renamesTried(), 1);
    EXPECT_TRUE(m_why.contains(QStringLiteral("не удалось заменить старый файл новым (файл занят другой программой)")))
        << m_why;
    EXPECT_EQ(outside.read(QStringLiteral("target.txt")), QByteArray("elsewhere"));
    EXPECT_TRUE(QFileInfo(m_folder.path(report)).isSymLink());
    EXPECT_EQ(m_folder.entries(), QStringList{report});
}

} // namespace
} // namespace zornalit
