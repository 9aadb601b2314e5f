#include "ProcessEnd.h"

#include <QtGlobal>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zornalit {

int finishProcess(int status)
{
#ifdef Q_OS_WIN
    std::fflush(nullptr);
    ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(status));
#endif
    return status;
}

} // namespace zornalit
