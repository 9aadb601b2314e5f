#include "ProgramLeftovers.h"

#include "extras/FreeTextClick.h"
#include "lookup/FaultFiles.h"
#include "platform/ProgramFolder.h"
#include "platform/files/LeftoverFiles.h"
#include "platform/files/SystemFileCalls.h"

#include <QThreadPool>

namespace zornalit {

namespace {

LeftoverFiles programLeftovers(FileCalls& calls)
{
    const QStringList copies = jokeSoundCopies();
    return LeftoverFiles(calls, QStringList{faultReportFileName} + copies, copies);
}

} // namespace

int removeProgramLeftovers(const QString& folder)
{
    SystemFileCalls calls;
    return programLeftovers(calls).removeFrom(folder);
}

QStringList programLeftoverPatterns()
{
    SystemFileCalls calls;
    return programLeftovers(calls).patterns();
}

void startRemovingProgramLeftovers(const ProgramFolder& folder)
{
    // The application waits for the pool's work before it ends; the work is
    // bounded by the number of names one cleaning looks at.
    QThreadPool::globalInstance()->start([path = folder.path()] { removeProgramLeftovers(path); });
}

} // namespace zornalit
