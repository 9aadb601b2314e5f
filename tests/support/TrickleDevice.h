#pragma once

// Gives its bytes at most step at a time, as a pipe or a slow device may.
// Once they are used up it ends, or, given an endFailure, fails with that
// reason. Sequential like a pipe, or random access like a file.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <algorithm>
#include <cstring>
#include <limits>

namespace zornalit::testing {

class TrickleDevice : public QIODevice {
public:
    enum class Access { Sequential, RandomAccess };
    static constexpr qint64 noLimit = std::numeric_limits<qint64>::max();

    TrickleDevice(QByteArray bytes, qint64 step, Access access = Access::Sequential)
        : m_bytes(std::move(bytes))
        , m_step(step)
        , m_access(access)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return m_access == Access::Sequential; }
    QString endFailure;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 at = isSequential() ? m_read : pos();
        if (at >= m_bytes.size()) {
            if (!endFailure.isEmpty()) {
                setErrorString(endFailure);
                return -1;
            }
            return 0;
        }
        const qint64 count = std::min({maxSize, m_step, m_bytes.size() - at});
        std::memcpy(data, m_bytes.constData() + at, static_cast<std::size_t>(count));
        m_read += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_step;
    Access m_access;
    qint64 m_read = 0;
};

} // namespace zornalit::testing
