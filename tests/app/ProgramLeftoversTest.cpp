#include "app/ProgramLeftovers.h"

#include "fakes/FakePlatform.h"
#include "support/ScratchFolder.h"

#include <QThreadPool>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::ScratchFolder;

// What a lookup and a joke cut short leave, an hour ago, beside the
// program's own files.
void plantLeftovers(const ScratchFolder& folder)
{
    for (const char* name : {"SegmInfo.txt.0c0ffe.tmp", "Ostatsa.wav.1a2b3c.tmp", "Mgnoven.wav.fedcba.tmp",
             "Ostatsa.wav", "Mgnoven.wav", "SegmInfo.txt", "SEGM_WIN_ALL.txt", "statsa.dll"}) {
        ASSERT_TRUE(folder.write(QLatin1String(name), "bytes"));
        ASSERT_TRUE(folder.age(QLatin1String(name), 3600));
    }
}

const QStringList programFiles{
    QStringLiteral("SEGM_WIN_ALL.txt"), QStringLiteral("SegmInfo.txt"), QStringLiteral("statsa.dll")};

TEST(ProgramLeftovers, TheReportsAndTheJokesLeftoversGoAndTheProgramsFilesStay)
{
    ScratchFolder folder;
    plantLeftovers(folder);
    EXPECT_EQ(removeProgramLeftovers(folder.path()), 5);
    EXPECT_EQ(folder.entries(), programFiles);
}

TEST(ProgramLeftovers, StartedAtStartUpTheyAreGoneOnceTheWorkIsDone)
{
    ScratchFolder folder;
    plantLeftovers(folder);
    testing::FakeProgramFolder programFolder;
    programFolder.folder = folder.path();
    startRemovingProgramLeftovers(programFolder);
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(folder.entries(), programFiles);
}

} // namespace
} // namespace zornalit
