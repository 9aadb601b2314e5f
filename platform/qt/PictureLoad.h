#pragma once

#include "platform/Bitmaps.h"

#include <QImage>

namespace zornalit {

// Reads a picture and reports a failure once: a missing or unreadable file
// gives a null image.
QImage loadPicture(Bitmaps& bitmaps, const QString& path);

} // namespace zornalit
