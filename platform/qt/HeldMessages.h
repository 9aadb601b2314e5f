#pragma once

#include <QtGlobal>

#include <functional>

namespace zornalit {

// Holds back what Qt writes to its log from this thread while a step runs
// whose complaints may turn out to be noise (looking for a sound server,
// connecting to the display). Afterwards they are passed on, or dropped
// with drop(). Only one hold is active at a time.
class HeldMessages {
public:
    // onFatal runs instead of Qt's abort when a fatal message arrives
    // meanwhile; it must not return. Without it a fatal message goes on to
    // the handler before, which aborts.
    explicit HeldMessages(std::function<void()> onFatal = {});
    ~HeldMessages(); // passes on whatever is still held
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

    void drop();

private:
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text);
};

} // namespace zornalit
