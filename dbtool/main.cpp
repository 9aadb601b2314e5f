// zornalit-db: checks the fault database by the rules the window reads it
// with, for the people who keep it. Qt Core only: no display needed.

#include "CommandLine.h"
#include "Utf8Console.h"
#include "platform/ExecutableFolder.h"
#include "platform/files/ProcessEnd.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void write(std::FILE* stream, QByteArrayView bytes)
{
    std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int run(int argc, char** argv)
{
    // UTF-8 on the console for as long as the program runs.
    const zornalit::dbtool::Utf8Console console;
#ifdef Q_OS_WIN
    // --raw bytes passed on untouched.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // The database is looked for in the program's own folder and nowhere
    // else: a folder that cannot be named stops the program here.
    const zornalit::ExecutableFolder folder = zornalit::findExecutableFolder();
    if (!folder.problem.isEmpty()) {
        write(stderr, QStringLiteral("zornalit-db: %1.\n").arg(folder.problem).toUtf8());
        return zornalit::dbtool::exitCode(zornalit::dbtool::ExitStatus::NoProgramFolder);
    }
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zornalit-db"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORNALIT_VERSION));

    const zornalit::dbtool::Terminal terminal{
        [](QByteArrayView bytes) { write(stdout, bytes); },
        [](QByteArrayView bytes) { write(stderr, bytes); },
    };
    const int status = zornalit::dbtool::runCommandLine(QCoreApplication::arguments(), folder.path, terminal);
    // A full disk behind the output is a failure too, not a success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        write(stderr, QStringLiteral("zornalit-db: не удалось вывести результат\n").toUtf8());
        return zornalit::dbtool::exitCode(zornalit::dbtool::ExitStatus::OutputFailed);
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // Ended once run's objects are gone: the console has its code page back.
    return zornalit::finishProcess(run(argc, argv));
}
