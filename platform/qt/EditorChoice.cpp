#include "EditorChoice.h"

namespace zornalit {

namespace {

const QString notepad = QStringLiteral("notepad.exe");
const QString defaultOpener = QStringLiteral("xdg-open");

QString quotedIfNeeded(const QString& word)
{
    if (!word.isEmpty() && !word.contains(QLatin1Char(' ')) && !word.contains(QLatin1Char('"')))
        return word;
    QString escaped = word;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Whether a Windows folder name is a full one: a drive letter with its
// separator (C:\ or C:/), or a network share (\\server\share). "C:tools" is
// relative to the drive's current folder, so it is not.
bool isFullWindowsPath(const QString& folder)
{
    const auto separator = [](QChar character) { return character == u'\\' || character == u'/'; };
    if (folder.size() >= 3 && folder[0].isLetter() && folder[0].unicode() < 128 && folder[1] == u':'
        && separator(folder[2]))
        return true;
    return folder.size() >= 3 && separator(folder[0]) && separator(folder[1]) && !separator(folder[2]);
}

QString windowsFileIn(const QString& folder, const QString& name)
{
    const bool separated = folder.endsWith(u'\\') || folder.endsWith(u'/');
    return folder + (separated ? QString() : QStringLiteral("\\")) + name;
}

// The folders of a PATH variable: separated by ';', except inside quotes,
// which a folder with a ';' in its name is written in.
QStringList pathFolders(const QString& searchPath)
{
    QStringList folders{QString()};
    bool quoted = false;
    for (const QChar character : searchPath) {
        if (character == u'"')
            quoted = !quoted;
        else if (character == u';' && !quoted)
            folders << QString();
        else
            folders.last() += character;
    }
    return folders;
}

} // namespace

QString notepadToStart(const NotepadPlaces& places, const FileLookup& exists)
{
    QStringList folders{places.programFolder, places.systemFolder, places.windowsFolder};
    folders << pathFolders(places.searchPath);
    for (const QString& folder : std::as_const(folders)) {
        if (!isFullWindowsPath(folder))
            continue;
        const QString candidate = windowsFileIn(folder, notepad);
        if (exists(candidate))
            return candidate;
    }
    return {};
}

QString notepadCommandLine(const QString& path)
{
    return notepad + QLatin1Char(' ') + path;
}

QString EditorCommand::describe() const
{
    QStringList words{quotedIfNeeded(program)};
    for (const QString& argument : arguments)
        words << quotedIfNeeded(argument);
    return words.join(QLatin1Char(' '));
}

const QList<KnownEditor>& knownEditors()
{
    // GTK editors take the iconv name, KDE editors the Qt codec name.
    static const QList<KnownEditor> editors{
        {QStringLiteral("gedit"), {QStringLiteral("--encoding"), QStringLiteral("WINDOWS-1251")}},
        {QStringLiteral("mousepad"), {QStringLiteral("--encoding"), QStringLiteral("WINDOWS-1251")}},
        {QStringLiteral("pluma"), {QStringLiteral("--encoding"), QStringLiteral("WINDOWS-1251")}},
        {QStringLiteral("xed"), {QStringLiteral("--encoding"), QStringLiteral("WINDOWS-1251")}},
        {QStringLiteral("kate"), {QStringLiteral("--encoding"), QStringLiteral("windows-1251")}},
        {QStringLiteral("kwrite"), {QStringLiteral("--encoding"), QStringLiteral("windows-1251")}},
    };
    return editors;
}

QList<EditorCommand> editorCommands(const QString& path, const ExecutableLookup& find)
{
    QList<EditorCommand> commands;
    if (const QString found = find(notepad); !found.isEmpty())
        commands.append({found, {path}});
    for (const KnownEditor& editor : knownEditors()) {
        if (const QString found = find(editor.name); !found.isEmpty())
            commands.append({found, editor.encodingArguments + QStringList{path}});
    }
    if (const QString found = find(defaultOpener); !found.isEmpty())
        commands.append({found, {path}});
    return commands;
}

QStringList editorNamesLookedFor()
{
    QStringList names{notepad};
    for (const KnownEditor& editor : knownEditors())
        names << editor.name;
    names << defaultOpener;
    return names;
}

} // namespace zornalit
