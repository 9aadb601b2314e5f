// The multimedia control on Windows: the commands it sends to MCI, in which
// order, how long it waits for a sound, what it refuses before MCI is
// asked, which path MCI is given, and how MCI's errors reach the operator.

#include "platform/mci/MciErrorText.h"
#include "platform/mci/MciSoundDevice.h"
#include "platform/SoundFileBudget.h"

#include "fakes/FakeMciCalls.h"
#include "support/Fifo.h"
#include "support/PlayInTurn.h"
#include "support/ScratchFolder.h"
#include "support/SoundTestFiles.h"

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
        folder.write(QStringLiteral("Ostatsa.wav"), testing::silentWav(1500));
        folder.write(QStringLiteral("Mgnoven.wav"), testing::silentWav(1500));
    }

    QString path(const QString& name) const { return folder.path(name); }
    // How MCI is told to open a file.
    QString opening(const QString& name) const
    {
        return QStringLiteral("open ") + QDir::toNativeSeparators(path(name));
    }
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
        (QStringList{opening(QStringLiteral("Ostatsa.wav")), QStringLiteral("length 7"), QStringLiteral("play 7"),
            QStringLiteral("length 7"), QStringLiteral("close 7"), opening(QStringLiteral("Mgnoven.wav")),
            QStringLiteral("length 8"), QStringLiteral("play 8"), QStringLiteral("length 8"),
            QStringLiteral("close 8")}));
    // Each play waited for its sound's end, and no longer than one look at
    // the device after it.
    EXPECT_GE(mci.clock, 2 * mci.playsFor);
    EXPECT_LE(mci.clock, 2 * mci.playsFor + 2 * mci.longestSleep);
    EXPECT_LE(mci.longestSleep, 50);
}

TEST_F(MciSoundDeviceTest, ASoundStillPlayingAtTheLimitIsStoppedAndTold)
{
    QString why;
    mci.playsFor = 35 * 60 * 1000;
    ASSERT_TRUE(device.open(path(QStringLiteral("Ostatsa.wav")), &why)) << why;
    EXPECT_FALSE(device.play(&why));
    EXPECT_EQ(mci.clock, longestMciSoundMilliseconds);
    EXPECT_EQ(why,
        QStringLiteral("Не удалось воспроизвести звуковой файл %1: звук не закончился за 60 с и остановлен: окно "
                       "программы не отвечает, пока он звучит")
            .arg(quoted(QStringLiteral("Ostatsa.wav"))));
    device.close();
    EXPECT_EQ(
        mci.sent.mid(2), (QStringList{QStringLiteral("play 7"), QStringLiteral("stop 7"), QStringLiteral("close 7")}));

    // A device that cannot say whether it still plays is stopped at once.
    mci.clock = 0;
    mci.playingError = mciError::hardware;
    ASSERT_TRUE(device.open(path(QStringLiteral("Mgnoven.wav")), &why)) << why;
    EXPECT_FALSE(device.play(&why));
    EXPECT_EQ(mci.clock, 0);
    EXPECT_EQ(why,
        QStringLiteral("Не удалось воспроизвести звуковой файл %1: %2")
            .arg(quoted(QStringLiteral("Mgnoven.wav")), mciErrorText(mciError::hardware)));
    EXPECT_EQ(mci.sent.last(), QStringLiteral("stop 8"));
}

TEST_F(MciSoundDeviceTest, ASoundThatStopsShortOfItsEndOrWhosePositionIsUnknownIsTold)
{
    // The device tells no error when no sound output opens for a sound
    // played without waiting: it only stops at once.
    QString why;
    mci.breaksOff = true;
    ASSERT_TRUE(device.open(path(QStringLiteral("Ostatsa.wav")), &why)) << why;
    EXPECT_FALSE(device.play(&why));
    EXPECT_EQ(why,
        QStringLiteral("Не удалось воспроизвести звуковой файл %1: звук оборвался, не доиграв: устройство вывода "
                       "звука не открылось или было остановлено")
            .arg(quoted(QStringLiteral("Ostatsa.wav"))));

    mci.breaksOff = false;
    mci.positionError = mciError::deviceNotReady;
    ASSERT_TRUE(device.open(path(QStringLiteral("Mgnoven.wav")), &why)) << why;
    EXPECT_FALSE(device.play(&why));
    EXPECT_EQ(why,
        QStringLiteral("Не удалось воспроизвести звуковой файл %1: %2")
            .arg(quoted(QStringLiteral("Mgnoven.wav")), mciErrorText(mciError::deviceNotReady)));
}

TEST_F(MciSoundDeviceTest, ASoundWhoseChunksGiveNoLengthWithinTheLimitIsRefusedBeforeMciIsAsked)
{
    // 100 s of 8 kHz whose byte rate says 1 s; a block size that is not one
    // 8-bit sample; a text.
    testing::WavFormat lying{1, 1, 8000, 800000, 1, 8, {}};
    folder.write(
        QStringLiteral("lying.wav"), testing::wavFile({testing::formatChunk(lying), testing::dataChunk(800000)}));
    lying.blockSize = 2;
    folder.write(
        QStringLiteral("block.wav"), testing::wavFile({testing::formatChunk(lying), testing::dataChunk(1600)}));
    folder.write(QStringLiteral("text.wav"), "Это не звук, а текст с расширением wav.");

    const QList<std::pair<QString, QString>> refusals{
        {QStringLiteral("lying.wav"),
            QStringLiteral("звук длиннее 60 с, а окно программы не отвечает, пока он звучит")},
        {QStringLiteral("block.wav"), QStringLiteral("размер блока звука не сходится с числом каналов и разрядностью")},
        {QStringLiteral("text.wav"), QStringLiteral("это не звук в формате WAV")}};
    for (const auto& [name, reason] : refusals) {
        QString why;
        EXPECT_FALSE(device.open(path(name), &why));
        EXPECT_EQ(why, QStringLiteral("Не удалось открыть звуковой файл %1: %2").arg(quoted(name), reason));
    }
    EXPECT_EQ(mci.sent, QStringList());
}

TEST_F(MciSoundDeviceTest, APathOutsideTheCodePageReachesMciByItsShortFormOrIsRefusedNamingTheFolder)
{
    const QString folderName = QStringLiteral("中文 😀 Зорн");
    ASSERT_TRUE(QDir(folder.path()).mkdir(folderName));
    const QString name = folderName + QStringLiteral("/Ostatsa.wav");
    ASSERT_TRUE(folder.write(name, testing::silentWav(500)));
    mci.survivesCodePage = [](const QString& candidate) { return !candidate.contains(u'中'); };
    mci.shortPath = QStringLiteral("C:\\ATAKA~1\\A5B1~1\\OSTATSA.WAV");

    QString why;
    ASSERT_TRUE(device.open(path(name), &why)) << why;
    EXPECT_EQ(mci.sent.first(), QStringLiteral("open ") + *mci.shortPath);
    // An error after that names the file by its own path.
    mci.playError = mciError::hardware;
    EXPECT_FALSE(device.play(&why));
    EXPECT_TRUE(why.contains(quoted(name))) << why;
    device.close();

    mci.sent.clear();
    mci.shortPath.reset();
    EXPECT_FALSE(device.open(path(name), &why));
    EXPECT_EQ(why,
        QStringLiteral("Не удалось открыть звуковой файл %1: имя папки нельзя передать звуковому устройству: в нём "
                       "есть знаки вне кодовой страницы Windows, а короткого имени (8.3) у неё нет")
            .arg(quoted(name)));
    EXPECT_EQ(mci.sent, QStringList());
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
        (QStringList{QStringLiteral("close 7"), opening(QStringLiteral("Ostatsa.wav")), QStringLiteral("length 8"),
            QStringLiteral("close 8")}));
    EXPECT_FALSE(device.play(&why));

    mci.lengthError = mciError::hardware;
    EXPECT_FALSE(device.open(path(QStringLiteral("Ostatsa.wav")), &why));
    EXPECT_TRUE(why.endsWith(mciErrorText(mciError::hardware))) << why;
    EXPECT_EQ(mci.sent.last(), QStringLiteral("close 9"));
}

TEST_F(MciSoundDeviceTest, FilesThatAreNoSoundToOpenAreRefusedBeforeMciIsAsked)
{
    // A short sound with a chunk beside it that fills the file to the cap;
    // one byte more is over it.
    const qint64 cap = soundFileBudgetBytes;
    const QByteArray atCap = testing::wavFile(
        {testing::formatChunk({}), testing::dataChunk(1600), {"junk", QByteArray(int(cap - 1652), '\0'), {}, true}});
    ASSERT_EQ(atCap.size(), cap);
    ASSERT_TRUE(folder.write(QStringLiteral("atCap.wav"), atCap));
    ASSERT_TRUE(folder.write(QStringLiteral("overCap.wav"), atCap + '\0'));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.wav")));

    QString why;
    EXPECT_TRUE(device.open(path(QStringLiteral("atCap.wav")), &why)) << why;
    mci.sent.clear();
    EXPECT_FALSE(device.open(path(QStringLiteral("overCap.wav")), &why));
    EXPECT_EQ(why,
        QStringLiteral("Не удалось открыть звуковой файл %1: файл больше 16 МБ")
            .arg(quoted(QStringLiteral("overCap.wav"))));
    QStringList refused{QStringLiteral("folder.wav"), QStringLiteral("missing.wav")};
    // A FIFO would keep the window waiting for a writer if it were opened
    // like a file.
    if (testing::fifosExist) {
        ASSERT_TRUE(testing::makeFifo(path(QStringLiteral("fifo.wav"))));
        refused << QStringLiteral("fifo.wav");
    }
    for (const QString& name : refused) {
        why.clear();
        EXPECT_FALSE(device.open(path(name), &why));
        EXPECT_TRUE(why.startsWith(QStringLiteral("Не удалось открыть звуковой файл %1: ").arg(quoted(name)))) << why;
    }
    EXPECT_EQ(mci.sent, QStringList{QStringLiteral("close 7")});
}

} // namespace
} // namespace zornalit
