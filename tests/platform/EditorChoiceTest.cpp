#include "platform/qt/EditorChoice.h"

#include <QHash>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

// A PATH holding exactly the given programs, in /usr/bin.
ExecutableLookup installed(const QStringList& names)
{
    return
        [names](const QString& name) { return names.contains(name) ? QStringLiteral("/usr/bin/") + name : QString(); };
}

const QString report = QStringLiteral("/opt/Program Folder/SegmInfo.txt");

TEST(EditorChoice, NotepadOnPathComesFirstWithThePathAsItsOnlyArgument)
{
    const auto commands = editorCommands(report, installed({"gedit", "notepad.exe", "xdg-open"}));
    ASSERT_EQ(commands.size(), 3);
    EXPECT_EQ(commands[0], (EditorCommand{QStringLiteral("/usr/bin/notepad.exe"), {report}}));
    EXPECT_EQ(commands[1].program, QStringLiteral("/usr/bin/gedit"));
    EXPECT_EQ(commands[2], (EditorCommand{QStringLiteral("/usr/bin/xdg-open"), {report}}));
}

TEST(EditorChoice, EachEditorIsToldToReadWindows1251)
{
    const QHash<QString, QStringList> expected{
        {"gedit", {"--encoding", "WINDOWS-1251"}},
        {"mousepad", {"--encoding", "WINDOWS-1251"}},
        {"pluma", {"--encoding", "WINDOWS-1251"}},
        {"xed", {"--encoding", "WINDOWS-1251"}},
        {"kate", {"--encoding", "windows-1251"}},
        {"kwrite", {"--encoding", "windows-1251"}},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const auto commands = editorCommands(report, installed({it.key()}));
        ASSERT_EQ(commands.size(), 1) << it.key();
        EXPECT_EQ(commands[0].arguments, it.value() + QStringList{report}) << it.key();
    }
}

TEST(EditorChoice, EditorsComeInTheirOrderAndTheDefaultOpenerLast)
{
    const auto commands = editorCommands(report, installed({"xdg-open", "kwrite", "mousepad", "gedit"}));
    QStringList programs;
    for (const auto& command : commands)
        programs << command.program;
    EXPECT_EQ(programs, (QStringList{"/usr/bin/gedit", "/usr/bin/mousepad", "/usr/bin/kwrite", "/usr/bin/xdg-open"}));
}

TEST(EditorChoice, AnAwkwardPathStaysOneUntouchedArgument)
{
    const QString awkward = QStringLiteral("/tmp/a b;$HOME \"q\" 'c' `x` & | > Файл.txt");
    for (const QString& program :
        {QStringLiteral("notepad.exe"), QStringLiteral("pluma"), QStringLiteral("xdg-open")}) {
        const auto commands = editorCommands(awkward, installed({program}));
        ASSERT_EQ(commands.size(), 1);
        EXPECT_EQ(commands[0].arguments.last(), awkward);
        EXPECT_EQ(commands[0].arguments.count(awkward), 1);
    }
}

TEST(EditorChoice, NothingInstalledMeansNothingToTryAndEveryNameIsReported)
{
    EXPECT_TRUE(editorCommands(report, installed({})).isEmpty());
    EXPECT_EQ(editorNamesLookedFor(),
        (QStringList{"notepad.exe", "gedit", "mousepad", "pluma", "xed", "kate", "kwrite", "xdg-open"}));
}

TEST(EditorChoice, DescriptionQuotesWordsWithSpaces)
{
    const EditorCommand command{QStringLiteral("/usr/bin/gedit"), {"--encoding", "WINDOWS-1251", report}};
    EXPECT_EQ(command.describe(),
        QStringLiteral("/usr/bin/gedit --encoding WINDOWS-1251 \"/opt/Program Folder/SegmInfo.txt\""));
}

TEST(EditorChoice, NotepadCommandLineIsTheProgramOneSpaceAndThePathUnquoted)
{
    EXPECT_EQ(notepadCommandLine(QStringLiteral("C:\\Program Files\\Зорналит\\SegmInfo.txt")),
        QStringLiteral("notepad.exe C:\\Program Files\\Зорналит\\SegmInfo.txt"));
    EXPECT_EQ(notepadCommandLine(QStringLiteral("D:\\a&b %PATH%\\SegmInfo.txt")),
        QStringLiteral("notepad.exe D:\\a&b %PATH%\\SegmInfo.txt"));
}

// A Windows desktop: the program folder, System32, the Windows folder and
// a PATH with a relative entry, an empty one and a quoted one.
const NotepadPlaces places{QStringLiteral("C:\\Программы\\Зорналит 2"), QStringLiteral("C:\\Windows\\system32"),
    QStringLiteral("C:\\Windows"), QStringLiteral(".;;tools;\"D:\\Редакторы; старые\";\\\\server\\share\\bin\\")};

FileLookup existing(const QStringList& files)
{
    return [files](const QString& file) { return files.contains(file); };
}

TEST(EditorChoice, NotepadIsLookedForInTheProgramSystemAndWindowsFoldersThenOnPath)
{
    const QStringList everywhere{QStringLiteral("C:\\Программы\\Зорналит 2\\notepad.exe"),
        QStringLiteral("C:\\Windows\\system32\\notepad.exe"), QStringLiteral("C:\\Windows\\notepad.exe"),
        QStringLiteral("D:\\Редакторы; старые\\notepad.exe"), QStringLiteral("\\\\server\\share\\bin\\notepad.exe")};
    for (qsizetype first = 0; first < everywhere.size(); ++first)
        EXPECT_EQ(notepadToStart(places, existing(everywhere.mid(first))), everywhere[first]);
}

// The current folder is never searched: not as ".", not as an empty PATH
// entry, not through a folder named relative to it.
TEST(EditorChoice, NotepadInTheCurrentFolderIsNeverChosen)
{
    const QStringList relative{QStringLiteral(".\\notepad.exe"), QStringLiteral("\\notepad.exe"),
        QStringLiteral("notepad.exe"), QStringLiteral("tools\\notepad.exe")};
    EXPECT_EQ(notepadToStart(places, existing(relative)), QString());
    EXPECT_EQ(notepadToStart({QString(), QString(), QString(), QStringLiteral("C:tools;.")},
                  existing({QStringLiteral("C:tools\\notepad.exe"), QStringLiteral(".\\notepad.exe")})),
        QString());
}

} // namespace
} // namespace zornalit
