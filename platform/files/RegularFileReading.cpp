#include "RegularFileReading.h"

#include "SystemFileCalls.h"

namespace zornalit {

namespace {

// The calls are a base so that they are made before, and go after, the
// device that uses them.
struct OwnCalls {
    SystemFileCalls calls;
};

class OwningHandleDevice : private OwnCalls, public HandleDevice {
public:
    explicit OwningHandleDevice(int handle)
        : HandleDevice(OwnCalls::calls, handle, QIODevice::ReadOnly)
    {
    }
};

int openHandle(FileCalls& calls, const QString& path, FileError* error)
{
    FileError ignored;
    FileError& why = error ? *error : ignored;
    if (path.isEmpty()) {
        why = {FileError::Kind::NoName, 0};
        return -1;
    }
    return calls.openForReading(path, &why);
}

} // namespace

std::unique_ptr<HandleDevice> openRegularFile(FileCalls& calls, const QString& path, FileError* error)
{
    const int handle = openHandle(calls, path, error);
    if (handle < 0)
        return nullptr;
    return std::make_unique<HandleDevice>(calls, handle, QIODevice::ReadOnly);
}

std::unique_ptr<QIODevice> openRegularFile(const QString& path, FileError* error)
{
    // A descriptor belongs to the process, not to the calls that opened it:
    // the device's own calls go on with it.
    SystemFileCalls opener;
    const int handle = openHandle(opener, path, error);
    if (handle < 0)
        return nullptr;
    return std::make_unique<OwningHandleDevice>(handle);
}

} // namespace zornalit
