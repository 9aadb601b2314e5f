#pragma once

#include <functional>

class QWidget;

namespace zornalit {

// Runs step once, on the turn of the event loop after the widget's first
// paint: work the first picture on screen does not need waits until it is
// there, and still comes before any input that follows.
void runAfterFirstPaint(QWidget& widget, std::function<void()> step);

} // namespace zornalit
