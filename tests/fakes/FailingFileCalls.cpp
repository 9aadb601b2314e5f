#include "FailingFileCalls.h"

#include <QFileInfo>

#include <cerrno>

namespace zornalit::testing {

namespace {

QString named(const char* step, const QString& path)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(step), QFileInfo(path).fileName());
}

} // namespace

bool FailingFileCalls::failsNow(const QString& step, FileError::Kind kind, FileError* error)
{
    steps << step;
    const int count = int(steps.size());
    const bool fails = failAt > 0 && (count == failAt || (failFromThenOn && count > failAt));
    if (!fails)
        return false;
    m_fired = true;
    steps.last() += QStringLiteral(" (fails)");
    if (error)
        *error = {kind, kind == FileError::Kind::NoSpace ? ENOSPC : EIO};
    return true;
}

int FailingFileCalls::openForReading(const QString& path, FileError* error)
{
    if (failsNow(named("open", path), FileError::Kind::InputOutput, error))
        return -1;
    return SystemFileCalls::openForReading(path, error);
}

int FailingFileCalls::createNew(const QString& path, FileError* error)
{
    if (failsNow(named("create", path), FileError::Kind::NoSpace, error))
        return -1;
    if (refuseNewFiles) {
        if (error)
            *error = {FileError::Kind::NoPermission, EACCES};
        return -1;
    }
    return SystemFileCalls::createNew(path, error);
}

int FailingFileCalls::openForRewrite(const QString& path, FileError* error)
{
    if (failsNow(named("rewrite", path), FileError::Kind::InputOutput, error))
        return -1;
    return SystemFileCalls::openForRewrite(path, error);
}

qint64 FailingFileCalls::read(int handle, char* data, qint64 size, FileError* error)
{
    if (failsNow(QStringLiteral("read"), FileError::Kind::InputOutput, error))
        return -1;
    return SystemFileCalls::read(handle, data, size, error);
}

bool FailingFileCalls::write(int handle, const char* data, qint64 size, FileError* error)
{
    if (failsNow(QStringLiteral("write %1").arg(size), FileError::Kind::NoSpace, error)) {
        // A disk that fills up takes part of the bytes before it refuses.
        FileError ignored;
        SystemFileCalls::write(handle, data, size / 2, &ignored);
        return false;
    }
    return SystemFileCalls::write(handle, data, size, error);
}

bool FailingFileCalls::seek(int handle, qint64 position, FileError* error)
{
    if (failsNow(QStringLiteral("seek %1").arg(position), FileError::Kind::InputOutput, error))
        return false;
    return SystemFileCalls::seek(handle, position, error);
}

bool FailingFileCalls::truncate(int handle, qint64 size, FileError* error)
{
    if (failsNow(QStringLiteral("truncate %1").arg(size), FileError::Kind::InputOutput, error))
        return false;
    return SystemFileCalls::truncate(handle, size, error);
}

bool FailingFileCalls::sync(int handle, FileError* error)
{
    if (failsNow(QStringLiteral("sync"), FileError::Kind::InputOutput, error))
        return false;
    return SystemFileCalls::sync(handle, error);
}

bool FailingFileCalls::close(int handle, FileError* error)
{
    // The descriptor goes either way, as it does with the real call.
    if (failsNow(QStringLiteral("close"), FileError::Kind::InputOutput, error)) {
        FileError ignored;
        SystemFileCalls::close(handle, &ignored);
        return false;
    }
    return SystemFileCalls::close(handle, error);
}

bool FailingFileCalls::rename(const QString& from, const QString& to, FileError* error)
{
    if (failsNow(named("rename", from) + QStringLiteral(" -> ") + QFileInfo(to).fileName(),
            FileError::Kind::InputOutput, error))
        return false;
    if (renamesHeld && heldRenames > 0 && QFileInfo::exists(to)) {
        --heldRenames;
        if (error)
            *error = {FileError::Kind::Busy, EBUSY};
        return false;
    }
    return SystemFileCalls::rename(from, to, error);
}

bool FailingFileCalls::syncFolder(const QString& folder, FileError* error)
{
    if (failsNow(named("syncfolder", folder), FileError::Kind::InputOutput, error))
        return false;
    return SystemFileCalls::syncFolder(folder, error);
}

bool FailingFileCalls::remove(const QString& path, FileError* error)
{
    if (failsNow(named("remove", path), FileError::Kind::InputOutput, error))
        return false;
    return SystemFileCalls::remove(path, error);
}

} // namespace zornalit::testing
