#include "QtTextViewer.h"

#include "EditorChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

namespace {

QString systemFolderOf(UINT(WINAPI* query)(LPWSTR, UINT))
{
    wchar_t folder[MAX_PATH + 1] = {};
    const UINT length = query(folder, MAX_PATH + 1);
    return length > 0 && length <= MAX_PATH ? QString::fromWCharArray(folder, int(length)) : QString();
}

NotepadPlaces notepadPlaces()
{
    return {QDir::toNativeSeparators(QCoreApplication::applicationDirPath()), systemFolderOf(::GetSystemDirectoryW),
        systemFolderOf(::GetWindowsDirectoryW), qEnvironmentVariable("PATH")};
}

} // namespace

LaunchOutcome QtTextViewer::open(const QString& path)
{
    // Qt would build the command line from the program and its arguments
    // with two spaces between them; the editor gets exactly the classic one
    // instead. The program itself is named in full, so that Windows does
    // not look for it in the current folder. CreateProcessW may write into
    // the command line, so it is our own and outlives the start.
    const QString commandLine = notepadCommandLine(path);
    const QString program = notepadToStart(
        notepadPlaces(), [](const QString& file) { return QFileInfo(file).isFile(); });
    if (program.isEmpty())
        return {false, QStringLiteral("%1 (%2)").arg(commandLine, launchFailureReason(QString()))};
    const std::wstring application = program.toStdWString();
    std::wstring buffer = commandLine.toStdWString();
    QProcess process;
    process.setProgram(program);
    process.setCreateProcessArgumentsModifier([&application, &buffer](QProcess::CreateProcessArguments* arguments) {
        arguments->applicationName = application.c_str();
        arguments->arguments = buffer.data();
    });
    if (process.startDetached())
        return {true, commandLine};
    return {false, QStringLiteral("%1 (%2)").arg(commandLine, launchFailureReason(program))};
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
