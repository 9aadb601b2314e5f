#include "HandleDevice.h"

#include "platform/FileErrorText.h"

namespace zornalit {

namespace {

// Large enough that a report or a sound goes out in a few calls, small
// enough to cost nothing to hold.
constexpr qint64 gatherLimit = 64 * 1024;

} // namespace

HandleDevice::HandleDevice(FileCalls& calls, int handle, OpenMode mode)
    : m_calls(calls)
    , m_handle(handle)
{
    // Writes are gathered here, not in QIODevice's buffer, so that none of
    // them can be lost on the way without this device knowing; readers of
    // the database read in large chunks of their own.
    QIODevice::open(mode | Unbuffered);
}

HandleDevice::~HandleDevice()
{
    closeHandle();
}

qint64 HandleDevice::size() const
{
    return m_handle < 0 ? 0 : m_calls.size(m_handle);
}

bool HandleDevice::seek(qint64 position)
{
    if (m_handle < 0 || !flushGathered() || !QIODevice::seek(position))
        return false;
    FileError error;
    if (!m_calls.seek(m_handle, position, &error)) {
        keep(error);
        return false;
    }
    return true;
}

void HandleDevice::close()
{
    closeHandle();
    QIODevice::close();
}

bool HandleDevice::flushGathered()
{
    if (failed())
        return false;
    if (m_gathered.isEmpty())
        return true;
    m_wroteAny = true;
    FileError error;
    const bool written = m_calls.write(m_handle, m_gathered.constData(), m_gathered.size(), &error);
    m_gathered.clear();
    if (!written)
        keep(error);
    return written;
}

bool HandleDevice::endHere()
{
    if (!flushGathered())
        return false;
    m_wroteAny = true;
    FileError error;
    if (!m_calls.truncate(m_handle, pos(), &error)) {
        keep(error);
        return false;
    }
    return true;
}

bool HandleDevice::syncToDisk()
{
    if (!flushGathered())
        return false;
    FileError error;
    if (!m_calls.sync(m_handle, &error)) {
        keep(error);
        return false;
    }
    return true;
}

bool HandleDevice::finish()
{
    flushGathered();
    const bool closed = closeHandle();
    QIODevice::close();
    return closed && !failed();
}

qint64 HandleDevice::readData(char* data, qint64 size)
{
    if (m_handle < 0)
        return -1;
    FileError error;
    const qint64 got = m_calls.read(m_handle, data, size, &error);
    if (got < 0)
        keep(error);
    return got;
}

qint64 HandleDevice::writeData(const char* data, qint64 size)
{
    if (m_handle < 0 || failed())
        return -1;
    if (m_gathered.size() + size > gatherLimit && !flushGathered())
        return -1;
    if (size >= gatherLimit) {
        m_wroteAny = true;
        FileError error;
        if (!m_calls.write(m_handle, data, size, &error)) {
            keep(error);
            return -1;
        }
        return size;
    }
    m_gathered.append(data, size);
    return size;
}

void HandleDevice::keep(const FileError& error)
{
    if (failed())
        return;
    m_error = error.kind == FileError::Kind::None ? FileError{FileError::Kind::Other, 0} : error;
    setErrorString(fileErrorReason(m_error));
}

bool HandleDevice::closeHandle()
{
    if (m_handle < 0)
        return true;
    FileError error;
    const bool closed = m_calls.close(m_handle, &error);
    m_handle = -1;
    if (!closed)
        keep(error);
    return closed;
}

} // namespace zornalit
