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

// Where the standard editor is looked for on Windows.
struct NotepadPlaces {
    QString programFolder;
    QString systemFolder;
    QString windowsFolder;
    // The PATH variable as it is: folders separated by ';'.
    QString searchPath;
};

// Whether a file of that full name exists.
using FileLookup = std::function<bool(const QString& file)>;

// The full name of the "notepad.exe" to start: the first one found in the
// program folder, the system folder, the Windows folder, then each folder
// on PATH. Never one in the current folder, where a file someone left (a
// downloads folder) would be run instead: a folder that is not a full path
// (".", "tools", an empty entry) is passed over. Empty when none exists.
QString notepadToStart(const NotepadPlaces& places, const FileLookup& exists);

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
