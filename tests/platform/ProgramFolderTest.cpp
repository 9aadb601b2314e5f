#include "platform/qt/QtProgramFolder.h"

#include "support/QStringPrinting.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

TEST(QtProgramFolder, IsTheExecutablesFolderWithoutATrailingSeparator)
{
    const QString folder = QtProgramFolder().path();
    EXPECT_EQ(QDir(folder), QDir(QCoreApplication::applicationDirPath()));
    EXPECT_FALSE(folder.endsWith(ProgramFolder::separator));
    EXPECT_EQ(QtProgramFolder().fileNamed(QStringLiteral("SegmInfo.txt")),
              folder + ProgramFolder::separator + QStringLiteral("SegmInfo.txt"));
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
