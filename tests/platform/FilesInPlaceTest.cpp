#include "platform/SoundFileBudget.h"
#include "platform/files/QtFiles.h"

#include "fakes/FailingFileCalls.h"
#include "support/FailEachCallInTurn.h"
#include "support/FileLinks.h"
#include "support/ScratchFolder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include "support/ChildRun.h"

#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zornalit {
namespace {

using testing::FailingFileCalls;
using testing::ScratchFolder;

const QString report = QStringLiteral("SegmInfo.txt");
const QByteArray oldReport("\xD1\xC5\xC3\xCC 1.1.\r\nan old report, longer than the new one\r\n");

// A folder that takes no new file, holding a report that may be written.
class QtFilesInAClosedFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.write(report, oldReport));
        m_calls.refuseNewFiles = true;
    }

    bool replace(const QByteArray& bytes) { return m_files.replaceContents(m_folder.path(report), bytes, &m_why); }

    ScratchFolder m_folder;
    FailingFileCalls m_calls;
    QtFiles m_files{m_calls};
    QString m_why;
};

TEST_F(QtFilesInAClosedFolder, RewritesAWritableReportInPlace)
{
    ASSERT_TRUE(replace("short\r\n")) << m_why;
    EXPECT_EQ(m_folder.read(report), QByteArray("short\r\n"));
    const QByteArray longer(70000, 'x');
    ASSERT_TRUE(replace(longer)) << m_why;
    EXPECT_EQ(m_folder.read(report), longer);
    EXPECT_EQ(m_folder.entries(), QStringList{report});
}

TEST_F(QtFilesInAClosedFolder, NeverWritesThroughALink)
{
    ScratchFolder outside;
    ASSERT_TRUE(outside.write(QStringLiteral("target.txt"), "elsewhere"));
    ASSERT_TRUE(QFile::remove(m_folder.path(report)));
    if (!testing::makeSymbolicLink(outside.path(QStringLiteral("target.txt")), m_folder.path(report)))
        GTEST_SKIP() << testing::noSymbolicLinks;

    EXPECT_FALSE(replace("report\r\n"));
    EXPECT_TRUE(m_why.contains(QStringLiteral("нет прав на запись в папку"))) << m_why;
    EXPECT_EQ(outside.read(QStringLiteral("target.txt")), QByteArray("elsewhere"));
    EXPECT_TRUE(QFileInfo(m_folder.path(report)).isSymLink());
}

// A second name of the report or of a sound copy, outside the folder: the
// file behind it must not change through the name in the folder.
TEST_F(QtFilesInAClosedFolder, NeverWritesInPlaceThroughAHardLink)
{
    ScratchFolder outside;
    ASSERT_TRUE(outside.write(QStringLiteral("target.txt"), "elsewhere"));
    ASSERT_TRUE(m_folder.write(QStringLiteral("statsa.dll"), "RIFF sound"));
    const QString copy = m_folder.path(QStringLiteral("Ostatsa.wav"));
    const QString target = outside.path(QStringLiteral("target.txt"));
    ASSERT_TRUE(QFile::remove(m_folder.path(report)));
    ASSERT_TRUE(testing::makeHardLink(target, m_folder.path(report)));
    ASSERT_TRUE(testing::makeHardLink(target, copy));

    EXPECT_FALSE(replace("report\r\n"));
    EXPECT_TRUE(m_why.contains(QStringLiteral("«%1»: у файла есть и другие имена").arg(m_folder.path(report))))
        << m_why;
    EXPECT_FALSE(
        m_files.copyReplacing(m_folder.path(QStringLiteral("statsa.dll")), copy, soundFileSizeProblem, &m_why));
    EXPECT_TRUE(m_why.contains(QStringLiteral("«%1»: у файла есть и другие имена").arg(copy))) << m_why;

    EXPECT_EQ(outside.read(QStringLiteral("target.txt")), QByteArray("elsewhere"));
    EXPECT_EQ(m_folder.entries(), (QStringList{QStringLiteral("Ostatsa.wav"), report, QStringLiteral("statsa.dll")}));
}

TEST_F(QtFilesInAClosedFolder, SaysPlainlyWhenTheReportIsLeftIncomplete)
{
    // Every step of a clean run, then each one failing in turn.
    ASSERT_TRUE(replace(QByteArray(100000, 'n')));
    const int steps = int(m_calls.steps.size());
    ASSERT_TRUE(m_folder.write(report, oldReport));

    bool written = false;
    const auto replaceOldReport = [&] {
        ASSERT_TRUE(m_folder.write(report, oldReport));
        written = replace(QByteArray(100000, 'n'));
    };
    testing::failEachCallInTurn(m_calls, steps, replaceOldReport, [&](int, const QString& trace) {
        if (!m_calls.fired())
            return;
        EXPECT_FALSE(written) << trace;
        EXPECT_TRUE(m_why.contains(QStringLiteral("«%1»").arg(m_folder.path(report)))) << m_why;
        if (m_folder.read(report) == oldReport)
            EXPECT_FALSE(m_why.contains(QStringLiteral("неполное"))) << trace;
        else
            EXPECT_TRUE(m_why.contains(QStringLiteral("записан не полностью, его содержимое неполное")))
                << trace << " " << m_why;
        EXPECT_EQ(m_folder.entries(), QStringList{report});
    });
}

// The same with the system's own rights: a folder the user may not write in,
// and a report the user owns.
TEST(QtFilesReadOnlyFolder, RewritesTheReportInPlaceForAnOrdinaryUser)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "hands the files to another user with chown and setuid, POSIX only";
#else
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to hand the files to another user";
    ScratchFolder folder;
    ASSERT_TRUE(folder.write(report, oldReport));
    const QByteArray folderName = QFile::encodeName(folder.path());
    const QByteArray reportName = QFile::encodeName(folder.path(report));
    constexpr uid_t nobody = 65534;
    ASSERT_EQ(::chown(reportName.constData(), nobody, nobody), 0);
    ASSERT_EQ(::chmod(folderName.constData(), 0755), 0);

    const testing::ChildRun run = testing::runInChild([] { return ::setgid(nobody) == 0 && ::setuid(nobody) == 0; },
        [&](QString* why) { return QtFiles().replaceContents(folder.path(report), "new\r\n", why); });
    ASSERT_TRUE(run.finished);
    EXPECT_TRUE(run.result) << run.why;
    EXPECT_EQ(folder.read(report), QByteArray("new\r\n"));
    EXPECT_EQ(folder.entries(), QStringList{report});
#endif
}

} // namespace
} // namespace zornalit
