#include "LeftoverFiles.h"

#include "TemporaryName.h"

#include <QDir>
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace zornalit {

LeftoverFiles::LeftoverFiles(FileCalls& calls, const QStringList& written, const QStringList& copies)
    : m_calls(calls)
    , m_written(written)
    , m_copies(copies)
{
}

bool writtenWithin(const QDateTime& modified, const QDateTime& now, int seconds)
{
    return seconds > 0 && modified.isValid() && modified.secsTo(now) < seconds;
}

bool LeftoverFiles::isLeftover(const QString& name) const
{
    return m_copies.contains(name) || std::any_of(m_written.cbegin(), m_written.cend(), [&name](const QString& target) {
        return isTemporaryNameOf(name, target);
    });
}

QStringList LeftoverFiles::patterns() const
{
    QStringList patterns = m_copies;
    for (const QString& target : m_written)
        patterns << target + QStringLiteral(".*.tmp");
    return patterns;
}

int LeftoverFiles::removeFrom(const QString& folder) const
{
    // Only the program's own names are ever looked at; which of them may go
    // is decided on the file itself, never through a link.
    QDirIterator entries(folder, patterns(), QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    const QDir dir(folder);
    int looked = 0;
    int removed = 0;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const int leastQuietSeconds = m_calls.leastQuietSeconds();
    while (entries.hasNext() && looked < mostAtOnce) {
        entries.next();
        const QString name = entries.fileName();
        if (!isLeftover(name))
            continue;
        ++looked;
        const int quietSeconds = m_copies.contains(name) ? copyQuietSeconds : 0;
        // A fresh file is passed over by its age in the listing, without
        // opening it: opening it, alone, for that moment would refuse
        // another instance's rename or play of the same name.
        const QFileInfo listed = entries.fileInfo();
        if (!listed.isSymLink() && writtenWithin(listed.lastModified(), now, std::max(quietSeconds, leastQuietSeconds)))
            continue;
        FileError ignored;
        if (m_calls.removeUnused(dir.filePath(name), quietSeconds, &ignored))
            ++removed;
    }
    return removed;
}

} // namespace zornalit
