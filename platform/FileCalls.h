#pragma once

#include <QString>
#include <QtGlobal>

namespace zornalit {

// What went wrong in one call on a file, as far as the messages tell cases
// apart, with the system's own error number for the cases they do not.
struct FileError {
    enum class Kind {
        None,
        // An empty name: nothing was asked for.
        NoName,
        NotFound,
        NoPermission,
        NoSpace,
        TooLarge,
        ReadOnlyDisk,
        Folder,
        NotRegular,
        Link,
        // A file with more than one name: other names may lie outside the
        // program folder, and writing it in place would change them too.
        HardLinked,
        AlreadyExists,
        NameTooLong,
        InputOutput,
        Other,
    };
    Kind kind = Kind::None;
    int number = 0;
};

// What stands at a path, the path's last part taken as it is: a link is
// reported as a link, never as what it points to.
enum class PathKind { Missing, Regular, Link, Folder, Other };

// The few system calls the file layer is made of, one step each, so that
// every one of them can be made to fail in tests. Handles are the C
// library's file descriptors; -1 means none. A failed call fills *error.
class FileCalls {
public:
    virtual ~FileCalls() = default;

    virtual PathKind kindOf(const QString& path) const = 0;

    // Opens a regular file for reading, without ever waiting on a FIFO.
    virtual int openForReading(const QString& path, FileError* error) = 0;
    // Creates a file that must not exist yet, not even as a link. Until it
    // is renamed or removed through these calls, other instances of the
    // program can tell that it is in progress.
    virtual int createNew(const QString& path, FileError* error) = 0;
    // Opens an existing regular file for writing over its bytes, never
    // through a link, never one with other names (hard links), and without
    // emptying it first.
    virtual int openForRewrite(const QString& path, FileError* error) = 0;

    // Bytes read, 0 at the end, -1 on a failure.
    virtual qint64 read(int handle, char* data, qint64 size, FileError* error) = 0;
    // Writes all of data or fails.
    virtual bool write(int handle, const char* data, qint64 size, FileError* error) = 0;
    virtual bool seek(int handle, qint64 position, FileError* error) = 0;
    virtual qint64 size(int handle) const = 0;
    virtual bool truncate(int handle, qint64 size, FileError* error) = 0;
    // Waits until what was written is on the disk.
    virtual bool sync(int handle, FileError* error) = 0;
    virtual bool close(int handle, FileError* error) = 0;

    // Puts from in the place of to in one step; a link at to is replaced
    // itself, never followed.
    virtual bool rename(const QString& from, const QString& to, FileError* error) = 0;
    // Waits until the folder's names are on the disk, so that a rename in it
    // outlives a power cut.
    virtual bool syncFolder(const QString& folder, FileError* error) = 0;
    // Removes a file or a link (never what a link points to).
    virtual bool remove(const QString& path, FileError* error) = 0;
    // Removes what an instance of the program left behind when it was cut
    // short, unless one may still be using it: a file in progress (see
    // createNew), or one changed less than quietSeconds ago. A link is
    // removed itself; a folder or anything else not a regular file stays.
    // True when it was removed; false when it stays, with *error filled
    // only if a call failed.
    virtual bool removeUnused(const QString& path, int quietSeconds, FileError* error) = 0;
};

} // namespace zornalit
