#pragma once

#include "platform/Bitmaps.h"

#include <QImage>

namespace zornalit {

// Reads picture files with Qt's image readers (Windows BMP among them).
class QtBitmaps : public Bitmaps {
public:
    QImage load(const QString& path) override;
};

} // namespace zornalit
