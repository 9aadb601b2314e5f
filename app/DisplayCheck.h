#pragma once

#include <functional>

namespace zornalit {

// Told in place of Qt's abort when a Linux session has no display at all.
inline constexpr const char* noDisplayMessage =
    "Зорналит: нет графического дисплея (не заданы DISPLAY и WAYLAND_DISPLAY), программу можно запустить только на рабочем столе.";

// Whether a window can be expected to open: on Linux a display must be named
// in the environment, unless a Qt platform is chosen explicitly (offscreen,
// for one). isSet tells whether an environment variable holds a value.
bool displayAvailable(const std::function<bool(const char* name)>& isSet);

} // namespace zornalit
