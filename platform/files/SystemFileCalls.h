#pragma once

#include "platform/FileCalls.h"

#include <QHash>

namespace zornalit {

// The file calls of the operating system: POSIX, or the C runtime and the
// Win32 calls on Windows.
class SystemFileCalls : public FileCalls {
public:
    SystemFileCalls() = default;
    ~SystemFileCalls() override;
    SystemFileCalls(const SystemFileCalls&) = delete;
    SystemFileCalls& operator=(const SystemFileCalls&) = delete;

    PathKind kindOf(const QString& path) const override;
    int openForReading(const QString& path, FileError* error) override;
    int createNew(const QString& path, FileError* error) override;
    int openForRewrite(const QString& path, FileError* error) override;
    qint64 read(int handle, char* data, qint64 size, FileError* error) override;
    bool write(int handle, const char* data, qint64 size, FileError* error) override;
    bool seek(int handle, qint64 position, FileError* error) override;
    qint64 size(int handle) const override;
    bool truncate(int handle, qint64 size, FileError* error) override;
    bool sync(int handle, FileError* error) override;
    bool close(int handle, FileError* error) override;
    bool rename(const QString& from, const QString& to, FileError* error) override;
    bool renamesRefusedWhileHeld() const override;
    bool syncFolder(const QString& folder, FileError* error) override;
    bool remove(const QString& path, FileError* error) override;
    bool removeUnused(const QString& path, int quietSeconds, FileError* error) override;
    int leastQuietSeconds() const override;
    bool clearReadOnly(const QString& path, FileError* error) override;

private:
#ifndef Q_OS_WIN
    // A second descriptor of each new file, holding its lock past the
    // close of the first, until the file is renamed or removed.
    QHash<QString, int> m_inProgress;
    bool holdInProgress(const QString& path, int handle, FileError* error);
    void letGo(const QString& path);
#endif
};

// The kind of a C library error number (errno).
FileError fileErrorOfErrno(int number);

// The kind of a Windows error code (GetLastError, _doserrno); Kind::Other
// for a code the messages have no words of their own for. Plain numbers,
// so that the mapping is the same, and tested, everywhere.
FileError fileErrorOfWindowsCode(quint32 code);

} // namespace zornalit
