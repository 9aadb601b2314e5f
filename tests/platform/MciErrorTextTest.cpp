// MCI's errors are told in Russian words of our own, whatever the language
// of the Windows installation.

#include "platform/mci/MciErrorText.h"

#include "support/LatinLetters.h"

#include <gtest/gtest.h>

namespace zornalit {
namespace {

TEST(MciErrorText, TheErrorsOfPlayingAFileHaveRussianWordsOfTheirOwn)
{
    using namespace mciError;
    QStringList reasons;
    for (const quint32 code : {invalidDeviceId, hardware, invalidDeviceName, cannotLoadDriver, outOfMemory, deviceOpen,
             deviceLocked, fileNotFound, deviceNotReady, driver, unsupportedFunction, extensionNotFound, invalidFile,
             filenameRequired, fileRead, fileWrite, outOfRange, waveOutputsInUse, waveOutputUnspecified,
             waveOutputsUnsuitable, waveInputsInUse, noWindow}) {
        const QString reason = mciErrorText(code);
        EXPECT_FALSE(reason.isEmpty()) << code;
        EXPECT_EQ(testing::latinLettersOutside(reason, {}), QString()) << reason;
        EXPECT_FALSE(reason.contains(QString::number(code))) << reason;
        EXPECT_FALSE(reasons.contains(reason)) << reason;
        reasons << reason;
    }
    // One cause, several codes: one text.
    EXPECT_EQ(mciErrorText(deviceNotInstalled), mciErrorText(invalidDeviceName));
    EXPECT_EQ(mciErrorText(mustUseShareable), mciErrorText(deviceLocked));
    EXPECT_EQ(mciErrorText(waveSetOutputUnsuitable), mciErrorText(waveOutputsUnsuitable));
    EXPECT_EQ(mciErrorText(internal), mciErrorText(driver));
}

TEST(MciErrorText, OnlyTheLowWordIsTheError)
{
    // A driver's own errors carry the driver's number in the high word.
    EXPECT_EQ(mciErrorText((3u << 16) | mciError::fileNotFound), mciErrorText(mciError::fileNotFound));
    EXPECT_EQ(mciErrorText(0x00050000u), QString());
}

TEST(MciErrorText, CodesWithoutWordsOfTheirOwnGiveTheirNumber)
{
    using namespace mciError;
    EXPECT_EQ(mciErrorText(0), QString());
    EXPECT_EQ(
        mciErrorText(unrecognizedKeyword), QStringLiteral("звуковое устройство не приняло команду (код MCI 259)"));
    EXPECT_EQ(mciErrorText(sequencerFirst), QStringLiteral("ошибка устройства MIDI (код MCI 336)"));
    EXPECT_EQ(mciErrorText(sequencerLast), QStringLiteral("ошибка устройства MIDI (код MCI 343)"));
    EXPECT_EQ(mciErrorText(customDriverBase + 4), QStringLiteral("ошибка драйвера звукового устройства (код 4)"));
    EXPECT_EQ(mciErrorText(fileWrite + 1), QStringLiteral("ошибка звукового устройства (код MCI 350)"));
    EXPECT_EQ(mciErrorText(11), QStringLiteral("ошибка звукового устройства (код MCI 11)"));
}

} // namespace
} // namespace zornalit
