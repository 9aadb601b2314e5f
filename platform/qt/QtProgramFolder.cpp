#include "QtProgramFolder.h"

#include <QDir>

namespace zornalit {

QtProgramFolder::QtProgramFolder(const QString& folder)
    : m_path(nativeFolder(folder))
{
}

QString QtProgramFolder::path() const
{
    return m_path;
}

QString QtProgramFolder::nativeFolder(const QString& folder)
{
    QString native = QDir::toNativeSeparators(QDir::cleanPath(folder));
    // A root keeps its separator on Unix ("/") but loses it on Windows
    // ("C:"), so that joining a separator and a name gives "C:\name".
    if (native.size() > 1 && native.endsWith(ProgramFolder::separator))
        native.chop(1);
    return native;
}

} // namespace zornalit
