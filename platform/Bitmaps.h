#pragma once

#include <QString>

// Pictures are Qt Gui's; only the side that draws them needs it.
QT_FORWARD_DECLARE_CLASS(QImage)

namespace zornalit {

// Reads picture files by full path. Reading and reporting a failure are two
// steps, so that a picture needed before its turn can be reported in its
// turn; loadPicture() (platform/qt/PictureLoad.h) does both at once.
class Bitmaps {
public:
    virtual ~Bitmaps() = default;

    // A file that is missing or cannot be read gives a null image, always
    // with its reason in problem (left empty on success). Nothing is told.
    virtual QImage loadUnreported(const QString& path, QString& problem) = 0;
    // Tells, once, that path could not be loaded and why.
    virtual void report(const QString& path, const QString& problem) = 0;
};

} // namespace zornalit
