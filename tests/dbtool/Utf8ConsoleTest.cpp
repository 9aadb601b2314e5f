#include "dbtool/Utf8Console.h"

#include <QtGlobal>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zornalit::dbtool {
namespace {

// The console's code page is the program's only while it runs: a Russian
// batch file run next in the same console must read as before.
TEST(Utf8Console, GivesTheConsoleItsCodePageBack)
{
#ifndef Q_OS_WIN
    GTEST_SKIP() << "only a Windows console has a code page to set and give back";
#else
    constexpr UINT russianConsole = 866;
    // A test program started without a console gets one of its own.
    const bool ownConsole = ::GetConsoleOutputCP() == 0 && ::AllocConsole();
    const UINT before = ::GetConsoleOutputCP();
    if (before == 0 || !::SetConsoleOutputCP(russianConsole))
        GTEST_SKIP() << "this test program runs without a console, and could not make one";
    {
        const Utf8Console console;
        EXPECT_EQ(::GetConsoleOutputCP(), UINT(CP_UTF8));
    }
    EXPECT_EQ(::GetConsoleOutputCP(), russianConsole);
    ::SetConsoleOutputCP(before);
    if (ownConsole)
        ::FreeConsole();
#endif
}

} // namespace
} // namespace zornalit::dbtool
