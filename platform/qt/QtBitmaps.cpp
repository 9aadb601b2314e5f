#include "QtBitmaps.h"

#include "platform/FileErrorText.h"
#include "platform/files/RegularFileReading.h"

#include <QImageReader>
#include <QtDebug>

namespace zornalit {

namespace {

QString readerReason(const QImageReader& reader)
{
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
        return fileErrorReason({FileError::Kind::NotFound, 0});
    case QImageReader::DeviceError:
        return QStringLiteral("ошибка чтения файла");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("формат рисунка не распознан");
    case QImageReader::InvalidDataError:
        return QStringLiteral("файл рисунка повреждён");
    case QImageReader::UnknownError:
        break;
    }
    return reader.errorString();
}

} // namespace

QImage QtBitmaps::loadUnreported(const QString& path, QString& problem)
{
    // The file is opened once, and only if it is a regular file: a folder
    // or a FIFO would make the reader fail or, worse, wait forever.
    FileError error;
    const std::unique_ptr<QIODevice> file = openRegularFile(path, &error);
    if (!file) {
        problem = fileErrorReason(error);
        return {};
    }
    QImage image;
    const auto readWith = [&](QImageReader& reader) {
        image = reader.read();
        if (image.isNull())
            problem = readerReason(reader);
    };
    // The pictures are BMP files: Qt reads those itself. The image format
    // plugins, slow to load, are asked only about a file that is not one.
    QImageReader bmp(file.get(), "bmp");
    bmp.setAutoDetectImageFormat(false);
    if (bmp.canRead()) {
        readWith(bmp);
    } else if (file->seek(0)) {
        QImageReader reader(file.get());
        reader.setDecideFormatFromContent(true);
        readWith(reader);
    }
    // Qt may have no words for a failure; a missing picture always has some.
    if (image.isNull() && problem.isEmpty())
        problem = QStringLiteral("файл рисунка не читается");
    return image;
}

void QtBitmaps::report(const QString& path, const QString& problem)
{
    // One line on stderr, whatever the reader's own text looks like.
    QString line = QStringLiteral("Не удалось загрузить рисунок %1: %2").arg(quotedPath(path), problem);
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    qWarning().noquote() << line;
}

} // namespace zornalit
