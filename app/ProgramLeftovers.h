#pragma once

#include <QStringList>

namespace zornalit {

class ProgramFolder;

// Removes from the program folder what earlier runs cut short left there:
// temporary files of the report and of the sound copies, and the copies,
// as far as no running instance uses them. The number removed.
int removeProgramLeftovers(const QString& folder);

// Wildcard patterns that name everything removeProgramLeftovers removes,
// which the Windows uninstaller removes as well.
QStringList programLeftoverPatterns();

// The same, on a thread of its own, so that a folder full of leftovers
// delays nothing on the screen.
void startRemovingProgramLeftovers(const ProgramFolder& folder);

} // namespace zornalit
