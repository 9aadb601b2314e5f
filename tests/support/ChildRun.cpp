#include "ChildRun.h"

#include <QByteArray>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zornalit::testing {

ChildRun runInChild(const std::function<bool()>& prepare, const std::function<bool(QString*)>& body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child < 0)
        return {};
    if (child == 0) {
        ::close(channel[0]);
        if (!prepare())
            ::_exit(2);
        QString why;
        const bool result = body(&why);
        const QByteArray answer = QByteArray(1, result ? '1' : '0') + why.toUtf8();
        const bool sent = ::write(channel[1], answer.constData(), size_t(answer.size())) == answer.size();
        ::_exit(sent ? 0 : 3);
    }
    ::close(channel[1]);
    QByteArray answer;
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(channel[0], chunk, sizeof chunk);
        if (got <= 0)
            break;
        answer.append(chunk, got);
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ChildRun run;
    run.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0 && !answer.isEmpty();
    run.result = answer.startsWith('1');
    run.why = QString::fromUtf8(answer.mid(1));
    return run;
}

ChildRun runWithFileSizeLimit(long long limitBytes, const std::function<bool(QString*)>& body)
{
    const auto limitFiles = [limitBytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(limitBytes);
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    };
    return runInChild(limitFiles, body);
}

} // namespace zornalit::testing
