#pragma once

#include <QImage>
#include <QString>

namespace zornalit {

// Loads a picture file by full path. A file that is missing or cannot be read
// gives a null image; the loader itself reports that once.
class Bitmaps {
public:
    virtual ~Bitmaps() = default;
    virtual QImage load(const QString& path) = 0;
};

} // namespace zornalit
