// The sound module is loaded when a sound is first wanted: a module that is
// missing or broken is reported in Russian, naming its file, and a working
// one does the sound device's own work.

#include "platform/qt/LazySoundDevice.h"

#include "support/LogCapture.h"
#include "support/SoundTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

QString builtModule()
{
    const QStringList found =
        QDir(QStringLiteral(ZORNALIT_PROGRAM_DIR)).entryList({QStringLiteral("zornalit-sound.*")}, QDir::Files);
    return found.isEmpty() ? QString() : QStringLiteral(ZORNALIT_PROGRAM_DIR "/") + found.first();
}

TEST(LazySoundDevice, AMissingModuleIsNamedAtEveryCall)
{
    QTemporaryDir dir;
    const QString module = dir.filePath(QStringLiteral("zornalit-sound.so"));
    LazySoundDevice device(module);
    const QString expected = QStringLiteral("Не удалось загрузить звуковой модуль «%1»: файл не найден").arg(module);
    QString why;
    EXPECT_FALSE(device.open(dir.filePath(QStringLiteral("Ostatsa.wav")), &why));
    EXPECT_EQ(why, expected);
    why.clear();
    EXPECT_FALSE(device.play(&why));
    EXPECT_EQ(why, expected);
    device.close();
}

TEST(LazySoundDevice, AFileThatIsNoModuleIsRefused)
{
    QTemporaryDir dir;
    const QString module = dir.filePath(QStringLiteral("zornalit-sound.so"));
    QFile file(module);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();
    LazySoundDevice device(module);
    QString why;
    EXPECT_FALSE(device.open(dir.filePath(QStringLiteral("Ostatsa.wav")), &why));
    EXPECT_TRUE(
        why.startsWith(QStringLiteral("Не удалось загрузить звуковой модуль «%1»: модуль не загружается").arg(module)))
        << why;
}

TEST(LazySoundDevice, TheBuiltModuleOpensSoundsAndReportsTheirFaults)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/zornalit-test-socket");
    const QString module = builtModule();
    ASSERT_FALSE(module.isEmpty()) << "no sound module in " ZORNALIT_PROGRAM_DIR;
    QTemporaryDir dir;
    LazySoundDevice device(module);

    const QString missing = dir.filePath(QStringLiteral("Mgnoven.wav"));
    QString why;
    EXPECT_FALSE(device.open(missing, &why));
    EXPECT_TRUE(why.contains(missing)) << why;
    EXPECT_FALSE(why.contains(QStringLiteral("модуль"))) << why;

    const QString sound = dir.filePath(QStringLiteral("Ostatsa.wav"));
    ASSERT_TRUE(testing::writeTestSound(sound, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 2205));
    EXPECT_TRUE(device.open(sound, &why)) << why;
    testing::LogCapture quiet;
    EXPECT_TRUE(device.play(&why)) << why;
    device.close();
}

} // namespace
} // namespace zornalit
