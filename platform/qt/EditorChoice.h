#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace zornalit {

// The Windows command line that opens path in the standard editor:
// "notepad.exe", one space and the path as it is, unquoted, even when it
// holds spaces; notepad takes the rest of its command line as the file name.
QString notepadCommandLine(const QString& path);

// One way of opening a text file: a program and its arguments, handed to
// the system as they are, never through a shell.
struct EditorCommand {
    QString program;
    QStringList arguments;

    // The command as an operator would type it, for messages.
    QString describe() const;

    bool operator==(const EditorCommand&) const = default;
};

// The full path of an executable found on PATH, or an empty string.
using ExecutableLookup = std::function<QString(const QString& name)>;

// Desktops without "notepad.exe". Every editor listed can be told on its
// command line to read the file as Windows-1251, so the Cyrillic texts show
// right; editors without such an option are left out on purpose.
struct KnownEditor {
    QString name;
    QStringList encodingArguments;
};
const QList<KnownEditor>& knownEditors();

// The commands worth trying for path, best first: an executable named
// "notepad.exe" found on PATH (path as its only argument), then each
// installed known editor with its encoding option, then the desktop's
// default opener. Empty when none of them is installed.
QList<EditorCommand> editorCommands(const QString& path, const ExecutableLookup& find);

// Every program name editorCommands() looks for, in its order, for a
// message saying that none of them could be found.
QStringList editorNamesLookedFor();

} // namespace zornalit
