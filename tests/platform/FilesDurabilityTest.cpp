#include "platform/SoundFileBudget.h"
#include "platform/files/QtFiles.h"

#include "fakes/FailingFileCalls.h"
#include "support/LatinLetters.h"
#include "support/ScratchFolder.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::FailingFileCalls;
using testing::ScratchFolder;

const QString report = QStringLiteral("SegmInfo.txt");

TEST(SystemFileCallsFolderSync, SyncsAFolderAndNamesWhatIsMissing)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows renames with write-through and has no folder to sync: the call does nothing there";
#endif
    ScratchFolder folder;
    SystemFileCalls calls;
    FileError error;
    EXPECT_TRUE(calls.syncFolder(folder.path(), &error));
    EXPECT_FALSE(calls.syncFolder(folder.path(QStringLiteral("gone")), &error));
    EXPECT_EQ(error.kind, FileError::Kind::NotFound);
}

// The rename goes through but cannot be synced to the disk.
class QtFilesUnsyncedFolder : public ::testing::Test {
protected:
    // The number of the folder sync among the calls of a clean run.
    int folderSyncStep() const
    {
        return int(m_calls.steps.indexOf(QRegularExpression(QStringLiteral("syncfolder .*")))) + 1;
    }

    ScratchFolder m_folder;
    FailingFileCalls m_calls;
    QtFiles m_files{m_calls};
    QString m_why;
};

// The new report is in place, but the caller hears that a power cut may
// take it back.
TEST_F(QtFilesUnsyncedFolder, TheReplacedReportStaysAndTheFailureIsNamed)
{
    ASSERT_TRUE(m_files.replaceContents(m_folder.path(report), "first\r\n", &m_why)) << m_why;
    const int step = folderSyncStep();
    ASSERT_GT(step, 0) << m_calls.steps.join(QStringLiteral(", "));

    m_calls.steps.clear();
    m_calls.failAt = step;
    EXPECT_FALSE(m_files.replaceContents(m_folder.path(report), "second\r\n", &m_why));
    EXPECT_TRUE(m_calls.fired());
    EXPECT_EQ(m_why,
        QStringLiteral("Не удалось записать файл «%1»: замена не сохранена на диске (ошибка ввода-вывода)")
            .arg(m_folder.path(report)));
    EXPECT_EQ(m_folder.read(report), QByteArray("second\r\n"));
    EXPECT_EQ(m_folder.entries(), QStringList{report});
}

// A sound copy exists only to be played: one that is not on the disk is not
// left behind.
TEST_F(QtFilesUnsyncedFolder, ACopyThatIsNotOnTheDiskIsRemoved)
{
    const QString stored = m_folder.path(QStringLiteral("statsa.dll"));
    const QString copy = m_folder.path(QStringLiteral("Ostatsa.wav"));
    ASSERT_TRUE(m_folder.write(QStringLiteral("statsa.dll"), "RIFF sound"));
    ASSERT_TRUE(m_files.copyReplacing(stored, copy, soundFileSizeProblem, &m_why)) << m_why;
    const int step = folderSyncStep();
    ASSERT_GT(step, 0) << m_calls.steps.join(QStringLiteral(", "));

    m_calls.steps.clear();
    m_calls.failAt = step;
    EXPECT_FALSE(m_files.copyReplacing(stored, copy, soundFileSizeProblem, &m_why));
    EXPECT_TRUE(m_why.contains(QStringLiteral("«%1»: замена не сохранена на диске").arg(copy))) << m_why;
    EXPECT_EQ(testing::latinLettersOutside(m_why, {copy}), QString()) << m_why;
    EXPECT_EQ(m_folder.entries(), QStringList{QStringLiteral("statsa.dll")});
}

} // namespace
} // namespace zornalit
