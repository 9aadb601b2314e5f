// The multimedia control on Windows: the commands it sends to MCI, in which
// order, what it refuses before MCI is asked, and how MCI's errors reach
// the operator.

#include "platform/mci/MciErrorText.h"
#include "platform/mci/MciSoundDevice.h"
#include "platform/SoundFileBudget.h"

#include "fakes/FakeMciCalls.h"
#include "support/PlayInTurn.h"
#include "support/ScratchFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::FakeMciCalls;
using testing::ScratchFolder;

class MciSoundDeviceTest : public ::testing::Test {
protected:
    MciSoundDeviceTest()
    {
        folder.write(QStringLiteral("Ostatsa.wav"), "RIFF");
        folder.write(QStringLiteral("Mgnoven.wav"), "RIFF");
    }

    QString path(const QString& name) const { return folder.path(name); }
    QString quoted(const QString& name) const
    {
        return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path(name)));
    }

    ScratchFolder folder;
    FakeMciCalls::Script mci;
    MciSoundDevice device{std::make_unique<FakeMciCalls>(mci)};
};

TEST_F(MciSoundDeviceTest, EachSoundIsOpenedPlayedToItsEndAndClosed)
{
    const QString first = path(QStringLiteral("Ostatsa.wav"));
    const QString second = path(QStringLiteral("Mgnoven.wav"));
    ASSERT_NO_FATAL_FAILURE(testing::playInTurn(device, {first, second}));
    device.close();
    EXPECT_EQ(mci.sent,
        (QStringList{QStringLiteral("open ") + first, QStringLiteral("length 7"), QStringLiteral("play 7"),
            QStringLiteral("close 7"), QStringLiteral("open ") + second, QStringLiteral("length 8"),
            QStringLiteral("play 8"), QStringLiteral("close 8")}));
}

TEST_F(MciSoundDeviceTest, ADeviceLeftOpenIsClosedByTheNextOpenAndAtTheEnd)
{
    QString why;
    {
        MciSoundDevice own(std::make_unique<FakeMciCalls>(mci));
        ASSERT_TRUE(own.open(path(QStringLiteral("Ostatsa.wav")), &why));
        ASSERT_TRUE(own.open(path(QStringLiteral("Mgnoven.wav")), &why));
    }
    EXPECT_EQ(
        mci.sent.filter(QStringLiteral("close")), (QStringList{QStringLiteral("close 7"), QStringLiteral("close 8")}));
}

TEST_F(MciSoundDeviceTest, MciErrorsAreToldInRussianNamingTheFile)
{
    QString why;
    mci.openError = mciError::invalidFile;
    EXPECT_FALSE(device.open(path(QStringLiteral("Ostatsa.wav")), &why));
    EXPECT_EQ(why,
        QStringLiteral("Не удалось открыть звуковой файл %1: %2")
            .arg(quoted(QStringLiteral("Ostatsa.wav")), mciErrorText(mciError::invalidFile)));
    // Nothing was opened: nothing is played or closed.
    EXPECT_FALSE(device.play(&why));
    EXPECT_EQ(why, QStringLiteral("Звуковой файл не открыт"));
    device.close();
    EXPECT_EQ(mci.sent.size(), 1) << mci.sent.join(u';');

    mci.openError = 0;
    mci.playError = mciError::waveOutputsUnsuitable;
    ASSERT_TRUE(device.open(path(QStringLiteral("Mgnoven.wav")), &why));
    EXPECT_FALSE(device.play(&why));
    EXPECT_EQ(why,
        QStringLiteral("Не удалось воспроизвести звуковой файл %1: %2")
            .arg(quoted(QStringLiteral("Mgnoven.wav")), mciErrorText(mciError::waveOutputsUnsuitable)));
    device.close();
    EXPECT_EQ(mci.sent.last(), QStringLiteral("close 7"));
}

TEST_F(MciSoundDeviceTest, ASoundTooLongToWaitForOrOfUnknownLengthIsClosedAndRefused)
{
    QString why;
    mci.milliseconds = longestMciSoundMilliseconds;
    EXPECT_TRUE(device.open(path(QStringLiteral("Ostatsa.wav")), &why)) << why;

    mci.milliseconds = longestMciSoundMilliseconds + 1;
    mci.sent.clear();
    EXPECT_FALSE(device.open(path(QStringLiteral("Ostatsa.wav")), &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("Не удалось открыть звуковой файл %1: звук длиннее 60 с")
                                   .arg(quoted(QStringLiteral("Ostatsa.wav")))))
        << why;
    EXPECT_EQ(mci.sent,
        (QStringList{QStringLiteral("close 7"), QStringLiteral("open ") + path(QStringLiteral("Ostatsa.wav")),
            QStringLiteral("length 8"), QStringLiteral("close 8")}));
    EXPECT_FALSE(device.play(&why));

    mci.lengthError = mciError::hardware;
    EXPECT_FALSE(device.open(path(QStringLiteral("Ostatsa.wav")), &why));
    EXPECT_TRUE(why.endsWith(mciErrorText(mciError::hardware))) << why;
    EXPECT_EQ(mci.sent.last(), QStringLiteral("close 9"));
}

TEST_F(MciSoundDeviceTest, FilesThatAreNoSoundToOpenAreRefusedBeforeMciIsAsked)
{
    const qint64 cap = soundFileBudgetBytes;
    QFile atCap(path(QStringLiteral("atCap.wav")));
    ASSERT_TRUE(atCap.open(QIODevice::WriteOnly) && atCap.resize(cap));
    atCap.close();
    QFile overCap(path(QStringLiteral("overCap.wav")));
    ASSERT_TRUE(overCap.open(QIODevice::WriteOnly) && overCap.resize(cap + 1));
    overCap.close();
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.wav")));

    QString why;
    EXPECT_TRUE(device.open(path(QStringLiteral("atCap.wav")), &why)) << why;
    mci.sent.clear();
    EXPECT_FALSE(device.open(path(QStringLiteral("overCap.wav")), &why));
    EXPECT_EQ(why,
        QStringLiteral("Не удалось открыть звуковой файл %1: файл больше 16 МБ")
            .arg(quoted(QStringLiteral("overCap.wav"))));
    for (const QString& name : {QStringLiteral("folder.wav"), QStringLiteral("missing.wav")}) {
        why.clear();
        EXPECT_FALSE(device.open(path(name), &why));
        EXPECT_TRUE(why.startsWith(QStringLiteral("Не удалось открыть звуковой файл %1: ").arg(quoted(name)))) << why;
    }
    EXPECT_EQ(mci.sent, QStringList{QStringLiteral("close 7")});
}

} // namespace
} // namespace zornalit
