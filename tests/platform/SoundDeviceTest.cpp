#include "platform/qt/MultimediaControl.h"
#include "platform/sound/QtSoundDevice.h"

#include "support/Fifo.h"
#include "support/LogCapture.h"
#include "support/PlayInTurn.h"
#include "support/SoundTestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::LogCapture;

// Every case runs without a sound server: the audio back end is pointed at
// a socket that does not exist before it is first used.
class QtSoundDeviceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qputenv("PULSE_SERVER", "unix:/nonexistent/zornalit-test-socket"); }

    QString soundFile(const QString& name)
    {
        const QString file = m_dir.filePath(name);
        EXPECT_TRUE(testing::writeTestSound(file, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 22050));
        return file;
    }

    QTemporaryDir m_dir;
    QtSoundDevice m_device;
    QString m_why;
};

TEST_F(QtSoundDeviceTest, WithoutAnOutputBothSoundsAreSkippedWithOneWarning)
{
    const QString first = soundFile(QStringLiteral("Ostatsa.wav"));
    const QString second = soundFile(QStringLiteral("Mgnoven.wav"));
    LogCapture log;
    ASSERT_NO_FATAL_FAILURE(testing::playInTurn(m_device, {first, second}));
    EXPECT_FALSE(m_device.isPlaying());
    ASSERT_EQ(log.lines().size(), 1) << log.lines().join('|');
    EXPECT_TRUE(log.lines().first().contains(QStringLiteral("нет устройства вывода звука")));
}

TEST_F(QtSoundDeviceTest, TheFileMayGoAwayOnceOpened)
{
    const QString file = soundFile(QStringLiteral("Ostatsa.wav"));
    ASSERT_TRUE(m_device.open(file, &m_why)) << m_why;
    ASSERT_TRUE(QFile::remove(file));
    LogCapture quiet;
    EXPECT_TRUE(m_device.play(&m_why)) << m_why;
}

TEST_F(QtSoundDeviceTest, NothingPlaysUnlessASoundIsOpen)
{
    EXPECT_FALSE(m_device.play(&m_why));
    EXPECT_FALSE(m_why.isEmpty());

    const QString file = soundFile(QStringLiteral("Ostatsa.wav"));
    ASSERT_TRUE(m_device.open(file, &m_why));
    m_device.close();
    EXPECT_FALSE(m_device.play(&m_why));

    // A failed open leaves nothing open either, not even the sound before.
    ASSERT_TRUE(m_device.open(file, &m_why));
    EXPECT_FALSE(m_device.open(m_dir.filePath(QStringLiteral("missing.wav")), &m_why));
    EXPECT_FALSE(m_device.play(&m_why));
}

TEST_F(QtSoundDeviceTest, TheControlReportsAFileThatCannotBeOpened)
{
    MultimediaControl control(m_device);
    const QString fifo = m_dir.filePath(QStringLiteral("Mgnoven.wav"));
    ASSERT_TRUE(testing::makeFifo(fifo));
    control.setFileName(fifo);
    EXPECT_FALSE(control.setCommand(QStringLiteral("Open"), &m_why));
    EXPECT_TRUE(m_why.contains(fifo)) << m_why;
    EXPECT_FALSE(control.setCommand(QStringLiteral("Sound"), &m_why));
    EXPECT_TRUE(control.setCommand(QStringLiteral("Close"), &m_why));
}

} // namespace
} // namespace zornalit
