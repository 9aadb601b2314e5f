#pragma once

#include <QString>

namespace zornalit {

struct LaunchOutcome {
    bool started = false;
    // What was tried, in words an operator can pass on to an administrator
    // (the command and its argument, or the list of editors looked for).
    QString tried;
};

// Opens a text file in the desktop's plain-text editor, detached: the editor
// is never waited for, watched or closed.
class TextViewer {
public:
    virtual ~TextViewer() = default;
    virtual LaunchOutcome open(const QString& path) = 0;
};

} // namespace zornalit
