#include "ReadAhead.h"

#include "platform/DeviceFailure.h"

#include <system_error>

namespace zornalit::dbtool {

ReadAhead::ReadAhead(QIODevice& device, qsizetype chunkBytes, int depth)
    : m_device(device)
    , m_chunkBytes(std::max<qsizetype>(chunkBytes, 1))
{
    if (depth <= 0)
        return;
    for (int i = 0; i < depth; ++i)
        m_free.emplace_back(m_chunkBytes, Qt::Uninitialized);
    try {
        m_thread = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // No thread to be had: next() reads for itself.
    }
}

ReadAhead::~ReadAhead()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

ReadAhead::Filled ReadAhead::readOne(QByteArray buffer)
{
    if (buffer.size() != m_chunkBytes)
        buffer.resize(m_chunkBytes);
    const qint64 size = m_device.read(buffer.data(), m_chunkBytes);
    return {std::move(buffer), size};
}

void ReadAhead::noteEnd(const Filled& filled)
{
    if (filled.size > 0)
        return;
    m_ended = true;
    if (filled.size < 0)
        m_error = readFailureReason(m_device);
}

void ReadAhead::run()
{
    for (;;) {
        QByteArray buffer;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stop || !m_free.empty(); });
            if (m_stop)
                return;
            buffer = std::move(m_free.back());
            m_free.pop_back();
        }
        Filled filled = readOne(std::move(buffer));
        const bool last = filled.size <= 0;
        {
            const std::lock_guard lock(m_mutex);
            noteEnd(filled);
            m_filled.push_back(std::move(filled));
        }
        m_changed.notify_all();
        if (last)
            return;
    }
}

qint64 ReadAhead::next(QByteArray& chunk)
{
    Filled filled;
    {
        std::unique_lock lock(m_mutex);
        if (!m_thread.joinable()) {
            if (m_ended)
                return m_error.isEmpty() ? 0 : -1;
            filled = readOne(std::move(chunk));
            noteEnd(filled);
            chunk = std::move(filled.bytes);
            return filled.size;
        }
        // The chunk the reader is done with goes back first: the thread may
        // be waiting for a buffer to read the awaited chunk into.
        if (!chunk.isEmpty()) {
            m_free.push_back(std::move(chunk));
            chunk = QByteArray();
            m_changed.notify_all();
        }
        m_changed.wait(lock, [this] { return !m_filled.empty() || m_ended; });
        if (m_filled.empty())
            return m_error.isEmpty() ? 0 : -1;
        filled = std::move(m_filled.front());
        m_filled.pop_front();
    }
    chunk = std::move(filled.bytes);
    return filled.size;
}

QString ReadAhead::errorString() const
{
    const std::lock_guard lock(m_mutex);
    return m_error;
}

} // namespace zornalit::dbtool
