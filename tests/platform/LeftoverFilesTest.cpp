#include "platform/files/LeftoverFiles.h"

#include "platform/files/QtFiles.h"
#include "platform/files/SystemFileCalls.h"
#include "platform/files/TemporaryName.h"
#include "support/FileLinks.h"
#include "support/ScratchFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace zornalit {
namespace {

using testing::ScratchFolder;

const QString report = QStringLiteral("SegmInfo.txt");
const QStringList copies{QStringLiteral("Ostatsa.wav"), QStringLiteral("Mgnoven.wav")};
const QStringList written = QStringList{report} + copies;

TEST(TemporaryName, IsTheTargetSixLowerHexDigitsAndTmpAndNothingElse)
{
    EXPECT_EQ(temporaryNameOf(report, 0xAB), QStringLiteral("SegmInfo.txt.0000ab.tmp"));
    EXPECT_EQ(temporaryNameOf(report, 0xFF123456), QStringLiteral("SegmInfo.txt.123456.tmp"));
    EXPECT_TRUE(
        isTemporaryNameOf(temporaryNameOf(QStringLiteral("Ostatsa.wav"), 0xC0FFEE), QStringLiteral("Ostatsa.wav")));
    for (const char* other : {"SegmInfo.txt", "SegmInfo.txt.tmp", "SegmInfo.txt.12345.tmp", "SegmInfo.txt.1234567.tmp",
             "SegmInfo.txt.ABCDEF.tmp", "SegmInfo.txt.12345g.tmp", "SegmInfo.txt.123456.tmp.bak",
             "SegmInfo.txt.123456.TMP", "segminfo.txt.123456.tmp", "SegmInfo.txt-123456.tmp",
             "xSegmInfo.txt.123456.tmp", "Ostatsa.wav.123456.tmp"})
        EXPECT_FALSE(isTemporaryNameOf(QLatin1String(other), report)) << other;
}

// A program folder with leftovers planted in it, beside files that are not.
class LeftoverFilesTest : public ::testing::Test {
protected:
    int clean() { return LeftoverFiles(m_calls, written, copies).removeFrom(m_folder.path()); }

    void plant(const QString& name, int ageSeconds = 3600)
    {
        ASSERT_TRUE(m_folder.write(name, "left\r\n"));
        ASSERT_TRUE(m_folder.age(name, ageSeconds));
    }

    ScratchFolder m_folder;
    ScratchFolder m_outside;
    SystemFileCalls m_calls;
};

TEST_F(LeftoverFilesTest, RemovesTheProgramsLeftoversAndNothingElse)
{
    const QStringList leftovers{QStringLiteral("SegmInfo.txt.0a1b2c.tmp"), QStringLiteral("Ostatsa.wav.123456.tmp"),
        QStringLiteral("Mgnoven.wav.abcdef.tmp"), QStringLiteral("Ostatsa.wav"), QStringLiteral("Mgnoven.wav")};
    QStringList kept{report, QStringLiteral("SEGM_WIN_ALL.txt"), QStringLiteral("statsa.dll"),
        QStringLiteral("SegmInfo.txt.tmp"), QStringLiteral("SegmInfo.txt.12345.tmp"),
        QStringLiteral("SegmInfo.txt.ABCDEF.tmp"), QStringLiteral("SegmInfo.txt.123456.tmp.bak"),
        QStringLiteral("Readme.txt.123456.tmp"), QStringLiteral("Ostatsa.wav.bak")};
#ifndef Q_OS_WIN
    // Where names differing in case are one file, this one is the copy.
    kept << QStringLiteral("ostatsa.wav");
#endif
    for (const QString& name : leftovers + kept)
        plant(name);
    // A folder under a leftover's name is nobody's leftover.
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("SegmInfo.txt.654321.tmp")));
    kept << QStringLiteral("SegmInfo.txt.654321.tmp");

    EXPECT_EQ(clean(), leftovers.size());
    kept.sort();
    EXPECT_EQ(m_folder.entries(), kept);
    EXPECT_EQ(m_folder.read(report), QByteArray("left\r\n"));
}

// A running joke plays its copies for a minute or two after writing them.
TEST_F(LeftoverFilesTest, KeepsCopiesWrittenInTheLastTenMinutes)
{
    plant(QStringLiteral("Ostatsa.wav"), 60);
    plant(QStringLiteral("Mgnoven.wav"), LeftoverFiles::copyQuietSeconds - 30);
    EXPECT_EQ(clean(), 0);
    EXPECT_EQ(m_folder.entries(), (QStringList{QStringLiteral("Mgnoven.wav"), QStringLiteral("Ostatsa.wav")}));
    ASSERT_TRUE(m_folder.age(QStringLiteral("Mgnoven.wav"), LeftoverFiles::copyQuietSeconds + 30));
    EXPECT_EQ(clean(), 1);
    EXPECT_EQ(m_folder.entries(), QStringList{QStringLiteral("Ostatsa.wav")});
}

// Another instance holds its temporary file locked from its creation until
// it is renamed; here a second open file of this process stands for it.
TEST_F(LeftoverFilesTest, KeepsATemporaryFileItsWriterHoldsAndRemovesItOnceLetGo)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a writer's lock is flock, POSIX only; WindowsFileCalls tests the held file on Windows";
#else
    const QString name = QStringLiteral("SegmInfo.txt.00beef.tmp");
    plant(name, 0);
    const int other = ::open(QFile::encodeName(m_folder.path(name)).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);

    EXPECT_EQ(clean(), 0);
    EXPECT_EQ(m_folder.entries(), QStringList{name});
    ::close(other);
    EXPECT_EQ(clean(), 1);
    EXPECT_TRUE(m_folder.entries().isEmpty());
#endif
}

// The file calls' own new files stay locked past their close, until they
// are renamed or removed.
TEST_F(LeftoverFilesTest, KeepsANewFileOfTheFileCallsUntilItIsRenamed)
{
    SystemFileCalls writer;
    FileError error;
    const QString temporary = m_folder.path(temporaryNameOf(report, 0x5eed));
    const int handle = writer.createNew(temporary, &error);
    ASSERT_GE(handle, 0);
    ASSERT_TRUE(writer.write(handle, "new\r\n", 5, &error));
    EXPECT_EQ(clean(), 0);
    ASSERT_TRUE(writer.close(handle, &error));
    EXPECT_EQ(clean(), 0);
    ASSERT_TRUE(writer.rename(temporary, m_folder.path(report), &error));
    EXPECT_EQ(m_folder.read(report), QByteArray("new\r\n"));

    // A removed one lets go too, even when the removal fails.
    const QString another = m_folder.path(temporaryNameOf(report, 0xd00d));
    const int second = writer.createNew(another, &error);
    ASSERT_GE(second, 0);
    ASSERT_TRUE(writer.close(second, &error));
    ASSERT_TRUE(writer.remove(another, &error));
    EXPECT_FALSE(writer.remove(another, &error));
    EXPECT_EQ(m_folder.entries(), QStringList{report});
}

// A whole replacement, with another instance cleaning the folder while the
// new report is being written: the cleaning takes nothing of it.
TEST_F(LeftoverFilesTest, AReplacementInProgressIsNeverTouched)
{
    QtFiles files;
    const QByteArray bytes(300 * 1000, 'r');
    int removedMeanwhile = -1;
    QStringList seenMeanwhile;
    QString why;
    const bool replaced = files.replaceContents(
        m_folder.path(report),
        [&](QIODevice& out, QString* reason) {
            if (!writeAllTo(out, bytes, reason))
                return false;
            seenMeanwhile = m_folder.entries();
            removedMeanwhile = clean();
            return true;
        },
        &why);
    ASSERT_TRUE(replaced) << why;
    EXPECT_EQ(removedMeanwhile, 0);
    ASSERT_EQ(seenMeanwhile.size(), 1);
    EXPECT_TRUE(isTemporaryNameOf(seenMeanwhile.first(), report)) << seenMeanwhile.first();
    EXPECT_EQ(m_folder.read(report), bytes);
    EXPECT_EQ(m_folder.entries(), QStringList{report});
}

// A link at a leftover's name is removed as a link: what it points to, a
// file or a folder, stays as it was, and a hard link's other name keeps its
// file.
TEST_F(LeftoverFilesTest, RemovesLinksAsLinksAndNeverFollowsThem)
{
    if (!testing::symbolicLinksWork(m_folder.path()))
        GTEST_SKIP() << testing::noSymbolicLinks;
    ASSERT_TRUE(m_outside.write(QStringLiteral("secret.txt"), "outside"));
    ASSERT_TRUE(QDir(m_outside.path()).mkdir(QStringLiteral("inner")));
    ASSERT_TRUE(m_outside.write(QStringLiteral("inner/kept.txt"), "inner"));
    const QString secret = m_outside.path(QStringLiteral("secret.txt"));
    ASSERT_TRUE(testing::makeSymbolicLink(secret, m_folder.path(QStringLiteral("SegmInfo.txt.aaaaaa.tmp"))));
    ASSERT_TRUE(testing::makeSymbolicLink(
        m_outside.path(QStringLiteral("inner")), m_folder.path(QStringLiteral("Ostatsa.wav.bbbbbb.tmp"))));
    ASSERT_TRUE(testing::makeSymbolicLink(
        m_outside.path(QStringLiteral("nothing")), m_folder.path(QStringLiteral("Mgnoven.wav"))));
    ASSERT_TRUE(testing::makeHardLink(secret, m_folder.path(QStringLiteral("Ostatsa.wav"))));
    ASSERT_TRUE(m_outside.age(QStringLiteral("secret.txt"), 3600));

    EXPECT_EQ(clean(), 4);
    EXPECT_TRUE(m_folder.entries().isEmpty()) << m_folder.entries().join(u' ');
    EXPECT_EQ(m_outside.read(QStringLiteral("secret.txt")), QByteArray("outside"));
    EXPECT_EQ(m_outside.read(QStringLiteral("inner/kept.txt")), QByteArray("inner"));
    EXPECT_EQ(QFileInfo(secret).size(), 7);
}

// Leftovers of many runs cut short all go, and what is not theirs stays.
TEST_F(LeftoverFilesTest, RemovesThousandsOfLeftoversInOneCleaning)
{
    for (quint32 i = 0; i < 2000; ++i) {
        const QString name = temporaryNameOf(written[int(i % 3)], i * 7919);
        ASSERT_TRUE(m_folder.write(name, {}));
        // Windows keeps what was written in the last minute.
        ASSERT_TRUE(m_folder.age(name, 3600));
    }
    ASSERT_TRUE(m_folder.write(QStringLiteral("SEGM_WIN_ALL.txt"), "database"));
    EXPECT_EQ(clean(), 2000);
    EXPECT_EQ(m_folder.entries(), QStringList{QStringLiteral("SEGM_WIN_ALL.txt")});
}

TEST(LeftoverAge, TheListingsTimeDecidesOnlyWhenThereIsATimeToKeepTo)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    EXPECT_TRUE(writtenWithin(now.addSecs(-599), now, 600));
    EXPECT_FALSE(writtenWithin(now.addSecs(-600), now, 600));
    // A clock set back: a file from the future is fresh.
    EXPECT_TRUE(writtenWithin(now.addSecs(30), now, 600));
    EXPECT_FALSE(writtenWithin(QDateTime(), now, 600));
    EXPECT_FALSE(writtenWithin(now.addSecs(30), now, 0));
}

// Calls that keep a minute, as Windows does, and note every file they are
// asked to remove (which, on Windows, they open alone for that moment).
class NotingFileCalls : public SystemFileCalls {
public:
    QStringList opened;
    int leastQuietSeconds() const override { return 60; }
    bool removeUnused(const QString& path, int quietSeconds, FileError* error) override
    {
        opened << QFileInfo(path).fileName();
        return SystemFileCalls::removeUnused(path, quietSeconds, error);
    }
};

TEST_F(LeftoverFilesTest, AFreshCandidateIsPassedOverByItsListedAgeWithoutBeingOpened)
{
    plant(QStringLiteral("Ostatsa.wav"), 60);
    plant(QStringLiteral("Mgnoven.wav"), LeftoverFiles::copyQuietSeconds + 60);
    plant(QStringLiteral("SegmInfo.txt.0a1b2c.tmp"), 10);
    plant(QStringLiteral("SegmInfo.txt.3d4e5f.tmp"), 120);
    NotingFileCalls calls;
    EXPECT_EQ(LeftoverFiles(calls, written, copies).removeFrom(m_folder.path()), 2);
    calls.opened.sort();
    EXPECT_EQ(calls.opened, (QStringList{QStringLiteral("Mgnoven.wav"), QStringLiteral("SegmInfo.txt.3d4e5f.tmp")}));
    EXPECT_EQ(
        m_folder.entries(), (QStringList{QStringLiteral("Ostatsa.wav"), QStringLiteral("SegmInfo.txt.0a1b2c.tmp")}));
}

} // namespace
} // namespace zornalit
