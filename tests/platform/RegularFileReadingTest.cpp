#include "platform/files/RegularFileReading.h"

#include "support/Fifo.h"
#include "support/ScratchFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using Kind = FileError::Kind;

// The kind a refused open gives; None when the file opened.
Kind refusalOf(const QString& path)
{
    FileError error;
    const std::unique_ptr<QIODevice> device = openRegularFile(path, &error);
    return device ? Kind::None : error.kind;
}

TEST(RegularFileReading, RefusesEverythingButARegularFileByItsKind)
{
    testing::ScratchFolder folder;
    EXPECT_EQ(refusalOf(QString()), Kind::NoName);
    EXPECT_EQ(refusalOf(folder.path(QStringLiteral("Mgnoven.wav"))), Kind::NotFound);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Обложка.bmp")));
    EXPECT_EQ(refusalOf(folder.path(QStringLiteral("Обложка.bmp"))), Kind::Folder);
    if (testing::fifosExist) {
        // Opening a FIFO for reading would wait for a writer: it is refused
        // at once instead.
        const QString fifo = folder.path(QStringLiteral("Ostatsa.wav"));
        ASSERT_TRUE(testing::makeFifo(fifo));
        EXPECT_EQ(refusalOf(fifo), Kind::NotRegular);
    }
    // A caller that does not ask for the reason still gets no device.
    EXPECT_FALSE(openRegularFile(folder.path(QStringLiteral("Обложка.bmp")), nullptr));
}

TEST(RegularFileReading, ReadsTheFileItOpenedWhateverComesToItsNameLater)
{
    testing::ScratchFolder folder;
    const QByteArray bytes("RIFF\x24\x00\x00\x00WAVE", 12);
    ASSERT_TRUE(folder.write(QStringLiteral("Ostatsa.wav"), bytes));
    FileError error;
    const std::unique_ptr<QIODevice> device = openRegularFile(folder.path(QStringLiteral("Ostatsa.wav")), &error);
    ASSERT_TRUE(device) << int(error.kind);
    EXPECT_EQ(device->size(), bytes.size());
    // Another file put at the name after the open changes nothing for this
    // reader (Windows keeps an open file's name, so only a removal fails).
    ASSERT_TRUE(folder.write(QStringLiteral("other.wav"), QByteArray(4096, 'x')));
    const bool renamed = QFile::remove(folder.path(QStringLiteral("Ostatsa.wav")))
        && QFile::rename(folder.path(QStringLiteral("other.wav")), folder.path(QStringLiteral("Ostatsa.wav")));
#ifndef Q_OS_WIN
    EXPECT_TRUE(renamed);
#else
    Q_UNUSED(renamed);
#endif
    EXPECT_EQ(device->readAll(), bytes);
}

} // namespace
} // namespace zornalit
