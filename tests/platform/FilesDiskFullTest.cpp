#include "platform/files/QtFiles.h"

#include "support/ChildRun.h"
#include "support/LatinLetters.h"
#include "support/ScratchFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

namespace zornalit {
namespace {

using testing::ScratchFolder;

const QString report = QStringLiteral("SegmInfo.txt");
const QByteArray oldReport("\xD1\xC5\xC3\xCC 1.1.\r\nthe old report\r\n");

// A report of about the given size, lines of Windows-1251 text with CR LF.
QByteArray reportOfSize(int size)
{
    QByteArray bytes;
    for (int line = 0; bytes.size() < size; ++line)
        bytes += QByteArray("\xCE\xE1\xF0\xFB\xE2 \xF8\xE8\xED\xFB ") + QByteArray::number(line) + "\r\n";
    return bytes.left(size - 2) + "\r\n";
}

void expectRefusedAndUntouched(const ScratchFolder& folder, bool written, const QString& why)
{
    EXPECT_FALSE(written);
    EXPECT_TRUE(why.contains(QStringLiteral("«%1»").arg(folder.path(report)))) << why;
    EXPECT_EQ(testing::latinLettersOutside(why, {folder.path(report)}), QString()) << why;
    EXPECT_EQ(folder.read(report), oldReport);
    EXPECT_EQ(folder.entries(), QStringList{report});
}

// Writes fail past a file-size limit the way they do on a full disk; small
// reports fail only when the gathered bytes go out at the end.
TEST(QtFilesDiskFull, AReportThatCannotBeWrittenWholeLeavesTheOldOneExactly)
{
    for (const int size : {200, 9 * 1024, 100 * 1000}) {
        for (const long long limit : {0LL, 4096LL}) {
            SCOPED_TRACE(QStringLiteral("%1 bytes, limit %2").arg(size).arg(limit));
            ScratchFolder folder;
            ASSERT_TRUE(folder.write(report, oldReport));
            const QByteArray bytes = reportOfSize(size);
            const testing::ChildRun run = testing::runWithFileSizeLimit(
                limit, [&](QString* why) { return QtFiles().replaceContents(folder.path(report), bytes, why); });
            ASSERT_TRUE(run.finished);
            if (size <= limit) {
                EXPECT_TRUE(run.result) << run.why;
                EXPECT_EQ(folder.read(report), bytes);
                EXPECT_EQ(folder.entries(), QStringList{report});
            } else {
                expectRefusedAndUntouched(folder, run.result, run.why);
            }
        }
    }
}

// A small RAM disk filled up, where the system allows mounting one.
class QtFilesOnAFullDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QByteArray mountPoint = QFile::encodeName(m_mountPoint.path());
        if (::mount("zornalit-test", mountPoint.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") != 0)
            GTEST_SKIP() << "mounting a tmpfs is not permitted here";
        m_mounted = true;
        m_folder = std::make_unique<ScratchFolder>(m_mountPoint.path());
        ASSERT_TRUE(m_folder->write(report, oldReport));
        // Fill every byte that is left.
        QFile filler(m_folder->path(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {}
    }

    void TearDown() override
    {
        m_folder.reset();
        if (m_mounted)
            ::umount2(QFile::encodeName(m_mountPoint.path()).constData(), MNT_DETACH);
    }

    // Leaves room for that many bytes more.
    void freeBytes(qint64 bytes)
    {
        QFile filler(m_folder->path(QStringLiteral("filler")));
        ASSERT_TRUE(filler.resize(filler.size() - bytes));
    }

    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    std::unique_ptr<ScratchFolder> m_folder;
};

TEST_F(QtFilesOnAFullDisk, NothingFitsAndTheOldReportStays)
{
    for (const int size : {200, 9 * 1024, 100 * 1000}) {
        SCOPED_TRACE(size);
        QString why;
        const bool written = QtFiles().replaceContents(m_folder->path(report), reportOfSize(size), &why);
        EXPECT_FALSE(written);
        EXPECT_TRUE(why.contains(QStringLiteral("не хватает места на диске"))) << why;
        EXPECT_EQ(m_folder->read(report), oldReport);
        EXPECT_EQ(m_folder->entries(), (QStringList{report, QStringLiteral("filler")}));
    }
}

TEST_F(QtFilesOnAFullDisk, WithFourKilobytesLeftOnlyAReportThatFitsIsWritten)
{
    freeBytes(4096);
    QString why;
    EXPECT_FALSE(QtFiles().replaceContents(m_folder->path(report), reportOfSize(9 * 1024), &why));
    EXPECT_EQ(m_folder->read(report), oldReport);
    EXPECT_FALSE(QtFiles().replaceContents(m_folder->path(report), reportOfSize(100 * 1000), &why));
    EXPECT_EQ(m_folder->read(report), oldReport);
    EXPECT_EQ(m_folder->entries(), (QStringList{report, QStringLiteral("filler")}));

    const QByteArray small = reportOfSize(200);
    EXPECT_TRUE(QtFiles().replaceContents(m_folder->path(report), small, &why)) << why;
    EXPECT_EQ(m_folder->read(report), small);
}

} // namespace
} // namespace zornalit
