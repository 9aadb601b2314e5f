// winmm's MCI itself, on Windows (under Wine in CI): a sound on a path with
// Cyrillic letters and a space is opened by its full path, its length is
// read, and once the device is closed the file can be deleted. Playing is
// left to the end-to-end check, which has a sound output to play to.

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "platform/mci/MciErrorText.h"
#include "platform/mci/WinmmCalls.h"

#include "support/ScratchFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

// A WAV file of 16-bit mono PCM at 8000 Hz holding the given milliseconds
// of silence.
QByteArray silence(int milliseconds)
{
    const quint32 data = 8000 * 2 * quint32(milliseconds) / 1000;
    QByteArray bytes;
    const auto put32 = [&bytes](quint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes.append(char((value >> (8 * i)) & 0xFF));
    };
    const auto put16 = [&bytes](quint16 value) {
        bytes.append(char(value & 0xFF));
        bytes.append(char(value >> 8));
    };
    bytes.append("RIFF");
    put32(36 + data);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(16000);
    put16(2);
    put16(16);
    bytes.append("data");
    put32(data);
    bytes.append(QByteArray(int(data), '\0'));
    return bytes;
}

TEST(WinmmCalls, ASoundOnACyrillicPathOpensByItsFullPathAndIsFreeOnceClosed)
{
    testing::ScratchFolder scratch;
    ASSERT_TRUE(QDir(scratch.path()).mkdir(QStringLiteral("Программа 2")));
    const QString path = QDir::toNativeSeparators(scratch.path(QStringLiteral("Программа 2/Остаться.wav")));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(silence(750)), 44 + 12000);
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

} // namespace
} // namespace zornalit

#endif
