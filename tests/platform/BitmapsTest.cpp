#include "platform/qt/QtBitmaps.h"

#include "platform/qt/PictureLoad.h"

#include "support/Fifo.h"
#include "support/LogCapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::LogCapture;

class QtBitmapsTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir::toNativeSeparators(m_dir.filePath(name)); }

    QImage load(const QString& file) { return loadPicture(m_bitmaps, file); }

    // Saves picture under name in format; gives its path.
    QString saved(QImage picture, const QString& name, const char* format)
    {
        const QString file = path(name);
        EXPECT_TRUE(picture.save(file, format)) << name;
        return file;
    }

    // Loads a picture that must load without a word on the error output.
    QImage loadWithoutWarning(const QString& file)
    {
        LogCapture log;
        QImage loaded = load(file);
        EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join('|');
        return loaded;
    }

    // Loading path gives a null image and exactly one warning naming it.
    void expectOneWarningFor(const QString& file)
    {
        SCOPED_TRACE(file);
        LogCapture log;
        EXPECT_TRUE(load(file).isNull());
        ASSERT_EQ(log.lines().size(), 1) << log.lines().join('|');
        EXPECT_TRUE(log.lines().first().contains(QStringLiteral("«%1»").arg(QDir::toNativeSeparators(file))))
            << log.lines().first();
        EXPECT_FALSE(log.lines().first().contains(QLatin1Char('\n')));
    }

    QtBitmaps m_bitmaps;
    QTemporaryDir m_dir;
};

TEST_F(QtBitmapsTest, LoadsAWindowsBitmapByItsFullCyrillicName)
{
    QImage picture(322, 417, QImage::Format_RGB32);
    picture.fill(QColor(10, 120, 200));
    picture.setPixelColor(5, 7, Qt::red);

    const QImage loaded = loadWithoutWarning(saved(picture, QStringLiteral("Форум КВАНТ.bmp"), "BMP"));
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.size(), QSize(322, 417));
    EXPECT_EQ(loaded.pixelColor(5, 7), QColor(Qt::red));
    EXPECT_EQ(loaded.pixelColor(0, 0), QColor(10, 120, 200));
}

TEST_F(QtBitmapsTest, AMissingPictureGivesANullImageAndOneWarning)
{
    expectOneWarningFor(path(QStringLiteral("Обложка.bmp")));
}

TEST_F(QtBitmapsTest, AFailureLoadedUnreportedIsToldLaterInTheSameWords)
{
    const QString file = path(QStringLiteral("Обложка.bmp"));
    QStringList toldAtOnce;
    {
        LogCapture direct;
        load(file);
        toldAtOnce = direct.lines();
    }
    ASSERT_EQ(toldAtOnce.size(), 1);

    LogCapture later;
    QString problem;
    EXPECT_TRUE(m_bitmaps.loadUnreported(file, problem).isNull());
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_TRUE(later.lines().isEmpty());
    m_bitmaps.report(file, problem);
    EXPECT_EQ(later.lines(), toldAtOnce);
}

TEST_F(QtBitmapsTest, APictureThatIsNoBitmapGivesANullImageAndOneWarning)
{
    QFile file(path(QStringLiteral("About.bmp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a bitmap at all");
    file.close();
    expectOneWarningFor(file.fileName());

    // Cut short inside its header. (Cut inside the pixels, Qt shows what
    // it could read, which is fine for a picture.)
    QFile truncated(path(QStringLiteral("Фото.bmp")));
    QImage(64, 64, QImage::Format_RGB32).save(truncated.fileName(), "BMP");
    ASSERT_TRUE(truncated.resize(20));
    expectOneWarningFor(truncated.fileName());
}

TEST_F(QtBitmapsTest, AFolderInPlaceOfAPictureIsRefused)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("КВАНТ.bmp")));
    expectOneWarningFor(path(QStringLiteral("КВАНТ.bmp")));
}

TEST_F(QtBitmapsTest, AFifoInPlaceOfAPictureIsRefusedWithoutWaiting)
{
    if (!testing::fifosExist)
        GTEST_SKIP() << testing::noFifos;
    const QString fifo = path(QStringLiteral("Сайт КВАНТ.bmp"));
    ASSERT_TRUE(testing::makeFifo(fifo));
    expectOneWarningFor(fifo);
}

// A picture saved in another format under its .bmp name is still shown,
// read by the format its content has.
TEST_F(QtBitmapsTest, APictureInAnotherFormatIsReadByItsContent)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 60));

    const QImage loaded = loadWithoutWarning(saved(picture, QStringLiteral("КВАНТ.bmp"), "PNG"));
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.size(), QSize(40, 30));
    EXPECT_EQ(loaded.pixelColor(3, 3), QColor(200, 30, 60));
}

// A small file whose header claims a picture of gigabytes is refused, not
// given the memory.
TEST_F(QtBitmapsTest, AHeaderClaimingAHugePictureIsRefused)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QString file = path(QStringLiteral("Обложка1.bmp"));
    ASSERT_TRUE(picture.save(file, "BMP"));
    QFile bitmap(file);
    ASSERT_TRUE(bitmap.open(QIODevice::ReadWrite));
    QByteArray bytes = bitmap.readAll();
    // Width and height, little-endian, at 18 and 22: 60,000 × 60,000.
    for (const int at : {18, 22}) {
        bytes[at] = '\x60';
        bytes[at + 1] = '\xEA';
        bytes[at + 2] = '\0';
        bytes[at + 3] = '\0';
    }
    ASSERT_TRUE(bitmap.seek(0));
    ASSERT_EQ(bitmap.write(bytes), bytes.size());
    bitmap.close();
    expectOneWarningFor(file);
}

} // namespace
} // namespace zornalit
