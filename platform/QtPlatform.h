#pragma once

#include "Platform.h"

#include <memory>

namespace zornalit {

// The real platform: Qt widgets, files, processes, clipboard and audio.
// Needs a QApplication to exist for as long as it does.
class QtPlatform {
public:
    QtPlatform();
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform platform();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

} // namespace zornalit
