#pragma once

#include "platform/Platform.h"

#include <memory>

namespace zornalit {

// The real platform: Qt widgets, files, processes, clipboard and audio,
// over the program folder given. Needs a QApplication to exist for as long
// as it does.
class QtPlatform {
public:
    explicit QtPlatform(const QString& programFolder);
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform platform();

private:
    struct Services;
    std::unique_ptr<Services> m_services;
};

} // namespace zornalit
