#pragma once

#include "platform/Bitmaps.h"

#include <QImage>

namespace zornalit {

// Reads picture files with Qt's image readers (Windows BMP among them).
// A failure is reported as one line on the error output.
class QtBitmaps : public Bitmaps {
public:
    QImage loadUnreported(const QString& path, QString& problem) override;
    void report(const QString& path, const QString& problem) override;
};

} // namespace zornalit
