#pragma once

// A random-access device over bytes in memory that fails once a given number
// of bytes has gone through it: reads after readLimit bytes of the content,
// writes after writeLimit bytes written (the write that crosses it is cut
// short). A negative limit never fails.

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace zornalit::testing {

class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(QByteArray content = {}, qint64 readLimit = -1, qint64 writeLimit = -1)
        : m_content(std::move(content))
        , m_readLimit(readLimit)
        , m_writeLimit(writeLimit)
    {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }

    qint64 size() const override { return m_content.size(); }
    const QByteArray& written() const { return m_written; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 at = pos();
        // The end of the content is an end, not a failure.
        if (m_readLimit >= 0 && at >= m_readLimit && at < m_content.size()) {
            setErrorString(QStringLiteral("сбой чтения"));
            return -1;
        }
        qint64 count = std::min(maxSize, m_content.size() - at);
        if (m_readLimit >= 0)
            count = std::min(count, m_readLimit - at);
        if (count <= 0)
            return 0;
        std::memcpy(data, m_content.constData() + at, static_cast<std::size_t>(count));
        return count;
    }

    qint64 writeData(const char* data, qint64 maxSize) override
    {
        // Takes what still fits, as a full disk does, then refuses.
        qint64 count = maxSize;
        if (m_writeLimit >= 0)
            count = std::min(count, m_writeLimit - m_written.size());
        if (count <= 0 && maxSize > 0) {
            setErrorString(QStringLiteral("сбой записи"));
            return -1;
        }
        m_written.append(data, count);
        return count;
    }

private:
    QByteArray m_content;
    qint64 m_readLimit;
    qint64 m_writeLimit;
    QByteArray m_written;
};

} // namespace zornalit::testing
