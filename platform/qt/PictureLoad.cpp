#include "PictureLoad.h"

namespace zornalit {

QImage loadPicture(Bitmaps& bitmaps, const QString& path)
{
    QString problem;
    QImage image = bitmaps.loadUnreported(path, problem);
    if (image.isNull())
        bitmaps.report(path, problem);
    return image;
}

} // namespace zornalit
