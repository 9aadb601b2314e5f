#include "platform/SoundFileBudget.h"
#include "platform/files/QtFiles.h"
#include "platform/files/SystemFileCallsSupport.h"

#include "support/Fifo.h"

#include <QFileInfo>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

class QtFilesTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir::toNativeSeparators(m_dir.filePath(name)); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir m_dir;
    QtFiles m_files;
    QString m_why;
};

TEST_F(QtFilesTest, ReadsEveryByteOfARegularFile)
{
    const QByteArray bytes("\xD1\xC5\xC3\xCC 5.3.\r\nline\rcarriage\nfeed\x00zero", 33);
    write(QStringLiteral("База данных.txt"), bytes);
    const auto device = m_files.openForReading(path(QStringLiteral("База данных.txt")), &m_why);
    ASSERT_TRUE(device) << m_why;
    EXPECT_EQ(device->readAll(), bytes);
}

TEST_F(QtFilesTest, RefusesToReadWhatIsNotARegularFileAndNamesIt)
{
    const QString missing = path(QStringLiteral("SEGM_WIN_ALL.txt"));
    EXPECT_FALSE(m_files.openForReading(missing, &m_why));
    EXPECT_TRUE(m_why.contains(QStringLiteral("«%1»").arg(missing))) << m_why;
    EXPECT_TRUE(m_why.contains(QStringLiteral("не найден")));

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
    EXPECT_FALSE(m_files.openForReading(path(QStringLiteral("folder")), &m_why));
    EXPECT_TRUE(m_why.contains(QStringLiteral("папка"))) << m_why;
}

// A FIFO without a writer would block an ordinary open for ever.
TEST_F(QtFilesTest, RefusesAFifoWithoutWaitingAndNamesIt)
{
    if (!testing::fifosExist)
        GTEST_SKIP() << testing::noFifos;
    const QString fifo = path(QStringLiteral("pipe"));
    ASSERT_TRUE(testing::makeFifo(fifo));
    EXPECT_FALSE(m_files.openForReading(fifo, &m_why));
    EXPECT_TRUE(m_why.contains(fifo)) << m_why;
    EXPECT_TRUE(m_why.contains(QStringLiteral("не обычный файл")));
}

TEST_F(QtFilesTest, ReplacesContentsWholeAndLeavesNoTemporaryFile)
{
    const QString report = path(QStringLiteral("SegmInfo.txt"));
    ASSERT_TRUE(m_files.replaceContents(report, "first, long content\r\n", &m_why)) << m_why;
    ASSERT_TRUE(m_files.replaceContents(report, "short\r\n", &m_why)) << m_why;
    EXPECT_EQ(read(QStringLiteral("SegmInfo.txt")), QByteArray("short\r\n"));
    ASSERT_TRUE(m_files.replaceContents(report, QByteArray(), &m_why));
    EXPECT_EQ(read(QStringLiteral("SegmInfo.txt")), QByteArray());
    EXPECT_EQ(entries(), QStringList{QStringLiteral("SegmInfo.txt")});
}

TEST_F(QtFilesTest, AFailedReplaceKeepsTheOldFileAndNamesIt)
{
    // A folder where the file should be.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("SegmInfo.txt")));
    EXPECT_FALSE(m_files.replaceContents(path(QStringLiteral("SegmInfo.txt")), "x", &m_why));
    EXPECT_TRUE(m_why.contains(path(QStringLiteral("SegmInfo.txt")))) << m_why;
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("SegmInfo.txt"))).isDir());

    // A folder that does not exist.
    const QString nowhere = path(QStringLiteral("absent/SegmInfo.txt"));
    EXPECT_FALSE(m_files.replaceContents(nowhere, "x", &m_why));
    EXPECT_TRUE(m_why.contains(nowhere)) << m_why;
    EXPECT_TRUE(m_why.contains(QStringLiteral("не существует")));
}

// Longer than the system takes for a whole path, and for one name.
TEST_F(QtFilesTest, APathTooLongForTheSystemIsNamedSo)
{
    const QString tooLong = QStringLiteral("путь к файлу слишком длинный");
    const QString deep = path((QString(200, u'd') + QLatin1Char('/')).repeated(25) + QStringLiteral("SegmInfo.txt"));
    const QString longName = path(QString(300, u'n'));
    for (const QString& target : {deep, longName}) {
        EXPECT_FALSE(m_files.openForReading(target, &m_why));
        EXPECT_EQ(m_why, QStringLiteral("Не удалось открыть файл «%1»: %2").arg(target, tooLong));
        EXPECT_FALSE(m_files.replaceContents(target, "report\r\n", &m_why));
        EXPECT_EQ(m_why, QStringLiteral("Не удалось записать файл «%1»: %2").arg(target, tooLong));
    }
    EXPECT_TRUE(entries().isEmpty());
}

// Windows opens no path of 260 characters or more, nor a name over 255,
// and then says only that the file is not there.
TEST(WindowsPathLimits, AreThePathsLengthAndEachNamesLength)
{
    const QString folder = QStringLiteral("C:\\Программы\\");
    EXPECT_FALSE(filecalls::pathTooLongForWindows(folder + QString(259 - folder.size(), u'n')));
    EXPECT_TRUE(filecalls::pathTooLongForWindows(folder + QString(260 - folder.size(), u'n')));
    EXPECT_FALSE(filecalls::pathTooLongForWindows(QString(255, u'n') + QStringLiteral("\\x")));
    EXPECT_TRUE(filecalls::pathTooLongForWindows(QStringLiteral("C:/") + QString(256, u'n')));
    EXPECT_TRUE(filecalls::pathTooLongForWindows(QString(256, u'n')));
}

TEST_F(QtFilesTest, CopyReplacesAnExistingTargetByteForByte)
{
    QByteArray sound;
    for (int i = 0; i < 200000; ++i)
        sound.append(char(i * 7));
    write(QStringLiteral("statsa.dll"), sound);
    write(QStringLiteral("Ostatsa.wav"), "left over from an interrupted run");
    ASSERT_TRUE(m_files.copyReplacing(
        path(QStringLiteral("statsa.dll")), path(QStringLiteral("Ostatsa.wav")), soundFileSizeProblem, &m_why))
        << m_why;
    EXPECT_EQ(read(QStringLiteral("Ostatsa.wav")), sound);
    EXPECT_EQ(read(QStringLiteral("statsa.dll")), sound);
}

TEST_F(QtFilesTest, CopyFromAMissingSourceNamesTheSourceAndLeavesTheTarget)
{
    write(QStringLiteral("Ostatsa.wav"), "old");
    const QString source = path(QStringLiteral("statsa.dll"));
    EXPECT_FALSE(m_files.copyReplacing(source, path(QStringLiteral("Ostatsa.wav")), soundFileSizeProblem, &m_why));
    EXPECT_TRUE(m_why.contains(source)) << m_why;
    EXPECT_EQ(read(QStringLiteral("Ostatsa.wav")), QByteArray("old"));
}

TEST_F(QtFilesTest, RemovesFilesButNotFoldersAndSaysWhenThereIsNothing)
{
    write(QStringLiteral("Mgnoven.wav"), "sound");
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("Mgnoven.wav"))));
    EXPECT_TRUE(m_files.remove(path(QStringLiteral("Mgnoven.wav")), &m_why)) << m_why;
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Mgnoven.wav"))));

    EXPECT_FALSE(m_files.remove(path(QStringLiteral("Mgnoven.wav")), &m_why));
    EXPECT_TRUE(m_why.contains(path(QStringLiteral("Mgnoven.wav")))) << m_why;

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
    EXPECT_FALSE(m_files.remove(path(QStringLiteral("folder")), &m_why));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder"))).isDir());
}

} // namespace
} // namespace zornalit
