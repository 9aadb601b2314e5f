#include "SoundFileBudget.h"

namespace zornalit {

QString soundFileSizeProblem(qint64 size)
{
    if (size <= soundFileBudgetBytes)
        return QString();
    return QStringLiteral("файл больше %1 МБ").arg(soundFileBudgetBytes / (1024 * 1024));
}

} // namespace zornalit
