#pragma once

#include "platform/FileCalls.h"

#include <QDateTime>
#include <QStringList>

namespace zornalit {

// Whether a file the folder listing shows as last written at modified was
// written less than seconds before now, or after it (a clock set back). No
// time to keep to, or an unknown time, says nothing: the file itself is
// looked at.
bool writtenWithin(const QDateTime& modified, const QDateTime& now, int seconds);

// What the program leaves in its folder only when it is cut short: the
// temporary files of its replacements, and the copies it makes to play.
// They are removed unless a running instance may still be using them: a
// temporary file is in progress while its writer holds it, and a copy is
// played for a minute or two at most after it was written.
class LeftoverFiles {
public:
    // A copy written less than this long ago may still be playing.
    static constexpr int copyQuietSeconds = 10 * 60;
    // No more than this many names are looked at in one cleaning, so that
    // a folder flooded with them costs a bounded time; the rest go next time.
    static constexpr int mostAtOnce = 10000;

    // written: the file names the program replaces in the folder; copies:
    // the names of the copies it plays (which it also writes).
    LeftoverFiles(FileCalls& calls, const QStringList& written, const QStringList& copies);

    // Whether name in the folder is one of these leftovers.
    bool isLeftover(const QString& name) const;

    // Wildcard patterns that every leftover's name matches.
    QStringList patterns() const;

    // Removes the leftovers in folder no one uses; the number removed.
    int removeFrom(const QString& folder) const;

private:
    FileCalls& m_calls;
    QStringList m_written;
    QStringList m_copies;
};

} // namespace zornalit
