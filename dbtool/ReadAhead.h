#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace zornalit::dbtool {

// Reads a device ahead of its reader, in a thread of its own, a few chunks
// at a time: copying the file out of the system's cache then goes on beside
// the work on the chunk before, which is most of the time of a check on a
// large file. It holds at most depth chunks besides the reader's own. With
// a depth of 0, or where no thread can be started, it reads when asked.
//
// The device must not be used by anyone else while this reads it.
class ReadAhead {
public:
    ReadAhead(QIODevice& device, qsizetype chunkBytes, int depth = 3);
    ~ReadAhead();

    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Puts the next chunk in place of chunk, whose buffer is taken back to
    // be read into again, and gives its size: 0 at the end of the device,
    // -1 after a read error.
    qint64 next(QByteArray& chunk);

    // Why the read failed (see readFailureReason).
    QString errorString() const;

private:
    struct Filled {
        QByteArray bytes;
        qint64 size = 0;
    };

    void run();
    Filled readOne(QByteArray buffer);
    // Notes the end or the error a read met; with the lock held.
    void noteEnd(const Filled& filled);

    QIODevice& m_device;
    const qsizetype m_chunkBytes;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Filled> m_filled;
    std::vector<QByteArray> m_free;
    bool m_stop = false;
    bool m_ended = false; // the end or an error has been read
    QString m_error;
    std::thread m_thread;
};

} // namespace zornalit::dbtool
