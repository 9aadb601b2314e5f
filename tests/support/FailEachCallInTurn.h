#pragma once

// Walks an operation through every point where the disk can let it down:
// the operation runs once for each file call of a clean run, with that call
// made to fail.

#include "fakes/FailingFileCalls.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>

namespace zornalit::testing {

// Runs operation once for each of the cleanRunCalls calls a clean run made,
// the failing one counted from 1, then lets every call through again. After
// each run, check sees the number of the failing call and the calls made,
// joined as a trace. A fatal failure in check ends the walk.
inline void failEachCallInTurn(FailingFileCalls& calls, qsizetype cleanRunCalls, const std::function<void()>& operation,
    const std::function<void(int failing, const QString& trace)>& check)
{
    for (int failing = 1; failing <= cleanRunCalls; ++failing) {
        calls.steps.clear();
        calls.failAt = failing;
        operation();
        check(failing, calls.steps.join(QStringLiteral(", ")));
        if (::testing::Test::HasFatalFailure())
            break;
    }
    calls.failAt = 0;
}

} // namespace zornalit::testing
