#pragma once

#include <QString>

#include <functional>

namespace zornalit::testing {

struct ChildRun {
    bool finished = false; // the child ran to its end
    bool result = false;   // what the body returned
    QString why;           // what it said
};

// Runs body in a forked child after prepare (which may change the child's
// limits or user; false stops the child), so that nothing it changes leaks
// into the test process.
ChildRun runInChild(const std::function<bool()>& prepare, const std::function<bool(QString*)>& body);

// Runs body in a child whose files may not grow past limitBytes, the way a
// full disk stops them (SIGXFSZ ignored, so writes fail with EFBIG).
ChildRun runWithFileSizeLimit(long long limitBytes, const std::function<bool(QString*)>& body);

} // namespace zornalit::testing
