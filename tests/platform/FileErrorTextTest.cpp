#include "platform/FileErrorText.h"
#include "platform/files/SystemFileCalls.h"

#include "support/LatinLetters.h"

#include <gtest/gtest.h>

namespace zornalit {
namespace {

TEST(FileErrorText, EveryKindHasARussianReasonAndTheRestGiveTheirNumber)
{
    using Kind = FileError::Kind;
    QStringList reasons;
    for (const Kind kind : {Kind::NoName, Kind::NotFound, Kind::NoPermission, Kind::Busy, Kind::NoSpace, Kind::TooLarge,
             Kind::ReadOnlyDisk, Kind::Folder, Kind::NotRegular, Kind::Link, Kind::HardLinked, Kind::AlreadyExists,
             Kind::NameTooLong, Kind::InputOutput}) {
        const QString reason = fileErrorReason({kind, 5});
        EXPECT_EQ(testing::latinLettersOutside(reason, {}), QString()) << reason;
        EXPECT_FALSE(reason.contains(u'5')) << reason;
        EXPECT_FALSE(reasons.contains(reason)) << reason;
        reasons << reason;
    }
    EXPECT_EQ(fileErrorReason({Kind::Other, 1234}), QStringLiteral("системная ошибка, код ошибки 1234"));
    EXPECT_EQ(fileErrorReason({Kind::NoSpace, 28}), QStringLiteral("не хватает места на диске"));
}

// The Windows codes as the C runtime and the Win32 calls give them: a file
// in use is told apart from a file without rights, and a write-protected
// disk is a read-only one.
TEST(FileErrorText, WindowsCodesGiveTheirKinds)
{
    using Kind = FileError::Kind;
    const QList<std::pair<quint32, Kind>> codes{{2, Kind::NotFound}, {3, Kind::NotFound}, {5, Kind::NoPermission},
        {32, Kind::Busy}, {33, Kind::Busy}, {19, Kind::ReadOnlyDisk}, {39, Kind::NoSpace}, {112, Kind::NoSpace},
        {80, Kind::AlreadyExists}, {183, Kind::AlreadyExists}, {206, Kind::NameTooLong}, {1117, Kind::Other}};
    for (const auto& [code, kind] : codes) {
        const FileError error = fileErrorOfWindowsCode(code);
        EXPECT_EQ(error.kind, kind) << code;
        EXPECT_EQ(error.number, int(code));
    }
    EXPECT_EQ(fileErrorReason(fileErrorOfWindowsCode(32)), QStringLiteral("файл занят другой программой"));
    EXPECT_EQ(fileErrorReason(fileErrorOfWindowsCode(1117)), QStringLiteral("системная ошибка, код ошибки 1117"));
}

} // namespace
} // namespace zornalit
