// winmm's MCI itself, on Windows (under Wine in CI): a sound on a path with
// Cyrillic letters and a space is opened by its full path, its length is
// read, and once the device is closed the file can be deleted; which paths
// come through the ANSI code page, and a folder outside it reached by its
// short path. Playing is left to the end-to-end check, which has a sound
// output to play to.

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "platform/mci/MciErrorText.h"
#include "platform/mci/MciSoundDevice.h"
#include "platform/mci/WinmmCalls.h"

#include "support/ScratchFolder.h"
#include "support/SoundTestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <windows.h>

namespace zornalit {
namespace {

TEST(WinmmCalls, ASoundOnACyrillicPathOpensByItsFullPathAndIsFreeOnceClosed)
{
    testing::ScratchFolder scratch;
    ASSERT_TRUE(QDir(scratch.path()).mkdir(QStringLiteral("Программа 2")));
    const QString path = QDir::toNativeSeparators(scratch.path(QStringLiteral("Программа 2/Остаться.wav")));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(testing::silentWav(750)), 44 + 12000);
    }

    WinmmCalls mci;
    MciCalls::Device device = 0;
    const MciCalls::Error opened = mci.open(path, &device);
    ASSERT_EQ(opened, 0u) << mciErrorText(opened);
    quint32 milliseconds = 0;
    const MciCalls::Error measured = mci.length(device, &milliseconds);
    EXPECT_EQ(measured, 0u) << mciErrorText(measured);
    EXPECT_NEAR(double(milliseconds), 750.0, 2.0);
    EXPECT_EQ(mci.close(device), 0u);
    EXPECT_TRUE(QFile::remove(path));
}

TEST(WinmmCalls, AMissingOrBrokenFileIsRefusedAndLeftFree)
{
    testing::ScratchFolder scratch;
    scratch.write(QStringLiteral("broken.wav"), "RIFF\x10\0\0\0WAVEjunkjunk");
    WinmmCalls mci;
    for (const QString& name : {QStringLiteral("missing.wav"), QStringLiteral("broken.wav")}) {
        MciCalls::Device device = 0;
        const MciCalls::Error error = mci.open(QDir::toNativeSeparators(scratch.path(name)), &device);
        EXPECT_NE(error, 0u) << name;
        if (!error)
            mci.close(device);
        EXPECT_FALSE(mciErrorText(error).isEmpty());
    }
    EXPECT_TRUE(QFile::remove(scratch.path(QStringLiteral("broken.wav"))));
}

// The unit tests run with code page 1251, as a Russian Windows has it.
TEST(WinmmCalls, PathsComeThroughTheCodePageOnlyWithItsLetters)
{
    if (GetACP() != 1251)
        GTEST_SKIP() << "the ANSI code page here is " << GetACP() << ", not 1251";
    WinmmCalls calls;
    EXPECT_TRUE(calls.survivesCodePage(QStringLiteral("C:/Программы/Зорналит 2/Ostatsa.wav")));
    EXPECT_TRUE(calls.survivesCodePage(QStringLiteral("C:\\Атака\\%PATH%&^,=\\Ostatsa.wav")));
    for (const QString& path : {QStringLiteral("C:\\中文\\Ostatsa.wav"), QStringLiteral("C:\\😀\\Ostatsa.wav"),
             // Best fit would turn these into a plain a and a plain e.
             QStringLiteral("C:\\ä\\Ostatsa.wav"), QStringLiteral("C:\\ē\\Ostatsa.wav")}) {
        EXPECT_FALSE(calls.survivesCodePage(path)) << path;
    }
}

TEST(WinmmCalls, AFolderOutsideTheCodePageIsReachedByItsShortPath)
{
    testing::ScratchFolder scratch;
    ASSERT_TRUE(QDir(scratch.path()).mkdir(QStringLiteral("中文 😀 Зорн")));
    const QString path = QDir::toNativeSeparators(scratch.path(QStringLiteral("中文 😀 Зорн/Ostatsa.wav")));
    ASSERT_TRUE(scratch.write(QStringLiteral("中文 😀 Зорн/Ostatsa.wav"), testing::silentWav(500)));

    WinmmCalls calls;
    const std::optional<QString> shortPath = calls.shortPath(path);
    ASSERT_TRUE(shortPath.has_value());
    if (!calls.survivesCodePage(*shortPath))
        GTEST_SKIP() << "this file system gives no short name within the code page: " << *shortPath;
    EXPECT_FALSE(calls.survivesCodePage(path));
    MciCalls::Device device = 0;
    const MciCalls::Error opened = calls.open(*shortPath, &device);
    ASSERT_EQ(opened, 0u) << mciErrorText(opened);
    quint32 milliseconds = 0;
    EXPECT_EQ(calls.length(device, &milliseconds), 0u);
    EXPECT_NEAR(double(milliseconds), 500.0, 2.0);
    EXPECT_EQ(calls.close(device), 0u);
    EXPECT_TRUE(QFile::remove(path));
    EXPECT_FALSE(calls.shortPath(path).has_value());
}

// The sound device on winmm: a sound in a folder outside the code page
// opens (MCI given the long path says the file is not found, under Wine at
// least), and a sound whose header lies about its byte rate, which MCI
// would take for one second, is refused for its 100 s.
TEST(WinmmCalls, TheDeviceOpensAFolderOutsideTheCodePageAndRefusesAHeaderThatLies)
{
    testing::ScratchFolder scratch;
    ASSERT_TRUE(QDir(scratch.path()).mkdir(QStringLiteral("中文 😀 Зорн")));
    const QString wide = scratch.path(QStringLiteral("中文 😀 Зорн/Ostatsa.wav"));
    ASSERT_TRUE(scratch.write(QStringLiteral("中文 😀 Зорн/Ostatsa.wav"), testing::silentWav(500)));
    const testing::WavFormat lying{1, 1, 8000, 800000, 1, 8, {}};
    const QString lyingPath = scratch.path(QStringLiteral("lying.wav"));
    ASSERT_TRUE(scratch.write(
        QStringLiteral("lying.wav"), testing::wavFile({testing::formatChunk(lying), testing::dataChunk(800000)})));

    MciSoundDevice device(std::make_unique<WinmmCalls>());
    QString why;
    EXPECT_TRUE(device.open(wide, &why)) << why;
    device.close();
    EXPECT_FALSE(device.open(lyingPath, &why));
    EXPECT_TRUE(why.endsWith(QStringLiteral("звук длиннее 60 с, а окно программы не отвечает, пока он звучит")))
        << why;
    EXPECT_TRUE(QFile::remove(wide));
    EXPECT_TRUE(QFile::remove(lyingPath));
}

} // namespace
} // namespace zornalit

#endif
