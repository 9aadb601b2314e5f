// The joke on real files and the real sound device, with a stored sound far
// beyond the sound memory budget.

#include "extras/FreeTextClick.h"

#include "fakes/FakePlatform.h"
#include "platform/files/QtFiles.h"
#include "platform/sound/QtSoundDevice.h"
#include "platform/sound/SndfileDecoder.h"
#include "support/SoundTestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zornalit;
using namespace zornalit::testing;

namespace {

TEST(JokeSoundBudget, ASoundTooLargeToHoldIsRefusedByNameAndNoCopyIsLeft)
{
    // No sound server: the small sound is skipped quietly, as on a machine
    // without a sound card.
    qputenv("PULSE_SERVER", "unix:/nonexistent/zornalit-test-socket");
    QTemporaryDir dir;
    FakePlatform fake;
    fake.folder.folder = dir.path();
    QtFiles files;
    QtSoundDevice sound;
    const Platform platform{fake.folder, fake.messages, fake.viewer, files, fake.bitmaps, fake.clipboard, sound};
    SoundCommands control(sound);

    // Eight channels at 96 kHz for six seconds: 18 MB of samples.
    constexpr int rate = 96000;
    ASSERT_GT(6L * rate * 8 * 4, decodedSoundBudgetBytes);
    const QString large = fake.path(QStringLiteral("statsa.dll"));
    ASSERT_TRUE(writeTestSound(large, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 8, rate, 6L * rate));
    ASSERT_TRUE(
        writeTestSound(fake.path(QStringLiteral("noven.dll")), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 2205));
    const qint64 storedSize = QFileInfo(large).size();

    clickFreeText(platform, control, QStringLiteral("5555555555555555"));

    ASSERT_EQ(fake.messages.shown.size(), 2);
    const ShownMessage& error = fake.messages.shown.last();
    EXPECT_EQ(error.style, MessageStyle::Error);
    EXPECT_TRUE(error.prompt.contains(QStringLiteral("«%1»").arg(fake.path(QStringLiteral("Ostatsa.wav")))))
        << error.prompt;
    EXPECT_TRUE(error.prompt.contains(QStringLiteral("слишком велик"))) << error.prompt;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"noven.dll", "statsa.dll"}));
    EXPECT_EQ(QFileInfo(large).size(), storedSize);
}

} // namespace
