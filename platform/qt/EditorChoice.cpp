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

} // namespace

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
