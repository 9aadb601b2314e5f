#pragma once

#include <QByteArray>
#include <QString>

namespace zornalit {

// The folder of the running executable as the file layer names it, or why
// the program cannot use it. The program keeps every file there and has no
// other folder to fall back on.
struct ExecutableFolder {
    QString path;    // empty when problem is set
    QString problem; // one Russian sentence, without the program's name
};

// Asks the system where the running executable lies: on Linux the link
// /proc/self/exe, read as bytes; on Windows the module's file name, in wide
// characters. Never guessed from the command line or the current folder,
// and no QCoreApplication is needed.
ExecutableFolder findExecutableFolder();

// The folder of an executable whose full path the system gave as bytes. A
// folder whose bytes do not come back unchanged from the QString the file
// layer would use could only be reached under another name, so it is
// refused.
ExecutableFolder folderOfExecutableBytes(const QByteArray& executable);

// Why Windows could not reach the files of a program folder by their full
// names, in one Russian sentence, or an empty string. A folder whose name
// ends in a dot or a space (a network share can hold one) is such a folder:
// Windows drops those from every path it is given, and would look for the
// files somewhere else.
QString windowsFolderNameProblem(const QString& folder);

} // namespace zornalit
