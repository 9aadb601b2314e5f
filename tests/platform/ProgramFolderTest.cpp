#include "platform/ExecutableFolder.h"
#include "platform/qt/QtProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

TEST(ExecutableFolder, IsFoundFromTheSystemAsTheFolderOfTheRunningExecutable)
{
    const ExecutableFolder found = findExecutableFolder();
    EXPECT_EQ(found.problem, QString());
    EXPECT_EQ(QDir(found.path), QDir(QCoreApplication::applicationDirPath()));
}

TEST(ExecutableFolder, KeepsEveryByteOfAFolderNamedInText)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "only Linux names the executable in bytes; Windows gives wide characters";
#endif
    const QByteArray folder = QStringLiteral("/opt/Программа КВАНТ ё/bin").toUtf8();
    const ExecutableFolder found = folderOfExecutableBytes(folder + "/zornalit");
    EXPECT_EQ(found.problem, QString());
    EXPECT_EQ(found.path, QString::fromUtf8(folder));
    EXPECT_EQ(QFile::encodeName(found.path), folder);

    EXPECT_EQ(folderOfExecutableBytes("/zornalit").path, QStringLiteral("/"));
}

TEST(ExecutableFolder, AFolderWhoseBytesAreNoTextIsRefusedNotReplaced)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "only Linux names the executable in bytes; Windows gives wide characters";
#endif
    for (const QByteArray& executable : {QByteArray("/tmp/prog\xff\xfe"
                                                    "dir/zornalit"),
             QByteArray("/tmp/prog\xd0"
                        "dir/zornalit"),
             QByteArray("/tmp/\xc0\xaf/zornalit")}) {
        SCOPED_TRACE(executable.toStdString());
        const ExecutableFolder found = folderOfExecutableBytes(executable);
        EXPECT_TRUE(found.path.isEmpty()) << found.path;
        EXPECT_TRUE(found.problem.contains(QStringLiteral("«/tmp/"))) << found.problem;
        EXPECT_TRUE(found.problem.contains(QStringLiteral("переименуйте папку"))) << found.problem;
        EXPECT_FALSE(found.problem.contains(u'\n'));
    }
    // Only the folder has to be nameable: the executable's own name is never used.
    EXPECT_EQ(folderOfExecutableBytes("/tmp/prog/zorn\xff"
                                      "alit")
                  .path,
        QStringLiteral("/tmp/prog"));
}

// Windows drops a trailing dot or space from every name of a path it is
// given, so such a folder's files could never be found by their names.
TEST(ExecutableFolder, AWindowsFolderWhoseNameEndsInADotOrASpaceIsRefused)
{
    for (const QString& folder : {QStringLiteral("\\\\server\\Программы.\\Зорналит"),
             QStringLiteral("C:\\Программы\\Зорналит 2 "), QStringLiteral("C:/Зорналит./bin")}) {
        SCOPED_TRACE(folder);
        const QString problem = windowsFolderNameProblem(folder);
        EXPECT_TRUE(problem.contains(QStringLiteral("«%1»").arg(folder))) << problem;
        EXPECT_TRUE(problem.contains(QStringLiteral("переименуйте папку"))) << problem;
    }
    for (const QString& folder : {QStringLiteral("C:\\Программы\\Зорналит 2"), QStringLiteral("C:\\"),
             QStringLiteral("\\\\?\\C:\\Зорн.ал ит\\v1.0\\x"), QStringLiteral("C:\\Зорналит\\.\\bin")})
        EXPECT_EQ(windowsFolderNameProblem(folder), QString()) << folder;
}

TEST(QtProgramFolder, NamesFilesInTheFolderItWasGiven)
{
    const QtProgramFolder folder(QStringLiteral("/opt/Program Folder"));
    EXPECT_EQ(folder.path(), QDir::toNativeSeparators(QStringLiteral("/opt/Program Folder")));
    EXPECT_EQ(folder.fileNamed(QStringLiteral("SegmInfo.txt")),
        folder.path() + ProgramFolder::separator + QStringLiteral("SegmInfo.txt"));
}

TEST(QtProgramFolder, TrailingSeparatorsAndDotsAreTidiedAway)
{
    EXPECT_EQ(QtProgramFolder::nativeFolder(QStringLiteral("/opt/Program Folder/")),
        QDir::toNativeSeparators(QStringLiteral("/opt/Program Folder")));
    EXPECT_EQ(QtProgramFolder::nativeFolder(QStringLiteral("/opt/./bin/../Program Folder")),
        QDir::toNativeSeparators(QStringLiteral("/opt/Program Folder")));
    EXPECT_EQ(QtProgramFolder::nativeFolder(QStringLiteral("/")), QDir::toNativeSeparators(QStringLiteral("/")));
}

} // namespace
} // namespace zornalit
