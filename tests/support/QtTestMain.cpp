// Test entry for every suite: a QApplication on the offscreen platform, so
// real widgets can be built and driven without a display. On Windows the
// tests run on the desktop's own platform: the offscreen one has no fonts
// there, and the layout checks measure the texts in the real ones.

#include "platform/files/ProcessEnd.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

int runTests(int argc, char** argv)
{
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace

int main(int argc, char** argv)
{
    return zornalit::finishProcess(runTests(argc, argv));
}
