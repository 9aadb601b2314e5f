#include "DatabaseFile.h"

#include "platform/RegularFile.h"


#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace zornalit::dbtool {

namespace {

std::unique_ptr<QFile> failure(const QString& path, const QString& reason, QString* why)
{
    if (why)
        *why = QStringLiteral("Не удалось открыть файл «%1»: %2").arg(path, reason);
    return nullptr;
}

} // namespace

std::unique_ptr<QFile> openDatabase(const QString& path, QString* why)
{
    if (const QString problem = regularFileProblem(path); !problem.isEmpty())
        return failure(path, problem, why);
    auto file = std::make_unique<QFile>(path);
#ifdef Q_OS_UNIX
    // The file may have been swapped for a FIFO since it was looked at:
    // open without waiting, and check what was really opened.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return failure(path, QString::fromLocal8Bit(std::strerror(errno)), why);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return failure(path, QStringLiteral("это не обычный файл"), why);
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (!file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return failure(path, QStringLiteral("нет доступа"), why);
    }
#else
    if (!file->open(QIODevice::ReadOnly))
        return failure(path, QStringLiteral("нет доступа"), why);
#endif
    return file;
}

QString readFailure(const QString& path, const QString& deviceError)
{
    // The device's own words may be English; the line reader's are not.
    const QString plain = QStringLiteral("ошибка чтения");
    const QString reason = deviceError.startsWith(plain) ? deviceError : QStringLiteral("%1 (%2)").arg(plain, deviceError);
    return QStringLiteral("Не удалось прочитать файл «%1»: %2").arg(path, reason);
}

} // namespace zornalit::dbtool
