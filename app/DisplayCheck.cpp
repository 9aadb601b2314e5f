#include "DisplayCheck.h"

#include <QtGlobal>

namespace zornalit {

bool displayAvailable(const std::function<bool(const char* name)>& isSet)
{
#if defined(Q_OS_LINUX)
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
#else
    Q_UNUSED(isSet);
    return true;
#endif
}

} // namespace zornalit
