#include "ProgramLeftovers.h"

#include "extras/FreeTextClick.h"
#include "lookup/FaultFiles.h"
#include "platform/ProgramFolder.h"
#include "platform/files/LeftoverFiles.h"
#include "platform/files/SystemFileCalls.h"

#include <QThreadPool>

namespace zornalit {

int removeProgramLeftovers(const QString& folder)
{
    const QStringList copies = jokeSoundCopies();
    SystemFileCalls calls;
    return LeftoverFiles(calls, QStringList{faultReportFileName} + copies, copies).removeFrom(folder);
}

void startRemovingProgramLeftovers(const ProgramFolder& folder)
{
    // The application waits for the pool's work before it ends; the work is
    // bounded by the number of names one cleaning looks at.
    QThreadPool::globalInstance()->start([path = folder.path()] { removeProgramLeftovers(path); });
}

} // namespace zornalit
