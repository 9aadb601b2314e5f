#include "Utf8Console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <atomic>
#include <cstdlib>

#include <windows.h>

namespace zornalit::dbtool {

namespace {

// The code page to give back; 0 once given back, or when there was none
// (no console).
std::atomic<UINT> savedCodePage{0};

void giveBack()
{
    if (const UINT codePage = savedCodePage.exchange(0))
        ::SetConsoleOutputCP(codePage);
}

BOOL WINAPI giveBackOnSignal(DWORD)
{
    giveBack();
    // The system's own handling goes on: the program ends as it would.
    return FALSE;
}

} // namespace

Utf8Console::Utf8Console()
{
    const UINT codePage = ::GetConsoleOutputCP();
    if (codePage == 0 || !::SetConsoleOutputCP(CP_UTF8))
        return;
    savedCodePage = codePage;
    static const bool registered = std::atexit(giveBack) == 0;
    Q_UNUSED(registered);
    ::SetConsoleCtrlHandler(giveBackOnSignal, TRUE);
}

Utf8Console::~Utf8Console()
{
    ::SetConsoleCtrlHandler(giveBackOnSignal, FALSE);
    giveBack();
}

} // namespace zornalit::dbtool

#else

namespace zornalit::dbtool {

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

} // namespace zornalit::dbtool

#endif
