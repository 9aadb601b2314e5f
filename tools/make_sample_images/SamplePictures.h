#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace zornalit::samples {

// One picture of the program folder: its file name, its size in pixels (the
// visible inside of the control that shows it) and how it is drawn.
struct SamplePicture {
    QString fileName;
    QSize size;
    std::function<void(QImage&)> draw;
};

// The seven sample pictures, in the order the program loads them.
std::vector<SamplePicture> samplePictures();

} // namespace zornalit::samples
