#include "BlockCopy.h"

#include "platform/DeviceFailure.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace zornalit {

namespace {

constexpr char cr = '\r';
constexpr char lf = '\n';

// Splits the bytes of the block into lines as they arrive, read after read,
// and writes each piece of a line as soon as it is seen.
class LineCopier {
public:
    explicit LineCopier(QIODevice& report)
        : m_report(report)
    {
    }

    // Copies the lines in bytes; false when a write fails.
    bool take(const char* bytes, qsizetype size)
    {
        const char* at = bytes;
        const char* const end = bytes + size;
        while (at < end && !m_done) {
            if (m_afterCr) {
                m_afterCr = false;
                if (*at == lf) {
                    ++at; // the LF of a CR LF
                    continue;
                }
            }
            if (!m_inLine) {
                if (!m_firstLine && *at == '@') {
                    m_done = true;
                    break;
                }
                m_firstLine = false;
                m_inLine = true;
            }
            const void* found = std::memchr(at, cr, static_cast<std::size_t>(end - at));
            const char* lineEnd = found ? static_cast<const char*>(found) : end;
            if (!write(at, lineEnd - at))
                return false;
            at = lineEnd;
            if (found) {
                if (!write("\r\n", 2))
                    return false;
                ++at;
                m_inLine = false;
                m_afterCr = true;
            }
        }
        return true;
    }

    // Ends the last line when the file ends in its middle.
    bool finish() { return !m_inLine || write("\r\n", 2); }

    bool done() const { return m_done; }

private:
    bool write(const char* bytes, qsizetype size)
    {
        return size == 0 || m_report.write(bytes, size) == size;
    }

    QIODevice& m_report;
    bool m_firstLine = true; // the header line, which is copied whatever it starts with
    bool m_inLine = false;   // part of a line is written, its line end is not
    bool m_afterCr = false;  // a CR ended the bytes before; an LF now belongs to it
    bool m_done = false;     // the terminator line was reached
};

} // namespace

BlockCopy copyBlock(QIODevice& database, qint64 blockStart, QIODevice& report, qsizetype chunkBytes)
{
    const auto readFailed = [&database] {
        return BlockCopy{BlockCopy::Result::ReadFailed, readFailureReason(database)};
    };
    if (database.pos() != blockStart && !database.seek(blockStart))
        return readFailed();

    LineCopier copier(report);
    QByteArray buffer(std::max<qsizetype>(chunkBytes, 1), Qt::Uninitialized);
    while (!copier.done()) {
        const qint64 got = database.read(buffer.data(), buffer.size());
        if (got < 0)
            return readFailed();
        if (got == 0)
            break;
        if (!copier.take(buffer.constData(), got))
            return BlockCopy{BlockCopy::Result::WriteFailed, writeFailureReason(report)};
    }
    if (!copier.finish())
        return BlockCopy{BlockCopy::Result::WriteFailed, writeFailureReason(report)};
    return {};
}

} // namespace zornalit
