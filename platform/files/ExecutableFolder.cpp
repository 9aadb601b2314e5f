#include "platform/ExecutableFolder.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace zornalit {

namespace {

ExecutableFolder refused(const QString& problem)
{
    return ExecutableFolder{QString(), problem};
}

ExecutableFolder unknown(long code)
{
    return refused(
        QStringLiteral("не удалось узнать, в какой папке лежит программа (системная ошибка, код ошибки %1)").arg(code));
}

#ifdef Q_OS_WIN

// The module's file name comes in wide characters, which a QString holds
// one for one; the check only confirms that nothing was lost on the way.
ExecutableFolder folderOfExecutableWide(const std::wstring& executable)
{
    const std::wstring::size_type last = executable.find_last_of(L"\\/");
    if (last == std::wstring::npos)
        return unknown(ERROR_BAD_PATHNAME);
    const std::wstring folder = executable.substr(0, last == 2 && executable[1] == L':' ? last + 1 : last);
    const QString path = QString::fromStdWString(folder);
    if (path.toStdWString() != folder)
        return refused(QStringLiteral("имя папки программы «%1» не удаётся передать системе без искажений, "
                                      "а другой папки программа не использует; переименуйте папку")
                           .arg(path));
    if (const QString problem = windowsFolderNameProblem(path); !problem.isEmpty())
        return refused(problem);
    return ExecutableFolder{path, QString()};
}

#endif

} // namespace

QString windowsFolderNameProblem(const QString& folder)
{
    const QStringList names = QString(folder).replace(u'\\', u'/').split(u'/');
    for (const QString& name : names) {
        if (name == u'.' || name == QStringLiteral(".."))
            continue;
        if (name.endsWith(u'.') || name.endsWith(u' ')) {
            return QStringLiteral("в пути к папке программы «%1» есть имя папки «%2», которое оканчивается точкой "
                                  "или пробелом: Windows отбрасывает их и не находит в такой папке её файлов, "
                                  "а другой папки программа не использует; переименуйте папку")
                .arg(folder, name);
        }
    }
    return {};
}

ExecutableFolder folderOfExecutableBytes(const QByteArray& executable)
{
    const qsizetype last = executable.lastIndexOf('/');
    if (last < 0)
        return unknown(ENOENT);
    const QByteArray folder = last == 0 ? QByteArray("/") : executable.left(last);
    const QString path = QFile::decodeName(folder);
    if (QFile::encodeName(path) != folder) {
        return refused(QStringLiteral("в имени папки программы «%1» есть байты, которые не читаются как текст "
                                      "в кодировке UTF-8, поэтому её файлы не найти, а другой папки программа "
                                      "не использует; переименуйте папку")
                           .arg(path));
    }
    return ExecutableFolder{path, QString()};
}

ExecutableFolder findExecutableFolder()
{
#ifdef Q_OS_WIN
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (got == 0)
            return unknown(long(GetLastError()));
        if (got < name.size()) {
            name.resize(got);
            return folderOfExecutableWide(name);
        }
        // Cut short: long paths go beyond MAX_PATH.
        if (name.size() >= 32768)
            return unknown(ERROR_INSUFFICIENT_BUFFER);
        name.resize(name.size() * 2);
    }
#else
    QByteArray link(256, '\0');
    for (;;) {
        const ssize_t got = ::readlink("/proc/self/exe", link.data(), size_t(link.size()));
        if (got < 0)
            return unknown(errno);
        if (got < link.size()) {
            link.resize(got);
            return folderOfExecutableBytes(link);
        }
        // Possibly cut short: try again with room to spare.
        if (link.size() >= 1024 * 1024)
            return unknown(ENAMETOOLONG);
        link.resize(link.size() * 2);
    }
#endif
}

} // namespace zornalit
