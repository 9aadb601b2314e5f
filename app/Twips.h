#pragma once

#include <QRect>

namespace zornalit {

// The window's geometry is kept in twips, as the layout was designed; fifteen
// twips make one pixel at 96 dots per inch. Qt scales the pixels further on
// high-density screens.
constexpr int twipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips)
{
    return twips / twipsPerPixel;
}

constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width), pixelsFromTwips(height));
}

} // namespace zornalit
