#pragma once

#include "platform/files/SystemFileCalls.h"

#include <QStringList>

namespace zornalit::testing {

// The real file calls, counted, with the Nth one made to fail: the way to
// walk a whole operation through every point where the disk can let it
// down. Each call's name and path or size goes into steps, in order.
class FailingFileCalls : public SystemFileCalls {
public:
    // 1 fails the first counted call; 0 lets every call through.
    int failAt = 0;
    // Every later call fails too, as on a disk that has gone away.
    bool failFromThenOn = false;
    // Creating a file fails for want of rights, as in a read-only folder.
    bool refuseNewFiles = false;
    // These calls act as Windows does while another program holds the
    // target of a rename: they say renames are refused that way, and refuse
    // the next heldRenames renames over an existing file as "in use".
    bool renamesHeld = false;
    int heldRenames = 0;

    QStringList steps;
    bool fired() const { return m_fired; }

    int openForReading(const QString& path, FileError* error) override;
    int createNew(const QString& path, FileError* error) override;
    int openForRewrite(const QString& path, FileError* error) override;
    qint64 read(int handle, char* data, qint64 size, FileError* error) override;
    bool write(int handle, const char* data, qint64 size, FileError* error) override;
    bool seek(int handle, qint64 position, FileError* error) override;
    bool truncate(int handle, qint64 size, FileError* error) override;
    bool sync(int handle, FileError* error) override;
    bool close(int handle, FileError* error) override;
    bool rename(const QString& from, const QString& to, FileError* error) override;
    bool renamesRefusedWhileHeld() const override { return renamesHeld; }
    bool syncFolder(const QString& folder, FileError* error) override;
    bool remove(const QString& path, FileError* error) override;

private:
    // Counts a call; true when this one is to fail, with *error filled.
    bool failsNow(const QString& step, FileError::Kind kind, FileError* error);

    bool m_fired = false;
};

} // namespace zornalit::testing
