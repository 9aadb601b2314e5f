#pragma once

#include <QString>

// Pictures are Qt Gui's; only the side that draws them needs it.
QT_FORWARD_DECLARE_CLASS(QImage)

namespace zornalit {

// Loads a picture file by full path. A file that is missing or cannot be read
// gives a null image; the loader itself reports that once.
class Bitmaps {
public:
    virtual ~Bitmaps() = default;
    virtual QImage load(const QString& path) = 0;
};

} // namespace zornalit
