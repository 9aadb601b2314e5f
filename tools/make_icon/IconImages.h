#pragma once

#include "tools/make_icon/IcoFile.h"

#include <QByteArray>
#include <QList>

namespace zornalit::icon {

// The program's icon as Windows shows it: 16 and 32 pixels in the classic
// sixteen colours, 48 in true colour, 256 as PNG, all rendered from one
// SVG drawing. Empty when the drawing cannot be read.
QList<IcoImage> iconImages(const QByteArray& svg);

} // namespace zornalit::icon
