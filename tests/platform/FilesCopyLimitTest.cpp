// A copy is held to a size limit that is put to the source before anything
// is written and to every further piece while it is copied, on real files.

#include "platform/SoundFileBudget.h"
#include "platform/files/QtFiles.h"

#include "fakes/FailingFileCalls.h"
#include "support/ScratchFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::FailingFileCalls;
using testing::ScratchFolder;

// The file calls, counted, with the bytes written added up; the source can
// be made to grow once its first piece has been read, as a file being
// written by someone else does.
class GrowingSourceCalls : public FailingFileCalls {
public:
    QString growing;
    qint64 grownSize = 0;
    qint64 written = 0;

    qint64 read(int handle, char* data, qint64 size, FileError* error) override
    {
        const qint64 got = FailingFileCalls::read(handle, data, size, error);
        if (!growing.isEmpty()) {
            QFile(growing).resize(grownSize);
            growing.clear();
        }
        return got;
    }

    bool write(int handle, const char* data, qint64 size, FileError* error) override
    {
        written += size;
        return FailingFileCalls::write(handle, data, size, error);
    }
};

class FilesCopyLimit : public ::testing::Test {
protected:
    FilesCopyLimit() { folder.write(QStringLiteral("Ostatsa.wav"), "left over"); }

    // A source of the given size that takes no room on the disk.
    void storeSparse(qint64 size)
    {
        ASSERT_TRUE(folder.write(QStringLiteral("statsa.dll"), QByteArray()));
        ASSERT_TRUE(QFile(source()).resize(size));
    }

    bool copy() { return files.copyReplacing(source(), target(), soundFileSizeProblem, &why); }

    QString source() const { return folder.path(QStringLiteral("statsa.dll")); }
    QString target() const { return folder.path(QStringLiteral("Ostatsa.wav")); }

    // A refusal names the source, not the copy, and leaves the folder as it was.
    void expectRefusedUntouched()
    {
        EXPECT_TRUE(why.contains(QStringLiteral("«%1»").arg(source()))) << why;
        EXPECT_TRUE(why.contains(QStringLiteral("больше 16 МБ"))) << why;
        EXPECT_FALSE(why.contains(QStringLiteral("Ostatsa"))) << why;
        EXPECT_EQ(folder.entries(), (QStringList{QStringLiteral("Ostatsa.wav"), QStringLiteral("statsa.dll")}));
        EXPECT_EQ(folder.read(QStringLiteral("Ostatsa.wav")), QByteArray("left over"));
    }

    ScratchFolder folder;
    GrowingSourceCalls calls;
    QtFiles files{calls};
    QString why;
};

TEST_F(FilesCopyLimit, ASourceAtTheLimitIsCopiedWhole)
{
    QByteArray bytes(soundFileBudgetBytes, '\0');
    for (qint64 i = 0; i < bytes.size(); i += 4093)
        bytes[i] = char(i / 4093);
    ASSERT_TRUE(folder.write(QStringLiteral("statsa.dll"), bytes));
    ASSERT_TRUE(copy()) << why;
    EXPECT_EQ(folder.read(QStringLiteral("Ostatsa.wav")), bytes);
}

TEST_F(FilesCopyLimit, ALargerSourceIsRefusedBeforeAnythingIsReadOrWritten)
{
    // One byte over, and a sparse 2 GB file.
    for (const qint64 size : {soundFileBudgetBytes + 1, 2LL * 1024 * 1024 * 1024}) {
        SCOPED_TRACE(size);
        storeSparse(size);
        calls.steps.clear();
        EXPECT_FALSE(copy());
        expectRefusedUntouched();
        EXPECT_EQ(calls.steps, (QStringList{QStringLiteral("open statsa.dll"), QStringLiteral("close")}));
    }
}

TEST_F(FilesCopyLimit, ASourceThatGrowsWhileCopiedIsStoppedAtTheLimit)
{
    // Within the limit when looked at, far beyond it once the copy is under way.
    storeSparse(soundFileBudgetBytes - 1000);
    calls.growing = source();
    calls.grownSize = 3 * soundFileBudgetBytes;
    EXPECT_FALSE(copy());
    expectRefusedUntouched();
    EXPECT_GT(calls.written, 0);
    EXPECT_LE(calls.written, soundFileBudgetBytes);
}

} // namespace
} // namespace zornalit
