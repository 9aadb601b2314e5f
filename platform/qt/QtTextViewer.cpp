#include "QtTextViewer.h"

#include "EditorChoice.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <string>

namespace zornalit {

namespace {

// Why a program could not be started, judged from the file itself: the
// process's own message is the system's, in English.
QString launchFailureReason(const QString& program)
{
    const QString found = QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
    const QFileInfo file(found);
    if (found.isEmpty() || !file.exists())
        return QStringLiteral("программа не найдена");
    if (file.isDir())
        return QStringLiteral("на месте программы находится папка");
    if (!file.isExecutable())
        return QStringLiteral("нет прав на запуск программы");
    return QStringLiteral("программа не запускается");
}

} // namespace

#ifdef Q_OS_WIN

LaunchOutcome QtTextViewer::open(const QString& path)
{
    // Qt would build the command line from the program and its arguments
    // with two spaces between them; the editor gets exactly the classic one
    // instead. CreateProcessW may write into the buffer, so it is our own
    // and outlives the start.
    const QString commandLine = notepadCommandLine(path);
    std::wstring buffer = commandLine.toStdWString();
    QProcess process;
    process.setProgram(QStringLiteral("notepad.exe"));
    process.setCreateProcessArgumentsModifier(
        [&buffer](QProcess::CreateProcessArguments* arguments) { arguments->arguments = buffer.data(); });
    if (process.startDetached())
        return {true, commandLine};
    return {false, QStringLiteral("%1 (%2)").arg(commandLine, launchFailureReason(process.program()))};
}

#else

LaunchOutcome QtTextViewer::open(const QString& path)
{
    const QList<EditorCommand> commands = editorCommands(
        path, [](const QString& name) { return QStandardPaths::findExecutable(name); });
    if (commands.isEmpty()) {
        return {false,
            QStringLiteral("%1 — ни одна из этих программ не найдена")
                .arg(editorNamesLookedFor().join(QStringLiteral(", ")))};
    }
    QStringList failures;
    for (const EditorCommand& command : commands) {
        QProcess process;
        process.setProgram(command.program);
        process.setArguments(command.arguments);
        // The editor lives on its own; its chatter does not belong on our
        // terminal, and it must not read our input.
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        if (process.startDetached())
            return {true, command.describe()};
        failures << QStringLiteral("%1 (%2)").arg(command.describe(), launchFailureReason(command.program));
    }
    return {false, failures.join(QStringLiteral("; "))};
}

#endif

} // namespace zornalit
