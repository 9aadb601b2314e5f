#include "QtFiles.h"

#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <functional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zornalit {

namespace {

void tell(QString* why, const QString& text)
{
    if (why)
        *why = text;
}

QString readFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось открыть файл «%1»: %2").arg(path, reason);
}

QString writeFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось записать файл «%1»: %2").arg(path, reason);
}

QString systemReason(const QFileDevice& file)
{
    const QString system = file.errorString();
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("не хватает места на диске (%1)").arg(system);
    case QFileDevice::PermissionsError:
        return QStringLiteral("нет прав доступа (%1)").arg(system);
    case QFileDevice::ReadError:
        return QStringLiteral("ошибка чтения (%1)").arg(system);
    case QFileDevice::WriteError:
        return QStringLiteral("ошибка записи (%1)").arg(system);
    case QFileDevice::RenameError:
        return QStringLiteral("не удалось заменить старый файл новым (%1)").arg(system);
    default:
        return system;
    }
}

// After a failed write Qt often knows no more than "Unknown error"; the
// system's own error number, taken right after the failure, says more.
QString writeReason(const QFileDevice& file, int savedErrno)
{
    if (savedErrno == ENOSPC)
        return QStringLiteral("не хватает места на диске");
    switch (file.error()) {
    case QFileDevice::ResourceError:
    case QFileDevice::PermissionsError:
    case QFileDevice::WriteError:
    case QFileDevice::RenameError:
        if (savedErrno == 0)
            return systemReason(file);
        break;
    default:
        break;
    }
    if (savedErrno != 0)
        return QStringLiteral("ошибка записи (%1)").arg(QString::fromLocal8Bit(std::strerror(savedErrno)));
    return systemReason(file);
}

// Why a new file cannot even be started at path, judged from its folder
// and from what stands at path now; empty when nothing is known to be wrong.
QString writeObstacle(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("на его месте находится папка");
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("папка «%1» не существует").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable())
        return QStringLiteral("нет прав на запись в папку «%1»").arg(QDir::toNativeSeparators(folder.filePath()));
    return {};
}

// Writes a whole new file at path through fill(); the old file, if any,
// stays untouched unless everything was written and flushed.
bool writeWhole(const QString& path, const std::function<bool(QSaveFile&, QString*)>& fill, QString* why)
{
    if (const QString obstacle = writeObstacle(path); !obstacle.isEmpty()) {
        tell(why, writeFailure(path, obstacle));
        return false;
    }
    QSaveFile file(path);
    // Writing straight into the target would destroy it on a half-done write.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        tell(why, writeFailure(path, systemReason(file)));
        return false;
    }
    if (!fill(file, why)) {
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        tell(why, writeFailure(path, writeReason(file, errno)));
        return false;
    }
    return true;
}

bool writeAll(QSaveFile& file, const char* data, qint64 size, QString* why)
{
    errno = 0;
    if (file.write(data, size) != size) {
        tell(why, writeFailure(file.fileName(), writeReason(file, errno)));
        return false;
    }
    return true;
}

std::unique_ptr<QFile> openRegular(const QString& path, QString* why)
{
    if (const QString problem = regularFileProblem(path); !problem.isEmpty()) {
        tell(why, readFailure(path, problem));
        return nullptr;
    }
    auto file = std::make_unique<QFile>(path);
#ifdef Q_OS_UNIX
    // The file may have been swapped for a FIFO since it was looked at:
    // open without waiting, and check what was really opened.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        tell(why, readFailure(path, QString::fromLocal8Bit(std::strerror(errno))));
        return nullptr;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        tell(why, readFailure(path, QStringLiteral("это не обычный файл")));
        return nullptr;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (!file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        tell(why, readFailure(path, systemReason(*file)));
        return nullptr;
    }
#else
    if (!file->open(QIODevice::ReadOnly)) {
        tell(why, readFailure(path, systemReason(*file)));
        return nullptr;
    }
#endif
    return file;
}

} // namespace

std::unique_ptr<QIODevice> QtFiles::openForReading(const QString& path, QString* why)
{
    return openRegular(path, why);
}

bool QtFiles::replaceContents(const QString& path, const QByteArray& bytes, QString* why)
{
    return writeWhole(
        path, [&](QSaveFile& file, QString* reason) { return writeAll(file, bytes.constData(), bytes.size(), reason); },
        why);
}

bool QtFiles::replaceContents(const QString& path, const ContentWriter& write, QString* why)
{
    return writeWhole(path, [&](QSaveFile& file, QString* reason) { return write(file, reason); }, why);
}

bool QtFiles::copyReplacing(const QString& from, const QString& to, QString* why)
{
    const std::unique_ptr<QFile> source = openRegular(from, why);
    if (!source)
        return false;
    const auto copy = [&](QSaveFile& file, QString* reason) {
        QByteArray chunk(64 * 1024, Qt::Uninitialized);
        for (;;) {
            const qint64 got = source->read(chunk.data(), chunk.size());
            if (got < 0) {
                tell(reason, QStringLiteral("Не удалось прочитать файл «%1»: %2")
                                 .arg(from, systemReason(*source)));
                return false;
            }
            if (got == 0)
                return true;
            if (!writeAll(file, chunk.constData(), got, reason))
                return false;
        }
    };
    return writeWhole(to, copy, why);
}

bool QtFiles::remove(const QString& path, QString* why)
{
    const QFileInfo info(path);
    const auto failure = [&](const QString& reason) {
        tell(why, QStringLiteral("Не удалось удалить файл «%1»: %2").arg(path, reason));
        return false;
    };
    if (!info.exists() && !info.isSymLink())
        return failure(QStringLiteral("файл не найден"));
    if (info.isDir() && !info.isSymLink())
        return failure(QStringLiteral("это папка, а не файл"));
    QFile file(path);
    if (!file.remove())
        return failure(systemReason(file));
    return true;
}

bool QtFiles::exists(const QString& path) const
{
    return QFileInfo::exists(path);
}

} // namespace zornalit
