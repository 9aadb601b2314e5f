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

    // The same in two steps, for a picture needed before its turn to be
    // reported: a null image always comes with its reason in problem (left
    // empty on success), and report() tells it, as load() would have, when
    // its turn comes.
    virtual QImage loadUnreported(const QString& path, QString& problem) = 0;
    virtual void report(const QString& path, const QString& problem) = 0;
};

} // namespace zornalit
