#include "platform/qt/QtTextViewer.h"
#include "platform/qt/EditorChoice.h"

#include "support/LatinLetters.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

// Runs the test with PATH set to one folder only, restoring it afterwards.
class QtTextViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef Q_OS_WIN
        GTEST_SKIP() << "the stand-in editors are shell scripts and Windows always has notepad.exe; "
                        "tests/windows-e2e checks notepad.exe's command line under Wine";
#endif
        m_savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_bin.path()));
    }
    void TearDown() override
    {
        qputenv("PATH", m_savedPath);
    }

    // A stand-in editor that records its arguments, NUL-separated, and then
    // renames the record into place so it is never read half-written.
    void installRecordingEditor(const QString& name)
    {
        QFile script(m_bin.filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n"
                     "PATH=/usr/bin:/bin\n"
                     "out=\"$(dirname \"$0\")/arguments\"\n"
                     "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$out.part\"\n"
                     "mv \"$out.part\" \"$out\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // What the stand-in editor received; waits a little for it to start.
    QStringList recordedArguments() const
    {
        QFile record(m_bin.filePath(QStringLiteral("arguments")));
        const QDeadlineTimer deadline(10000);
        while (!record.exists() && !deadline.hasExpired())
            QThread::msleep(20);
        if (!record.open(QIODevice::ReadOnly))
            return {QStringLiteral("<the editor never ran>")};
        QStringList arguments;
        for (const QByteArray& argument : record.readAll().split('\0'))
            arguments << QString::fromUtf8(argument);
        arguments.removeLast(); // after the last terminator
        return arguments;
    }

    QTemporaryDir m_bin;
    QByteArray m_savedPath;
};

TEST_F(QtTextViewerTest, HandsAnAwkwardPathToNotepadOnPathAsOneArgument)
{
    installRecordingEditor(QStringLiteral("notepad.exe"));
    const QString awkward = QStringLiteral("/tmp/a b;$HOME \"q\" 'c' `x` & Файл.txt");
    const LaunchOutcome outcome = QtTextViewer().open(awkward);
    EXPECT_TRUE(outcome.started);
    EXPECT_TRUE(outcome.tried.contains(QStringLiteral("notepad.exe")));
    EXPECT_EQ(recordedArguments(), QStringList{awkward});
}

TEST_F(QtTextViewerTest, GivesAnEditorItsEncodingOption)
{
    installRecordingEditor(QStringLiteral("mousepad"));
    const QString report = QStringLiteral("/opt/Program Folder/SegmInfo.txt");
    EXPECT_TRUE(QtTextViewer().open(report).started);
    EXPECT_EQ(recordedArguments(), (QStringList{"--encoding", "WINDOWS-1251", report}));
}

TEST_F(QtTextViewerTest, WithNoEditorAtAllSaysWhatWasLookedFor)
{
    const LaunchOutcome outcome = QtTextViewer().open(QStringLiteral("/opt/SegmInfo.txt"));
    EXPECT_FALSE(outcome.started);
    for (const QString& name : {QStringLiteral("notepad.exe"), QStringLiteral("gedit"), QStringLiteral("xdg-open")})
        EXPECT_TRUE(outcome.tried.contains(name)) << outcome.tried;
    EXPECT_EQ(testing::latinLettersOutside(outcome.tried, editorNamesLookedFor()), QString()) << outcome.tried;
}

TEST_F(QtTextViewerTest, AnEditorThatWillNotStartIsExplainedInRussian)
{
    // Found on PATH and executable, but its interpreter does not exist.
    QFile script(m_bin.filePath(QStringLiteral("mousepad")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/nonexistent/interpreter\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    const QString report = QStringLiteral("/opt/SegmInfo.txt");
    const LaunchOutcome outcome = QtTextViewer().open(report);
    EXPECT_FALSE(outcome.started);
    const QString command =
        QStringLiteral("%1 --encoding WINDOWS-1251 %2").arg(m_bin.filePath(QStringLiteral("mousepad")), report);
    EXPECT_TRUE(outcome.tried.contains(QStringLiteral("программа не запускается"))) << outcome.tried;
    EXPECT_EQ(testing::latinLettersOutside(outcome.tried, {command}), QString()) << outcome.tried;
}

} // namespace
} // namespace zornalit
