// Draws the seven sample pictures of the program folder and writes them as
// 24-bit Windows bitmaps into the folder named on the command line.
#include "SamplePictures.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

const char* const fontFolder = "/usr/share/fonts/truetype/liberation";

// Registers the Liberation fonts with the application so that the pictures
// come out the same whatever fonts the desktop prefers.
bool loadFonts()
{
    const QDir folder(QString::fromLatin1(fontFolder));
    int loaded = 0;
    for (const QString& name : folder.entryList({QStringLiteral("Liberation*.ttf")}, QDir::Files))
        loaded += QFontDatabase::addApplicationFont(folder.filePath(name)) >= 0 ? 1 : 0;
    return loaded > 0;
}

bool writeBitmap(const QImage& drawn, const QString& path)
{
    // RGB888 has no alpha channel, so the writer produces a plain 24-bit file.
    const QImage plain = drawn.convertToFormat(QImage::Format_RGB888);
    QImageWriter writer(path, "bmp");
    if (!writer.write(plain)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    const QImage back(path, "bmp");
    if (back.size() != plain.size()) {
        std::fprintf(stderr, "%s: written, but does not read back at its size\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder to write the pictures into>\n", argv[0]);
        return 2;
    }
    const QDir target(QString::fromLocal8Bit(argv[1]));
    if (!target.exists()) {
        std::fprintf(stderr, "%s: no such folder\n", argv[1]);
        return 2;
    }
    if (!loadFonts()) {
        std::fprintf(stderr, "no Liberation fonts in %s (Debian package fonts-liberation)\n", fontFolder);
        return 1;
    }

    bool allWritten = true;
    for (const auto& picture : zornalit::samples::samplePictures()) {
        QImage image(picture.size, QImage::Format_RGB32);
        image.fill(Qt::white);
        picture.draw(image);
        const QString path = target.filePath(picture.fileName);
        if (writeBitmap(image, path))
            std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
        else
            allWritten = false;
    }
    return allWritten ? 0 : 1;
}
